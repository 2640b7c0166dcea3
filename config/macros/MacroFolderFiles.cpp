#include "config/macros/MacroFolderFiles.h"

#include "platform/FolderReplace.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

namespace fs = std::filesystem;

namespace solune {

namespace {

// Classifies an opened file: a regular file of the running user, or why not.
OwnFileRead checkOpened(int fd, struct stat& st) {
    if (::fstat(fd, &st) != 0) {
        return OwnFileRead::CannotRead;
    }
    if (!S_ISREG(st.st_mode)) {
        return OwnFileRead::NotRegularFile;
    }
    if (st.st_uid != ::geteuid()) {
        return OwnFileRead::NotOwned;
    }
    return OwnFileRead::Done;
}

OwnFileRead openFailure(const fs::path& path) {
    const int error = errno;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return error == ENOENT ? OwnFileRead::Missing : OwnFileRead::CannotRead;
    }
    if (S_ISLNK(st.st_mode)) {
        return OwnFileRead::SymbolicLink;
    }
    return S_ISREG(st.st_mode) ? OwnFileRead::CannotRead : OwnFileRead::NotRegularFile;
}

bool readAll(int fd, std::size_t size, std::vector<std::uint8_t>& bytes) {
    bytes.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes.data() + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;  // an error, or the file shrank while it was read
        }
        done += static_cast<std::size_t>(n);
    }
    std::uint8_t extra = 0;
    return ::read(fd, &extra, 1) == 0;  // nor did it grow
}


int createTemporary(const fs::path& target, fs::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A name of its own rather than the target's name plus a suffix: the
        // target's name may already take the 255 bytes a name may have.
        tempPath = target.parent_path() /
                   (".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++));
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

OwnFileRead ReadOwnFile(const fs::path& path, std::size_t maxBytes,
                        std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return openFailure(path);
    }
    struct stat st {};
    OwnFileRead result = checkOpened(fd, st);
    if (result == OwnFileRead::Done && static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        result = OwnFileRead::TooLarge;
    }
    if (result == OwnFileRead::Done && !readAll(fd, static_cast<std::size_t>(st.st_size), bytes)) {
        result = OwnFileRead::CannotRead;
    }
    ::close(fd);
    if (result != OwnFileRead::Done) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return result;
}

std::string OwnFileReadProblem(OwnFileRead result, std::size_t maxBytes) {
    switch (result) {
        case OwnFileRead::Done:
            return {};
        case OwnFileRead::Missing:
            return "is missing";
        case OwnFileRead::SymbolicLink:
            return "is a symbolic link";
        case OwnFileRead::NotRegularFile:
            return "is not a regular file";
        case OwnFileRead::NotOwned:
            return "belongs to another user";
        case OwnFileRead::TooLarge:
            return "is larger than " + std::to_string(maxBytes) + " bytes";
        case OwnFileRead::CannotRead:
            return "cannot be read";
    }
    return "cannot be read";
}

bool IsSymbolicLink(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool IsOwnRegularFile(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

bool WriteOwnFile(const fs::path& path, std::span<const std::uint8_t> bytes, bool replace) {
    fs::path tempPath;
    const int fd = createTemporary(path, tempPath);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAllBytes(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        if (!replace) {
            ok = RenameNoReplace(tempPath, path);
        } else {
            struct stat st {};
            const bool exists = ::lstat(path.c_str(), &st) == 0;
            ok = (!exists || S_ISREG(st.st_mode)) && ::rename(tempPath.c_str(), path.c_str()) == 0;
        }
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
    }
    return ok;
}

bool RenameNoReplace(const fs::path& from, const fs::path& to) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

bool MakePrivateFolder(const fs::path& folder) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) == 0) {
        return S_ISDIR(st.st_mode);
    }
    if (folder.has_parent_path() && folder.parent_path() != folder) {
        MakePrivateFolder(folder.parent_path());
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CopyOwnFile(const fs::path& from, const fs::path& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) {
        return false;
    }
    struct stat st {};
    bool ok = checkOpened(in, st) == OwnFileRead::Done;
    const int out =
        ok ? ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600) : -1;
    ok = out >= 0;
    std::vector<std::uint8_t> chunk(1 << 16);
    while (ok) {
        const ssize_t n = ::read(in, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = WriteAllBytes(out, std::span(chunk.data(), static_cast<std::size_t>(n)));
    }
    if (out >= 0) {
        ok = ::fsync(out) == 0 && ok;
        ok = ::close(out) == 0 && ok;
    }
    ::close(in);
    return ok;
}

void SyncFolderEntries(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void DeleteOwnFolderTree(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        return;
    }
    ::chmod(path.c_str(), (st.st_mode & 07777) | S_IRWXU);
    std::error_code ec;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        DeleteOwnFolderTree(it->path());
    }
    fs::remove_all(path, ec);
}

}  // namespace solune
