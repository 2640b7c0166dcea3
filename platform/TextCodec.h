#pragma once
// Conversions between the UTF-16 text that files and records hold and the
// UTF-8 text of the command line, JSON and the file system.

#include <string>
#include <string_view>

namespace solune {

// UTF-16 to UTF-8. A lone surrogate (which UTF-8 cannot carry) becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16. Returns false (and leaves `out` unchanged) when `text` is
// not valid UTF-8.
bool FromUtf8(std::string_view text, std::u16string& out);

}  // namespace solune
