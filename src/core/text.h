#pragma once
// Small operations on Shift-JIS (code page 932) byte strings.
#include <string>
#include <string_view>

namespace vokanti {

// True when `c` starts a double-byte character in code page 932.
constexpr bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Equal texts, ASCII letters compared without regard to case. A double-byte character is
// compared as it is, so its second byte is never folded.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The number of characters of `text`, a double-byte character counting one (as the
// platform counts them once the text is converted to its wide form).
size_t characterCount(std::string_view text);

// Replaces %s in `pattern` by `value` (only the first %s).
std::string formatText(std::string_view pattern, std::string_view value);
// Replaces %d in `pattern` by `count` in decimal (only the first %d).
std::string formatCount(std::string_view pattern, long long count);

}  // namespace vokanti
