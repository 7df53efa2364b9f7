#pragma once
// HTML character references: &name; &#123; &#x7B;
#include <string>
#include <string_view>

namespace vokan {

// Decodes the reference whose '&' is at `pos`, appending its UTF-8 to `out`, and returns
// how many bytes it used; 0 (nothing appended) when the '&' starts no reference known here
// and stands for itself. Numbers follow the HTML rules: 0, surrogates and values past
// U+10FFFF give U+FFFD, 128-159 give their windows-1252 characters. The semicolon may be
// left out after a number and after the oldest names (amp, lt, gt, quot, nbsp, copy, reg).
size_t decodeCharacterReference(std::string_view html, size_t pos, std::string& out);

}  // namespace vokan
