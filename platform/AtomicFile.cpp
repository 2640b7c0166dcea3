#include "platform/AtomicFile.h"

#include "platform/Folders.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace solune {

namespace {

// True for a name that WriteFileAtomically gives its temporary files for
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

// Removes the temporary files that earlier saves of `target` left behind when
// their process died between writing and renaming. Only regular files of the
// own naming whose process no longer runs are removed.
void removeStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string targetName = target.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        pid_t pid = 0;
        if (!isOwnTemporaryName(it->path().filename().string(), targetName, pid)) {
            continue;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || it->is_symlink(typeError)) {
            continue;
        }
        if (pid == ::getpid() || pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH) {
            continue;  // its writer may still be at work
        }
        ::unlink(it->path().c_str());
    }
}

// 0 when every byte was written, else the errno of the failed write.
int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Creates a fresh temporary file in the target's folder; returns its descriptor
// (or -1, with errno set) and its name.
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

// Fills the temporary file `fd` and closes it; 0 or the errno of the step
// that failed. The first failure counts; the close happens in every case.
int fillTemporary(int fd, const fs::path& target, std::span<const std::uint8_t> bytes) {
    int error = 0;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            error = EISDIR;  // never replace a folder or a device node
        } else {
            ::fchmod(fd, old.st_mode & 07777);
        }
    }
    if (error == 0) {
        error = writeAll(fd, bytes);
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

}  // namespace

FileWriteStatus WriteFileAtomicallyWithStatus(const fs::path& path,
                                              std::span<const std::uint8_t> bytes) {
    const fs::path target = ResolveLinks(path);
    fs::path tempPath;
    int fd = createTemporary(target, tempPath);
    if (fd < 0) {
        return FileWriteStatus::Failed(errno);
    }
    int error = fillTemporary(fd, target, bytes);
    if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return FileWriteStatus::Failed(error);
    }
    removeStaleTemporaries(target);
    SyncFolder(target.parent_path());  // makes the rename itself durable
    return FileWriteStatus::Written();
}

bool WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    return WriteFileAtomicallyWithStatus(path, bytes).ok();
}

}  // namespace solune
