#pragma once
// File routines for the macro folder that never follow a symbolic link and
// never touch what the running user does not own. A macro folder holds only
// our own files; a link in it (or a file of another user) may point anywhere,
// so it is neither read, written through, nor removed.
//
// Folders are made with mode 0700 and files with mode 0600: macros record
// what the user typed.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace solune {

enum class OwnFileRead {
    Done,            // the whole file was read
    Missing,         // nothing has this name
    SymbolicLink,    // a symbolic link: not followed
    NotRegularFile,  // a folder, pipe, device or socket
    NotOwned,        // belongs to another user
    TooLarge,        // larger than the reader's limit; nothing was read
    CannotRead,      // could not be opened or read
};

// Reads the whole file at `path` when it is a regular file of the running
// user holding at most `maxBytes` bytes. The file is opened with O_NOFOLLOW
// and O_NONBLOCK (a pipe never blocks) and checked on the open descriptor.
// `bytes` is empty on every result but Done.
OwnFileRead ReadOwnFile(const std::filesystem::path& path, std::size_t maxBytes,
                        std::vector<std::uint8_t>& bytes);

// A short lower-case phrase for a result other than Done, to follow a file
// name in a sentence ("is a symbolic link").
std::string OwnFileReadProblem(OwnFileRead result, std::size_t maxBytes);

// True when `path` itself is a symbolic link (dangling or not).
bool IsSymbolicLink(const std::filesystem::path& path);

// True when `path` is a regular file of the running user, not a link.
bool IsOwnRegularFile(const std::filesystem::path& path);

// Writes `bytes` to a new file ".tmp.<process id>.<counter>" beside `path`
// (mode 0600, O_NOFOLLOW | O_EXCL), flushes it and renames it to `path`. With
// `replace` false the rename fails when `path` exists; with true an existing
// regular file is replaced, anything else (a link, a folder) is not. The
// folder's entry is not flushed (see SyncFolderEntries). False on failure,
// with the temporary file removed.
bool WriteOwnFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                  bool replace);

// Renames `from` to `to` when nothing has the name `to`. False otherwise.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Creates `folder` and its missing parents with mode 0700. True when it is a
// folder (not a link to one) afterwards.
bool MakePrivateFolder(const std::filesystem::path& folder);

// Copies the regular file `from` of the running user to the new file `to`
// (mode 0600; fails when `to` exists). Neither end follows a link.
bool CopyOwnFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Flushes a folder's entries (renames, new files) to disk; failures are
// passed over, as the files themselves are already written.
void SyncFolderEntries(const std::filesystem::path& folder);

// Deletes a folder tree that is ours, giving each folder back its owner's
// write permission first (an earlier run may have taken it away). Links
// inside are removed as links. Nothing happens when `path` is a link.
void DeleteOwnFolderTree(const std::filesystem::path& path);

}  // namespace solune
