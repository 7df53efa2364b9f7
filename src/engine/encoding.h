#pragma once
// Character encodings at the engine's edges. Inside, every text is UTF-8; files the user
// keeps (list files, dictionaries, csv output) are Shift-JIS (code page 932) unless they
// start with a UTF-8 byte-order mark.
#include <string>
#include <string_view>

namespace vokan {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut short).
bool isValidUtf8(std::string_view bytes);

// Code page 932 to UTF-8. A byte or pair the code page does not define, and a lead byte
// cut off at the end, becomes U+FFFD.
std::string shiftJisToUtf8(std::string_view bytes);

// UTF-8 to code page 932. A character the code page cannot hold, and a malformed UTF-8
// sequence, becomes "?".
std::string utf8ToShiftJis(std::string_view utf8);

}  // namespace vokan
