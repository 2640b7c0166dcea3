#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace solune {

namespace {

// The path that is really written: the target of a symbolic link, so that a
// user's link (for example into a folder kept under version control) survives.
fs::path resolveTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return path;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Creates a fresh temporary file in the target's folder; returns its descriptor
// (or -1) and its name.
int createTemporary(const fs::path& target, fs::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath += ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path target = resolveTarget(path);
    fs::path tempPath;
    int fd = createTemporary(target, tempPath);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            ok = false;  // never replace a folder or a device node
        } else {
            ::fchmod(fd, old.st_mode & 07777);
        }
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dirFd = ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                       O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace solune
