#include "platform/FolderReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace solune {

namespace {

// True for a name that ReplaceInFolder gives its temporary files for
// `target`: the target's name, ".tmp.", a process id, "." and a counter.
bool isOwnTemporaryName(const std::string& name, const std::string& target, pid_t& pid) {
    const std::string prefix = target + ".tmp.";
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    const std::string rest = name.substr(prefix.size());
    const std::size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string::npos || dot + 1 == rest.size() || dot > 9 ||
        rest.find_first_not_of("0123456789.") != std::string::npos ||
        rest.find('.', dot + 1) != std::string::npos) {
        return false;
    }
    pid = static_cast<pid_t>(std::stol(rest.substr(0, dot)));
    return true;
}

bool isStaleTemporary(int folderFd, const std::string& entry, const std::string& target) {
    pid_t pid = 0;
    if (!isOwnTemporaryName(entry, target, pid)) {
        return false;
    }
    struct stat st {};
    if (::fstatat(folderFd, entry.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) {
        return false;
    }
    // A writer that still runs may be at work on it.
    return pid != ::getpid() && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

void removeStaleTemporaries(int folderFd, const std::string& target) {
    const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (dir == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (isStaleTemporary(folderFd, name, target)) {
            ::unlinkat(folderFd, name.c_str(), 0);
        }
    }
    ::closedir(dir);
}


// Creates a fresh temporary file in the folder; its descriptor (or -1) and name.
int createTemporary(int folderFd, const std::string& target, mode_t mode, std::string& tempName) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = target + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
        const int fd = ::openat(folderFd, tempName.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

bool WriteAllBytes(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;  // a write that takes nothing would never end
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReplaceInFolder(int folderFd, const std::string& name, std::span<const std::uint8_t> bytes,
                     mode_t createMode, std::optional<mode_t> finalMode) {
    std::string tempName;
    const int fd = createTemporary(folderFd, name, createMode, tempName);
    if (fd < 0) {
        return false;
    }
    // The errno of the first step that fails is what the caller reports.
    int error = 0;
    auto step = [&error](bool done) {
        if (!done && error == 0) {
            error = errno != 0 ? errno : EIO;
        }
        return done;
    };
    bool ok = !finalMode || step(::fchmod(fd, *finalMode) == 0);
    ok = ok && step(WriteAllBytes(fd, bytes)) && step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    ok = ok && step(::renameat(folderFd, tempName.c_str(), folderFd, name.c_str()) == 0);
    if (!ok) {
        ::unlinkat(folderFd, tempName.c_str(), 0);
        errno = error;
        return false;
    }
    removeStaleTemporaries(folderFd, name);
    ::fsync(folderFd);  // makes the rename itself durable; the data is already on disk
    return true;
}

}  // namespace solune
