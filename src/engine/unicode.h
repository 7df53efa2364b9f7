#pragma once
// Portable UTF-8, UTF-16 and windows-1252 helpers behind the readers.
#include <string>
#include <string_view>

namespace vokan {

inline constexpr char32_t kReplacementChar = 0xFFFD;
inline constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// Reads the character at `pos` and moves `pos` past it. A malformed sequence (overlong,
// surrogate, beyond U+10FFFF, cut short, a stray continuation byte) gives false and moves
// `pos` one byte on. `pos` must be before the end.
bool decodeUtf8(std::string_view text, size_t& pos, char32_t& cp);

void appendUtf8(std::string& out, char32_t cp);

// Valid UTF-8 copied; each malformed byte becomes U+FFFD.
std::string sanitizeUtf8(std::string_view bytes);

// UTF-16 bytes to UTF-8; an unpaired surrogate or an odd last byte becomes U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

// windows-1252 (also used for ISO-8859-1 and US-ASCII, which it contains) to UTF-8; the five
// bytes it leaves undefined become U+FFFD.
char32_t windows1252Char(unsigned char byte);
std::string windows1252ToUtf8(std::string_view bytes);

// Shift-JIS structure: a lead byte starts a two-byte character when a trail byte follows.
inline bool isShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
inline bool isShiftJisTrail(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

}  // namespace vokan
