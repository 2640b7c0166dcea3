#pragma once
// Folder routines shared by both programs.
//
// None of them reports errors: a missing folder, a file that cannot be removed
// or a folder that cannot be created is passed over silently, as the callers
// expect. Paths are std::filesystem paths; "/" is the separator.

#include <filesystem>

namespace solune {

// The folder of the running executable (/proc/self/exe), without a trailing
// separator. Empty when the link cannot be read.
std::filesystem::path ProgramFolder();

// The user's configuration folder: $XDG_CONFIG_HOME when it is set to an
// absolute path, else $HOME/.config (the home folder from the password database
// when HOME is unset). Not created when missing; no trailing separator.
std::filesystem::path UserDataFolder();

// Creates the missing folders of a folder path or of a file path's folder:
//  1. when anything exists at `path`, nothing happens;
//  2. when the last component contains a ".", it is taken to be a file name and
//     dropped (so ".../a/old.data" creates only ".../a", even if a folder of
//     that name was meant);
//  3. every prefix of the path that ends before a "/" and does not exist is
//     created as a folder;
//  4. the whole path is created as a folder.
void EnsureFolder(const std::filesystem::path& path);

// Deletes every file and every sub-folder tree inside `path`, keeping the
// folder. A symbolic link inside is removed as a link; nothing it points to is
// touched. When `path` itself is a symbolic link nothing is deleted, since
// everything behind it lies outside the folder named.
void ClearFolder(const std::filesystem::path& path);

// True when anything exists at `path`, a symbolic link included (dangling or
// not); the link is not followed.
bool ExistsNoFollow(const std::filesystem::path& path);

// True when `path` is a folder itself, not a symbolic link to one.
bool IsRealFolder(const std::filesystem::path& path);

// The path that a save really writes: when `path` is a symbolic link, what it
// points to, followed link by link, so that a user's link survives the save
// (also a link to something not made yet, which is then made where it points).
// Otherwise `path` itself. After 40 links (a loop) `path` itself.
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// Flushes a folder's entries (a rename into it, a new file) to disk, so that
// they survive a crash; an empty path names the current folder. Failures are
// passed over: the data itself is already written.
void SyncFolder(const std::filesystem::path& folder);

// Deletes a folder with everything inside it. When `path` is a symbolic link,
// only the link is removed.
void DeleteFolderTree(const std::filesystem::path& path);

}  // namespace solune
