#pragma once
// The integer fields of a dialog: how the text of an edit becomes a number.
#include <cstdint>
#include <optional>
#include <string_view>

namespace vokanti {

// How many characters of a field are examined; the rest is never looked at.
inline constexpr size_t kIntFieldExamined = 31;

// The value of an integer field, or absent when the field is rejected.
// Accepted: optional blanks or tabs, an optional sign, decimal digits, optional blanks or
// tabs. Rejected: an empty or all-blank field, anything else, and a zero written with a
// sign ("-0", "+00"). A value beyond the 32-bit range becomes the nearest 32-bit value.
std::optional<int32_t> parseIntField(std::string_view text);

}  // namespace vokanti
