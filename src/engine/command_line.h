#pragma once
// The engine's command line, parsed into a plain description of the job. Flags come in any
// order, each at most once except -d; a value is the next argument.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document.h"
#include "engine/extract.h"

namespace vokan {

enum class OutputFormat { Csv, Vkndb5s, Html1, Html2 };

struct JobRequest {
    ExtractMode mode = ExtractMode::Words;      // -t / -j / -J
    InputKind inputKind = InputKind::Auto;       // -H / -T
    OutputFormat format = OutputFormat::Csv;     // -p / -c / -x / -X
    bool listUnknown = false;                    // -y
    bool inputFormsOnly = false;                 // -N
    bool noIgnoreList = false;                   // -n
    bool unsortedDictionaries = false;           // -S
    bool downloadOnly = false;                   // -D
    std::optional<int> shortestExcluded;         // -l N
    std::optional<int> longestMeaning;           // -L M
    std::optional<int> questions;                // -q N
    std::optional<int> questionWidth;            // -C N
    std::optional<int> knownLevel;               // -k N: leave out words of level N and below
    bool addKnownWords = false;                  // -K: a job of its own, see below
    std::string input;                           // -i, a path or a URL
    std::string output;                          // -o
    std::vector<std::string> extraDictionaries;  // -d, in order
};

struct ParsedCommandLine {
    bool ok = false;
    JobRequest request;
    std::string error;  // in English, naming the argument at fault, when !ok
};

// Parses the arguments (without the program name). Fails on an unknown flag, a flag given
// twice, two flags of one choice (-t/-j/-J, -H/-T, -p/-c/-x/-X), a missing value, a value
// that is not a whole number in range (-k from 1), a missing or empty -i or -o, -D with an
// input that is not a URL, and -k with -n.
//
// -K is a job of its own: it adds the headwords of the list file given with -i to
// env/known.txt. It takes -i alone: no -o, no option of an extraction job, no URL.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// True when `input` names a web address (http:// or https://, any case) rather than a file.
bool isUrl(std::string_view input);

}  // namespace vokan
