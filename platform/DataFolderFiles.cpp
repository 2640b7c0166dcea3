#include "platform/DataFolderFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FolderReplace.h"
#include "platform/Folders.h"

namespace fs = std::filesystem;

namespace solune {

namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

// Closes a descriptor when it goes out of scope, unless it was handed on.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(-1); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = fd;
    }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

  private:
    int m_fd;
};

// The names of `relative`, "." left out; false for an absolute path or "..".
bool splitRelative(const fs::path& relative, std::vector<std::string>& names) {
    if (relative.is_absolute()) {
        return false;
    }
    for (const fs::path& part : relative) {
        const std::string name = part.string();
        if (name == "..") {
            return false;
        }
        if (!name.empty() && name != ".") {
            names.push_back(name);
        }
    }
    return true;
}

// Only this user's folders are used; they are kept private to the user.
FileReadResult checkFolder(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return FileReadResult::CannotOpen;
    }
    if (st.st_uid != ::geteuid()) {
        return FileReadResult::ForeignOwner;
    }
    if ((st.st_mode & 077) != 0) {
        ::fchmod(fd, st.st_mode & 07700);
    }
    return FileReadResult::Done;
}

// Why `name` in `folderFd` could not be opened without following it.
FileReadResult openFailure(int folderFd, const std::string& name, int error) {
    struct stat st {};
    if (error == ELOOP ||
        (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))) {
        return FileReadResult::Link;
    }
    if (error == ENOTDIR) {
        return FileReadResult::NotRegularFile;
    }
    return FileReadResult::CannotOpen;
}

// Makes the missing folders of the root's path, following the links that lead
// there (they lie outside the data folder).
void makeRootFolders(const fs::path& root) {
    fs::path prefix;
    for (const fs::path& part : root) {
        prefix /= part;
        struct stat st {};
        if (::stat(prefix.c_str(), &st) != 0 && errno == ENOENT) {
            ::mkdir(prefix.c_str(), kFolderMode);
        }
    }
}

