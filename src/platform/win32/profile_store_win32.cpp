#include "platform/win32/profile_store_win32.h"

#include <windows.h>

namespace vokanti {

ProfileStoreWin32::ProfileStoreWin32(std::string fileName) : fileName_(std::move(fileName)) {}

std::string ProfileStoreWin32::readText(const char* section, const char* key) {
    // A value that fills the buffer may have been cut: read again with more room.
    for (DWORD size = 64;; size *= 4) {
        std::string value(size, '\0');
        const DWORD length =
            GetPrivateProfileStringA(section, key, "", value.data(), size, fileName_.c_str());
        if (length < size - 1 || size >= (1u << 24)) {
            value.resize(length < size ? length : size - 1);
            return value;
        }
    }
}

bool ProfileStoreWin32::writeInt(const char* section, const char* key, int32_t value) {
    return WritePrivateProfileStringA(section, key, std::to_string(value).c_str(),
                                      fileName_.c_str()) != FALSE;
}

bool ProfileStoreWin32::removeKey(const char* section, const char* key) {
    return WritePrivateProfileStringA(section, key, nullptr, fileName_.c_str()) != FALSE;
}

}  // namespace vokanti
