#pragma once
// Integers written as text: the number fields of a dialog and the values of the profile.
#include <cstdint>
#include <optional>
#include <string_view>

namespace vokanti {

// How many characters of a number field are examined; the rest is never looked at.
inline constexpr size_t kIntFieldExamined = 31;

// The value of a number field, or absent when the field is rejected.
// Accepted: optional blanks or tabs, an optional sign, decimal digits, optional blanks or
// tabs. Rejected: an empty or all-blank field, anything else, and a zero written with a
// sign ("-0", "+00"). A value beyond the 32-bit range becomes the nearest 32-bit value.
std::optional<int32_t> parseIntField(std::string_view text);

// A profile value read the way the platform reads profile integers: optional blanks or
// tabs, an optional sign, an optional base prefix ("0x", "0o", "0b") and the digits that
// follow; whatever comes after them is ignored ("50 ;note" is 50). Absent when no digit
// follows, so the caller's default applies (where the platform would give 0). A value
// beyond the 32-bit range becomes the nearest 32-bit value.
std::optional<int32_t> parseProfileInt(std::string_view text);

}  // namespace vokanti
