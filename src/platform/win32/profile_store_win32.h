#pragma once
// Values in the program's private profile, an INI file named without a directory (the
// platform keeps it in the Windows directory, per user for a 32-bit program).
#include <cstdint>
#include <string>

#include "platform/profile_store.h"

namespace vokanti {

class ProfileStoreWin32 : public ProfileStore {
public:
    // `fileName`: "<application name>.INI" for the program; tests give names of their own.
    explicit ProfileStoreWin32(std::string fileName);

    std::string readText(const char* section, const char* key) override;
    bool writeInt(const char* section, const char* key, int32_t value) override;
    bool removeKey(const char* section, const char* key) override;

    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

}  // namespace vokanti
