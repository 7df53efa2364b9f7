#include "core/text.h"

namespace vokanti {

namespace {
unsigned char foldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (isLeadByte(ca) && i + 1 < a.size()) {
            // Both bytes of a double-byte character must match exactly.
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (foldAscii(ca) != foldAscii(cb)) return false;
    }
    return true;
}

size_t characterCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i, ++count) {
        if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
    }
    return count;
}

std::string formatText(std::string_view pattern, std::string_view value) {
    const auto at = pattern.find("%s");
    if (at == std::string_view::npos) return std::string(pattern);
    std::string out;
    out.reserve(pattern.size() + value.size());
    out.append(pattern.substr(0, at)).append(value).append(pattern.substr(at + 2));
    return out;
}

std::string formatCount(std::string_view pattern, long long count) {
    const auto at = pattern.find("%d");
    if (at == std::string_view::npos) return std::string(pattern);
    return std::string(pattern.substr(0, at)) + std::to_string(count) + std::string(pattern.substr(at + 2));
}

}  // namespace vokanti
