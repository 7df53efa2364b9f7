#pragma once
// Integers in the program's private profile (an INI file named after the executable).
#include <cstdint>

namespace vokanti {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The stored value, or `fallback` when the key is missing or the profile unreadable.
    virtual int32_t readInt(const char* section, const char* key, int32_t fallback) = 0;
    // Writes the value as decimal text; false when the profile could not be written.
    virtual bool writeInt(const char* section, const char* key, int32_t value) = 0;
};

}  // namespace vokanti
