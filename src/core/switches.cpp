#include "core/switches.h"

#include <initializer_list>
#include <utility>

#include "core/control_ids.h"

namespace vokanti {

namespace {

// The value of the first checked radio of `radios`, in their order; absent when none is.
template <typename Value>
std::optional<Value> firstChecked(const Form& form,
                                  std::initializer_list<std::pair<int, Value>> radios) {
    for (const auto& [id, value] : radios) {
        if (form.checked(id)) return value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<MatchMode> readMatchMode(const Form& form) {
    return firstChecked<MatchMode>(form, {{IDC_MATCH_WORD, MatchMode::Word},
                                          {IDC_MATCH_WORD_IDIOM, MatchMode::WordIdiom},
                                          {IDC_MATCH_IDIOM, MatchMode::Idiom}});
}

std::optional<InputFormat> readInputFormat(const Form& form) {
    return firstChecked<InputFormat>(form, {{IDC_INPUT_HTML, InputFormat::Html},
                                            {IDC_INPUT_TEXT, InputFormat::Text}});
}

std::optional<OutputFormat> readOutputFormat(const Form& form) {
    return firstChecked<OutputFormat>(form, {{IDC_OUTPUT_DB, OutputFormat::Vkndb5s},
                                             {IDC_OUTPUT_CSV, OutputFormat::Csv},
                                             {IDC_OUTPUT_HTML1, OutputFormat::Html1},
                                             {IDC_OUTPUT_HTML2, OutputFormat::Html2}});
}

Switches readSwitches(const Form& form) {
    Switches s;
    s.matchMode = readMatchMode(form);
    s.inputFormat = readInputFormat(form);
    s.outputFormat = readOutputFormat(form);
    s.inputListOnly = form.checked(IDC_INPUT_LIST_ONLY);
    s.noIgnore = form.checked(IDC_NO_IGNORE);
    s.sameDir = form.checked(IDC_SAME_DIR);
    s.sortDictionary = form.checked(IDC_SORT_DICTIONARY);
    s.question = form.checked(IDC_QUESTION);
    s.downloadOnly = form.checked(IDC_DOWNLOAD_ONLY);
    s.cut = form.checked(IDC_CUT);
    s.noDict = form.checked(IDC_NO_DICT);
    return s;
}

}  // namespace vokanti