FileReadResult openRoot(const fs::path& root, bool create, Descriptor& out) {
    if (root.empty()) {
        return FileReadResult::CannotOpen;
    }
    if (create) {
        makeRootFolders(root);
    }
    out.reset(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (out.get() < 0) {
        return errno == ENOTDIR ? FileReadResult::NotRegularFile : FileReadResult::CannotOpen;
    }
    return checkFolder(out.get());
}

FileReadResult openChildFolder(int parentFd, const std::string& name, bool create,
                               Descriptor& out) {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(parentFd, name.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT && create) {
        ::mkdirat(parentFd, name.c_str(), kFolderMode);
        fd = ::openat(parentFd, name.c_str(), kFlags);
    }
    if (fd < 0) {
        return openFailure(parentFd, name, errno);
    }
    out.reset(fd);
    return checkFolder(fd);
}

// Opens the root and the folders `names` below it, one after the other.
FileReadResult openFolders(const fs::path& root, const std::vector<std::string>& names, bool create,
                           Descriptor& out) {
    FileReadResult result = openRoot(root, create, out);
    for (std::size_t i = 0; i < names.size() && result == FileReadResult::Done; ++i) {
        Descriptor child;
        result = openChildFolder(out.get(), names[i], create, child);
        out.reset(child.release());
    }
    if (result != FileReadResult::Done) {
        out.reset(-1);
    }
    return result;
}

// Opens the folder that holds the file `relative`; its name goes to `name`.
FileReadResult openParent(const fs::path& root, const fs::path& relative, bool create,
                          Descriptor& folder, std::string& name) {
    std::vector<std::string> names;
    if (!splitRelative(relative, names) || names.empty()) {
        return FileReadResult::CannotOpen;
    }
    name = names.back();
    names.pop_back();
    return openFolders(root, names, create, folder);
}

// Opens a file of the folder without following a link and without blocking
// on a pipe; keeps it only when it is this user's regular file. The
// descriptor blocks again once it is known to be a regular file.
FileReadResult openFile(int folderFd, const std::string& name, int flags, Descriptor& out) {
    const int fd =
        ::openat(folderFd, name.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        return openFailure(folderFd, name, errno);
    }
    out.reset(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        out.reset(-1);
        return FileReadResult::NotRegularFile;
    }
    if (st.st_uid != ::geteuid()) {
        out.reset(-1);
        return FileReadResult::ForeignOwner;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return FileReadResult::Done;
}

FileReadResult openDataFile(const fs::path& root, const fs::path& relative, int flags, bool create,
                            int& fd) {
    fd = -1;
    Descriptor folder;
    std::string name;
    FileReadResult result = openParent(root, relative, create, folder, name);
    Descriptor file;
    if (result == FileReadResult::Done) {
        result = openFile(folder.get(), name, flags, file);
    }
    fd = file.release();
    return result;
}

template <typename Buffer>
FileReadResult readDataFile(const fs::path& root, const fs::path& relative, std::size_t maxBytes,
                            Buffer& out) {
    out.clear();
    int fd = -1;
    FileReadResult result = openDataFile(root, relative, O_RDONLY, false, fd);
    const Descriptor file(fd);
    if (result == FileReadResult::Done) {
        result = ReadOpenFile(fd, maxBytes, out);
    }
    return result;
}

// What stands at `name` may be replaced: nothing, a link (replaced itself) or
// this user's regular file.
FileReadResult replaceable(int folderFd, const std::string& name) {
    struct stat st {};
    if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? FileReadResult::Done : FileReadResult::CannotOpen;
    }
    if (S_ISLNK(st.st_mode)) {
        return FileReadResult::Done;
    }
    if (!S_ISREG(st.st_mode)) {
        return FileReadResult::NotRegularFile;
    }
    return st.st_uid == ::geteuid() ? FileReadResult::Done : FileReadResult::ForeignOwner;
}

// The names inside the folder open as `fd`, "." and ".." left out.
std::vector<std::string> entriesOf(int fd) {
    std::vector<std::string> names;
    const int listFd = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (dir == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    return names;
}

// Removes everything inside the folder open as `fd`, links as links.
void clearFolder(int fd) {
    for (const std::string& name : entriesOf(fd)) {
        struct stat st {};
        if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            const Descriptor child(
                ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (child.get() >= 0) {
                clearFolder(child.get());
            }
            ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
        } else {
            ::unlinkat(fd, name.c_str(), 0);
        }
    }
}

}  // namespace

fs::path SoluneDataFolder(const fs::path& userDataFolder) {
    return userDataFolder / "Dravik" / "SOLUNE300";
}

fs::path SoluneDataFolder() {
    return SoluneDataFolder(UserDataFolder());
}

FileReadResult OpenDataFolder(const fs::path& root, const fs::path& relative, bool create,
                              int& fd) {
    fd = -1;
    std::vector<std::string> names;
    if (!splitRelative(relative, names)) {
        return FileReadResult::CannotOpen;
    }
    Descriptor folder;
    const FileReadResult result = openFolders(root, names, create, folder);
    fd = folder.release();
    return result;
}

FileReadResult MakeDataFolders(const fs::path& root, const fs::path& relative) {
    int fd = -1;
    const FileReadResult result = OpenDataFolder(root, relative, true, fd);
    const Descriptor folder(fd);
    return result;
}

FileReadResult ReadDataFile(const fs::path& root, const fs::path& relative, std::size_t maxBytes,
                            std::vector<std::uint8_t>& bytes) {
    return readDataFile(root, relative, maxBytes, bytes);
}

FileReadResult ReadDataFile(const fs::path& root, const fs::path& relative, std::size_t maxBytes,
                            std::string& text) {
    return readDataFile(root, relative, maxBytes, text);
}

FileReadResult ReplaceDataFile(const fs::path& root, const fs::path& relative,
                               std::span<const std::uint8_t> bytes) {
    Descriptor folder;
    std::string name;
    FileReadResult result = openParent(root, relative, true, folder, name);
    if (result == FileReadResult::Done) {
        result = replaceable(folder.get(), name);
    }
    if (result == FileReadResult::Done &&
        !ReplaceInFolder(folder.get(), name, bytes, kFileMode, kFileMode)) {
        result = FileReadResult::WriteFailed;
    }
    return result;
}

FileReadResult OpenDataFileForAppend(const fs::path& root, const fs::path& relative, int& fd) {
    return openDataFile(root, relative, O_WRONLY | O_APPEND | O_CREAT, true, fd);
}

FileReadResult OpenDataLockFile(const fs::path& root, const fs::path& relative, int& fd) {
    return openDataFile(root, relative, O_RDWR | O_CREAT, true, fd);
}

FileReadResult ExchangeDataEntries(const fs::path& root, const fs::path& first,
                                   const fs::path& second) {
    if (first.parent_path().lexically_normal() != second.parent_path().lexically_normal()) {
        return FileReadResult::CannotOpen;
    }
    Descriptor folder;
    std::string firstName;
    FileReadResult result = openParent(root, first, false, folder, firstName);
    const std::string secondName = second.filename().string();
    if (result == FileReadResult::Done && (secondName.empty() || secondName == "..")) {
        result = FileReadResult::CannotOpen;
    }
    if (result != FileReadResult::Done) {
        return result;
    }
    if (::renameat2(folder.get(), firstName.c_str(), folder.get(), secondName.c_str(),
                    RENAME_EXCHANGE) != 0) {
        return FileReadResult::CannotOpen;
    }
    ::fsync(folder.get());
    return FileReadResult::Done;
}

FileReadResult RemoveDataTree(const fs::path& root, const fs::path& relative) {
    Descriptor folder;
    std::string name;
    const FileReadResult result = openParent(root, relative, false, folder, name);
    if (result != FileReadResult::Done) {
        return result;
    }
    struct stat st {};
    if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? FileReadResult::Done : FileReadResult::CannotOpen;
    }
    if (S_ISDIR(st.st_mode)) {
        Descriptor tree(
            ::openat(folder.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (tree.get() >= 0) {
            clearFolder(tree.get());
        }
    }
    const int flags = S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0;
    return ::unlinkat(folder.get(), name.c_str(), flags) == 0 ? FileReadResult::Done
                                                              : FileReadResult::CannotOpen;
}

}  // namespace solune
