#pragma once
// A small reader for Windows-style initialisation files ("[Section]" lines and
// "key=value" lines), answering like the Windows profile-string reader does.
//
// Rules:
//  - section and key names compare without regard to ASCII case;
//  - blanks and tabs around names and values are dropped, and a value enclosed
//    in a matching pair of single or double quotes loses the quotes;
//  - lines starting with ';' or '#' are comments, lines without '=' outside a
//    section header are ignored;
//  - when a key appears more than once in a section, the first one counts;
//  - a missing file, section or key gives an empty value.
// Encodings: UTF-16LE with a byte-order mark, UTF-8 with or without a mark;
// bytes that are not valid UTF-8 are read as Windows-1252 (the "ANSI" text a
// Windows program writes). Values are returned as UTF-8.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/BoundedRead.h"

namespace solune {

// The largest file Load reads: initialisation files are small.
inline constexpr std::size_t kMaxIniFileBytes = 64 * 1024;

class IniFile {
  public:
    // An empty file: every value is empty.
    IniFile() = default;

    // Reads the file at `path` (at most kMaxIniFileBytes). A file that cannot
    // be read leaves the reader empty; the result says whether it was read.
    bool Load(const std::filesystem::path& path);
    // Reads the file at `path` when it is a regular file of at most `maxBytes`
    // bytes; otherwise the reader is left empty and the result says why.
    FileReadResult Read(const std::filesystem::path& path, std::size_t maxBytes);

    // Parses `text` (the raw bytes of a file, in one of the encodings above).
    void Parse(std::string_view text);

    // The value of `key` in `section`, at most `maxChars` characters (the
    // Windows reader's buffer holds one character more for its terminator).
    std::string Value(std::string_view section, std::string_view key,
                      std::size_t maxChars = 259) const;

  private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> m_entries;
};

}  // namespace solune
