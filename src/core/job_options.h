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
};

}  // namespace vokanti
