#pragma once
// Reading files and streams from outside without trusting them: a file is used
// only when it is a regular file (a pipe, a device or a folder would block the
// program or never end), it is opened without blocking, and no more than a
// reader's own limit is ever taken into memory.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace solune {

enum class FileReadResult {
    Done,            // the whole file was read
    CannotOpen,      // missing or not readable
    NotRegularFile,  // a pipe, device, socket or folder
    TooLarge,        // larger than the reader accepts; nothing was read
    ReadFailed,      // the read itself failed
    Link,            // a symbolic link where a file or folder was expected (DataFolderFiles.h)
    ForeignOwner,    // belongs to another user than the running one (DataFolderFiles.h)
    WriteFailed,     // a replacement could not be written; the old file stays (DataFolderFiles.h)
};

// Reads the whole regular file at `path` into `bytes` when it holds at most
// `maxBytes` bytes. `bytes` is left empty on every other result.
FileReadResult ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                               std::vector<std::uint8_t>& bytes);

// The same into a string (text files).
FileReadResult ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                               std::string& text);

// Reads the regular file open as `fd` (at its start) to its end
// into `bytes` when that is at most `maxBytes` bytes; the file may grow while it
// is read. Done, TooLarge or ReadFailed; `bytes` is empty unless Done. The
// descriptor stays open.
FileReadResult ReadOpenFile(int fd, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);
FileReadResult ReadOpenFile(int fd, std::size_t maxBytes, std::string& text);

// A short lower-case phrase for a result other than Done ("is not a regular
// file", "is larger than 65536 bytes"), for one-line messages after the file's name.
std::string FileReadProblem(FileReadResult result, std::size_t maxBytes);

// Reads `in` to its end into `text` when it holds at most `maxBytes` bytes;
// false (with `text` empty) as soon as it holds more.
bool ReadStreamUpTo(std::istream& in, std::size_t maxBytes, std::string& text);

// Opens `path` for appending (created when missing, mode 0666 before the umask)
// only when it is a regular file; -1 otherwise. The descriptor blocks again
// once it is known to be a regular file.
int OpenRegularFileForAppend(const std::filesystem::path& path);

}  // namespace solune
