#pragma once
// Text in the Windows-1252 code page, as the mouse shows profile names.

#include <string>
#include <string_view>

namespace solune {

// Each character of `text` as its Windows-1252 byte; a character the code page
// lacks (and a lone surrogate) becomes "?", a surrogate pair one "?". The text
// ends at its first NUL.
std::string EncodeWindows1252(std::u16string_view text);

}  // namespace solune
