#pragma once
// The Windows-1252 code page: profile names in the mouse's settings image are
// written in it, and INI files that are not UTF-8 are read as it.
//
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 control characters of the same value, both ways. That is
// how the desktop system whose files these are converts them, so a byte read
// and written again stays the same byte.

#include <string>
#include <string_view>

namespace solune {

// Each character of `text` as its Windows-1252 byte; a character the code page
// lacks (and a lone surrogate) becomes "?", a surrogate pair one "?". The text
// ends at its first NUL.
std::string EncodeWindows1252(std::u16string_view text);

// Each byte of `bytes` as its character (UTF-16); every byte has one.
std::u16string DecodeWindows1252(std::string_view bytes);

}  // namespace solune
