#pragma once
// The naming rules of the macro-name list: new ids and unique display names.

#include <cstdint>
#include <span>
#include <string>

namespace solune {

// The smallest id a new macro gets: the first macro of an empty library is 16.
inline constexpr std::int32_t kFirstMacroId = 16;

// The id of a new macro: one more than the largest of `ids` compared unsigned,
// and at least 16. When the largest is 0xFFFFFFFF (so one more would wrap to
// 0), the smallest id from 16 up that `ids` does not hold.
std::int32_t NewMacroId(std::span<const std::int32_t> ids);

// Makes `name` differ from every entry of `others` (exact, case-sensitive
// comparison). While some entry equals it: a name holding "(" takes the text
// between its first "(" and its last character as a decimal number n (leading
// white space and a sign allowed, digits up to the first non-digit, 0 without
// digits) and becomes the text before that "(" + "(" + (n + 1) + ")"; any
// other name gets "(1)" appended. So M becomes M(1), and M(1) becomes M(2).
// The number has no size limit, so the loop always ends.
std::u16string UniqueMacroName(std::u16string name, std::span<const std::u16string> others);

}  // namespace solune
