#pragma once
// The two files of the macro library.
//
// ".macro" file, one per macro, little-endian, no magic, exactly 28 + 2L + 32N
// bytes (L code units of name, N rows):
//   0        int32     L
//   4        2L bytes  name, UTF-16LE
//   4 + 2L   int32     id
//   8 + 2L   4 x int32 rect left, top, right, bottom
//   24 + 2L  int32     N
//   28 + 2L  N records of 32 bytes: kind (byte), code (int16), edge (byte),
//            delay (int32), rect left, top, right, bottom (int32 each),
//            selected (int32), serial (uint32)
//
// "macroList.dat", the index: int32 M, then M strings (int32 count of UTF-16
// units, then the units), each the full path of one ".macro" file, in library
// order.
//
// Readers never go past the data they are given; a count that asks for more
// data than is left is an error, and nothing is reserved from a count before
// its data has been seen.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "config/macros/CMacro.h"
#include "config/profiles/DataStream.h"

namespace solune {

inline constexpr char kMacroListFileName[] = "macroList.dat";
inline constexpr char kMacroFileExtension[] = ".macro";
inline constexpr std::int32_t kMacroEventRecordSize = 32;

// Files larger than these are not read. A macro file of 1 MiB holds about
// 32,700 rows, far more than anyone records (the mouse plays at most 164 events
// of a profile); an index of 1 MiB lists thousands of macros.
inline constexpr std::uintmax_t kMaxMacroFileBytes = 1u << 20;
inline constexpr std::uintmax_t kMaxMacroListBytes = 1u << 20;

// The size of the ".macro" file of `macro`: 28 + 2L + 32N bytes.
std::uintmax_t MacroFileSize(const CMacro& macro);

// True when `rows` more rows keep the macro's file within kMaxMacroFileBytes.
bool MacroHasRoomFor(const CMacro& macro, std::size_t rows);

enum class MacroFileStatus {
    Complete,    // the whole record was read
    Truncated,   // the data ended before the record did; nothing was stored
    Unreadable,  // missing, not a regular file, unreadable or too large
};

// Appends the macro's name, id, rect and rows in file order.
void WriteMacro(DataStream& stream, const CMacro& macro);

// Reads one macro record from the stream's cursor. On Complete the macro's
// name, id, rect and rows are replaced (its owner stays); otherwise the macro
// is unchanged. Bytes after the record are left unread. A string count or row
// count of zero or with its top bit set reads as empty. Every rectangle value
// is held to +-kMaxMacroCoordinate (see MacroRect.h).
MacroFileStatus ReadMacro(DataStream& stream, CMacro& macro);

// Reads a ".macro" file (at most kMaxMacroFileBytes) into `macro` (see ReadMacro).
MacroFileStatus LoadMacroFile(const std::filesystem::path& path, CMacro& macro);

// Writes a ".macro" file; `path` is replaced only once the whole file is on
// disk. How that went, with the reason when it could not be written.
FileWriteStatus SaveMacroFile(const CMacro& macro, const std::filesystem::path& path);

// Appends the index: the count, then each path.
void WriteMacroList(DataStream& stream, const std::vector<std::u16string>& paths);

// Reads the index from the stream's cursor into `paths` (replacing it). A count
// of zero or less lists nothing. Returns false when the data ends before the
// count's last path; `paths` then holds the paths read whole before the end.
bool ReadMacroList(DataStream& stream, std::vector<std::u16string>& paths);

}  // namespace solune
