#pragma once
// Making text from outside (file contents, file names, device strings) safe
// to write into a line-based log: nothing in it can start a new line, move the
// cursor of a terminal that shows the log, or hide what follows.

#include <string>
#include <string_view>

namespace solune {

// `text` with every control character (0x00 ... 0x1F, line breaks and tabs
// included, and 0x7F) written as "\xNN" with two upper-case hex digits. Every
// other byte, UTF-8 sequences included, stays as it is; a backslash too.
std::string EscapeControlCharacters(std::string_view text);

// `text` with every byte that is not a letter, a digit or one of "._-+ ()"
// of ASCII written as "\xNN": for a name that failed its checks, so that
// nothing of it is taken for anything but a name where it is shown.
std::string EscapeUnusualCharacters(std::string_view text);

}  // namespace solune
