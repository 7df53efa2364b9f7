#include "core/integer_text.h"

#include <algorithm>
#include <limits>

namespace vokanti {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number at the start of a text: blanks, an optional sign, then digits.
struct LeadingNumber {
    bool hasDigits = false;
    bool signWritten = false;
    int32_t value = 0;
    size_t end = 0;  // just after the last digit
};

LeadingNumber scanLeadingNumber(std::string_view text) {
    LeadingNumber number;
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        number.signWritten = true;
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
    number.hasDigits = i > firstDigit;
    number.end = i;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) {
        number.value = std::numeric_limits<int32_t>::max();
    } else if (value < std::numeric_limits<int32_t>::min()) {
        number.value = std::numeric_limits<int32_t>::min();
    } else {
        number.value = static_cast<int32_t>(value);
    }
    return number;
}

}  // namespace

std::optional<int32_t> parseIntField(std::string_view text) {
    text = text.substr(0, kIntFieldExamined);
    const LeadingNumber number = scanLeadingNumber(text);
    if (!number.hasDigits) return std::nullopt;
    size_t i = number.end;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;  // something else after the number
    if (number.signWritten && number.value == 0) return std::nullopt;
    return number.value;
}

// The platform reads a profile integer with a base taken from its prefix: "0x" hexadecimal,
// "0o" octal, "0b" binary, otherwise decimal; the digits of that base that follow count.
std::optional<int32_t> parseProfileInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    bool hasDigits = false;
    if (i + 1 < text.size() && text[i] == '0') {
        const char prefix = static_cast<char>(text[i + 1] | 0x20);
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) {
            hasDigits = true;  // the 0 of the prefix
            i += 2;
        }
    }
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const char lower = static_cast<char>(c | 0x20);
        const int digit = isDigit(c) ? c - '0' : (lower >= 'a' && lower <= 'f') ? lower - 'a' + 10 : 99;
        if (digit >= base) break;
        magnitude = std::min(magnitude * base + digit, kCap);
        hasDigits = true;
    }
    if (!hasDigits) return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace vokanti
