#include "platform/win32/profile_store_win32.h"

#include <windows.h>

#include <limits>

namespace vokanti {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The value of `key`; empty when the key is missing, and when its value is too long to be
// a number of any kind.
std::string readValue(const char* section, const char* key, const std::string& file) {
    // A value that fills the buffer may have been cut: read again with more room.
    for (DWORD size = 64; size <= 65536; size *= 4) {
        std::string value(size, '\0');
        const DWORD length = GetPrivateProfileStringA(section, key, "", value.data(), size, file.c_str());
        if (length < size - 1) {
            value.resize(length);
            return value;
        }
    }
    return {};
}

}  // namespace

std::optional<int32_t> parseProfileInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t digitsStart = i;
    int64_t magnitude = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) magnitude = kLimit;  // stays clamped, no overflow
        ++i;
    }
    if (i == digitsStart) return std::nullopt;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

ProfileStoreWin32::ProfileStoreWin32(std::string fileName) : fileName_(std::move(fileName)) {}

int32_t ProfileStoreWin32::readInt(const char* section, const char* key, int32_t fallback) {
    const auto parsed = parseProfileInt(readValue(section, key, fileName_));
    return parsed ? *parsed : fallback;
}

bool ProfileStoreWin32::writeInt(const char* section, const char* key, int32_t value) {
    return WritePrivateProfileStringA(section, key, std::to_string(value).c_str(),
                                      fileName_.c_str()) != FALSE;
}

}  // namespace vokanti
