#pragma once
// Replacing a user's file without ever leaving a partial one in its place.

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/FileWriteStatus.h"

namespace solune {

// Writes `bytes` to a new temporary file beside `path`, flushes it to disk and
// renames it over `path`. At every instant `path` holds either its old contents
// or all of the new ones; a crash or a full disk leaves the old file intact and
// the temporary file removed (when the process lives to remove it).
// When `path` is a symbolic link, the file it points to is replaced (or made,
// for a link to a file that does not exist yet) and the link stays.
// Temporary files are named "<name>.tmp.<process id>.<counter>"; after a
// successful save, those of `path` whose process no longer runs (left by a
// save that was killed before its rename) are removed, and nothing else. A new file gets the
// permissions 0666 less the umask; a replaced file keeps its permissions. The
// status carries the errno of the step that failed (EISDIR when `path` is a
// folder or a device node, which is never replaced).
FileWriteStatus WriteFileAtomicallyWithStatus(const std::filesystem::path& path,
                                              std::span<const std::uint8_t> bytes);

// The same; false when the file could not be written.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace solune
