#include "platform/win32/module_name.h"

#include <windows.h>

#include <stdexcept>

#include "core/text.h"

namespace vokanti {

std::string modulePath() {
    // A path cut to the buffer comes back with the buffer's full size: grow the buffer
    // until the path fits.
    for (DWORD size = MAX_PATH; size <= 65536; size *= 2) {
        std::string path(size, '\0');
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length == 0) break;
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
    throw std::runtime_error("the program's own path could not be read");
}

std::string baseNameOf(const std::string& path) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (isLeadByte(c) && i + 1 < path.size()) {
            ++i;  // the second byte may be 5C, the backslash
        } else if (c == '\\' || c == '/' || c == ':') {
            start = i + 1;
        }
    }
    std::string name = path.substr(start);
    // A dot is never the second byte of a double-byte character (those start at 40).
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

std::string applicationName() { return baseNameOf(modulePath()); }

}  // namespace vokanti
