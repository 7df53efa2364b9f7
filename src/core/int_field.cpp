#include "core/int_field.h"

#include <limits>

namespace vokanti {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<int32_t> parseIntField(std::string_view text) {
    text = text.substr(0, kIntFieldExamined);
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;

    bool negative = false;
    bool signWritten = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        signWritten = true;
        ++i;
    }

    // The magnitude saturates just above the 32-bit range, so any count of digits is safe.
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    const size_t firstDigit = i;
    int64_t magnitude = 0;
    while (i < text.size() && isDigit(text[i])) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kCap) magnitude = kCap;
        ++i;
    }
    if (i == firstDigit) return std::nullopt;  // no digits at all
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;  // something else after the number
    if (signWritten && magnitude == 0) return std::nullopt;

    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace vokanti
