#pragma once
// Values in the program's private profile (an INI file named after the executable).
#include <cstdint>
#include <string>

namespace vokanti {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The text stored under `key`, whatever its length; empty when the key is missing or
    // the profile unreadable.
    virtual std::string readText(const char* section, const char* key) = 0;
    // Writes the value as decimal text; false when the profile could not be written.
    virtual bool writeInt(const char* section, const char* key, int32_t value) = 0;
    // Removes `key` and its value; true when it is gone (a key that was never there too).
    virtual bool removeKey(const char* section, const char* key) = 0;
};

}  // namespace vokanti
