#pragma once
// The core of an atomic file replacement, on a folder's descriptor: both
// WriteFileAtomically (AtomicFile.h) and the data folder's files
// (DataFolderFiles.h) replace files through it.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace solune {

// Writes every byte to `fd`, again after an interruption. False (errno set)
// when a write fails or takes nothing.
bool WriteAllBytes(int fd, std::span<const std::uint8_t> bytes);

// Writes `bytes` to a new temporary file "<name>.tmp.<process id>.<counter>" of
// the folder open as `folderFd` (made with O_EXCL | O_NOFOLLOW and `createMode`
// less the umask, then set to exactly `finalMode` when one is given), flushes
// it, renames it over `name` and flushes the folder. At every instant `name`
// holds its old contents or all of the new ones; on failure the temporary file
// is removed and false returned, with errno
// set to the error of the step that failed. After a success the temporary files of `name`
// whose process no longer runs (left by a save killed before its rename) are
// removed, and nothing else. The rename acts on `name` itself: a symbolic link
// there is replaced, what it points to is not touched.
bool ReplaceInFolder(int folderFd, const std::string& name, std::span<const std::uint8_t> bytes,
                     mode_t createMode, std::optional<mode_t> finalMode);

}  // namespace solune
