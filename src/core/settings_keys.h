#pragma once
// The keys of the settings profile: 17 check and radio states and 4 integers, all in the
// section "Vokanti". Loading and saving walk the check keys in different orders; both
// orders are kept as they are because the profile file shows them.
#include <array>
#include <cstdint>
#include <string>

#include "core/job_options.h"

namespace vokanti {

inline constexpr const char kProfileSection[] = "Vokanti";

struct CheckKey {
    const char* key;
    int controlId;
    bool defaultOn;  // the state when the key is missing
};

struct IntKey {
    const char* key;
    int32_t JobOptions::*field;  // its default is the field's value in a new JobOptions
};

using CheckKeys = std::array<CheckKey, 17>;
using IntKeys = std::array<IntKey, 4>;

// The order in which loading reads the check and radio states.
const CheckKeys& checkKeysLoadOrder();
// The order in which saving writes them.
const CheckKeys& checkKeysSaveOrder();
// The integers, read and written in this order after the check states.
const IntKeys& intKeys();

// The learner's known-words level, after the integers: "1" to "3" exactly; anything else,
// or no key, is no level. Saved only while a level is chosen (the key is removed
// otherwise), so that a profile without levels stays as it always was.
inline constexpr const char kKnownLevelKey[] = "known_level";
int32_t parseKnownLevel(const std::string& text);

}  // namespace vokanti
