#pragma once
// Profile integers in the program's private profile, an INI file named without a directory
// (the platform keeps it in the Windows directory, per user for a 32-bit program).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile_store.h"

namespace vokanti {

class ProfileStoreWin32 : public ProfileStore {
public:
    // `fileName`: "<application name>.INI" for the program; tests give names of their own.
    explicit ProfileStoreWin32(std::string fileName);

    // The stored value; `fallback` when the key is missing or its value is not a decimal
    // integer (a hand-edited profile), so a bad value never turns into 0.
    int32_t readInt(const char* section, const char* key, int32_t fallback) override;
    bool writeInt(const char* section, const char* key, int32_t value) override;

    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

// A profile value as a decimal integer: blanks or tabs around it, an optional sign, at
// least one digit, nothing else. Values beyond 32 bits give the nearest 32-bit value.
std::optional<int32_t> parseProfileInt(std::string_view text);

}  // namespace vokanti
