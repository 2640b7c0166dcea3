#pragma once
// The files of the data folder (UserDataFolder() + "Dravik/SOLUNE300": the
// profiles, the macro library, the update log and its lock), reached so that
// nobody who can plant a symbolic link there can make the programs read or
// write anything outside it.
//
// Every operation names the data folder (`root`) and a path inside it
// (`relative`, such as "Profiles/Default1.profile"; no "..", not absolute).
// The root is opened as it is named, links that lead to it included (a user's
// ~/.config may be a link). From there down every folder is opened with
// O_NOFOLLOW | O_DIRECTORY and every file with O_NOFOLLOW: a link inside the
// data folder is never followed. A folder or file that does not belong to the
// running user (the effective user id) is refused. Folders made on the way
// (the root's missing folders too) get the permissions 0700, new files 0600;
// the root and the folders below it that are opened lose any group or other
// permissions they had.
//
// Nothing throws; every operation gives a FileReadResult (BoundedRead.h), of
// which Link and ForeignOwner are the refusals of this file.
//
// The macro library can use the same calls: ReadDataFile / ReplaceDataFile for
// "Macros/<name>.macro" and "Macros/macroList.dat", OpenDataFolder for the
// data folder's own descriptor, and ExchangeDataEntries(root, "Macros.saving",
// "Macros") to swap a finished staging folder with the live one in one step
// (renameat2 with RENAME_EXCHANGE on the root's descriptor), after which
// RemoveDataTree(root, "Macros.saving") removes the old contents.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/BoundedRead.h"

namespace solune {

// The data folder: `userDataFolder` + "Dravik/SOLUNE300".
std::filesystem::path SoluneDataFolder(const std::filesystem::path& userDataFolder);
// The same for UserDataFolder().
std::filesystem::path SoluneDataFolder();

// Opens the folder `relative` of the data folder (the root itself for an empty
// path) and puts its descriptor (O_DIRECTORY, close-on-exec, owned by the
// caller) into `fd`; -1 on every result but Done. With `create`, missing
// folders, the root's included, are made 0700; without it a missing folder is
// CannotOpen.
FileReadResult OpenDataFolder(const std::filesystem::path& root,
                              const std::filesystem::path& relative, bool create, int& fd);

// Makes the missing folders of `relative` (0700), the root's included.
FileReadResult MakeDataFolders(const std::filesystem::path& root,
                               const std::filesystem::path& relative);

// Reads the whole regular file `relative` into `bytes` when it holds at most
// `maxBytes` bytes, as ReadRegularFile does; a link there is Link, a file of
// another user ForeignOwner. Nothing is made. `bytes` is empty on every result
// but Done.
FileReadResult ReadDataFile(const std::filesystem::path& root,
                            const std::filesystem::path& relative, std::size_t maxBytes,
                            std::vector<std::uint8_t>& bytes);
FileReadResult ReadDataFile(const std::filesystem::path& root,
                            const std::filesystem::path& relative, std::size_t maxBytes,
                            std::string& text);

// Replaces the file `relative` with `bytes` without ever leaving a partial
// file in its place: a new temporary file in the same folder (made through the
// folder's descriptor, 0600), flushed, renamed over the name, the folder
// flushed. The missing folders are made first. A symbolic link at the name is
// replaced by the new file (rename acts on the link itself), so what it points
// to is never written and the saved settings are found again at the next
// start. A regular file of another user there is ForeignOwner and a folder or
// device NotRegularFile, both left as they are. The replaced file is 0600
// whatever it had. ReadFailed when writing failed (a full disk): the old file
// stays whole.
FileReadResult ReplaceDataFile(const std::filesystem::path& root,
                               const std::filesystem::path& relative,
                               std::span<const std::uint8_t> bytes);

// Opens the regular file `relative` for appending (made 0600 when missing,
// with its missing folders) and puts the descriptor (blocking, close-on-exec,
// owned by the caller) into `fd`; -1 on every result but Done. A link there,
// dangling or not, is Link: nothing is made where it points.
FileReadResult OpenDataFileForAppend(const std::filesystem::path& root,
                                     const std::filesystem::path& relative, int& fd);

// Opens (or makes, 0600, with its missing folders) the lock file `relative`
// for reading and writing; the same refusals as OpenDataFileForAppend.
FileReadResult OpenDataLockFile(const std::filesystem::path& root,
                                const std::filesystem::path& relative, int& fd);

// Exchanges the two entries `first` and `second` of one folder of the data
// folder in one step (both must exist). CannotOpen when the system cannot
// exchange them.
FileReadResult ExchangeDataEntries(const std::filesystem::path& root,
                                   const std::filesystem::path& first,
                                   const std::filesystem::path& second);

// Removes `relative` with everything inside it, never following a link: a
// link is removed as a link. Done also when nothing was there.
FileReadResult RemoveDataTree(const std::filesystem::path& root,
                              const std::filesystem::path& relative);

}  // namespace solune
