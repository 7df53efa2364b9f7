#pragma once
// The choices and switches of a job, as the check states of their controls show them.
// Each value of a choice is a radio button of its own, so a hand-edited profile can leave
// a choice with no value or several values checked: the first checked radio, in the order
// of the values below, is the one that counts.
#include <optional>

#include "core/form.h"

namespace vokanti {

enum class MatchMode { Word, WordIdiom, Idiom };
enum class InputFormat { Html, Text };
enum class OutputFormat { Vkndb5s, Csv, Html1, Html2 };

struct Switches {
    std::optional<MatchMode> matchMode;
    std::optional<InputFormat> inputFormat;
    std::optional<OutputFormat> outputFormat;
    bool inputListOnly = false;   // IDC_INPUT_LIST_ONLY
    bool noIgnore = false;        // IDC_NO_IGNORE
    bool sameDir = false;         // IDC_SAME_DIR
    bool sortDictionary = false;  // IDC_SORT_DICTIONARY
    bool question = false;        // IDC_QUESTION
    bool downloadOnly = false;    // IDC_DOWNLOAD_ONLY
    bool cut = false;             // IDC_CUT
    bool noDict = false;          // IDC_NO_DICT
};

std::optional<MatchMode> readMatchMode(const Form& form);
std::optional<InputFormat> readInputFormat(const Form& form);
std::optional<OutputFormat> readOutputFormat(const Form& form);
Switches readSwitches(const Form& form);

}  // namespace vokanti
