#pragma once
// The options of one engine run as the main dialog holds them between form exchanges.
// The flags and the three choices are not kept here: they are the check states of their
// controls and are read from the form when needed (see core/switches.h).
#include <cstdint>
#include <string>

namespace vokanti {

struct JobOptions {
    int32_t ignoreShort = 2;   // words of this many characters or fewer are not extracted
    int32_t ignoreLong = 30;   // answers of this many characters or more are not output
    int32_t questionNum = 20;  // questions of the extra question set
    int32_t cutLength = 40;    // cut position in half-width characters
    std::string dictionary;    // edit text of IDC_DICTIONARY
    std::string input;         // edit text of IDC_INPUT
    std::string output;        // edit text of IDC_OUTPUT
    // The learner's level: the engine leaves out the words of this level and below
    // (env/level.txt). 0 is no level; set by the level dialog, not by the form.
    int32_t knownLevel = 0;
};

inline constexpr int32_t kMaxKnownLevel = 3;

// `level` when it names a level the window offers (1 to kMaxKnownLevel), else 0: no level.
constexpr int32_t validKnownLevel(int32_t level) { return level >= 1 && level <= kMaxKnownLevel ? level : 0; }

}  // namespace vokanti
