#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace fs = std::filesystem;

namespace solune {

namespace {

constexpr char kShowRequest = 'S';

std::string safeName(const std::string& name) {
    std::string out = name;
    for (char& c : out) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '-';
        c = keep ? c : '_';
    }
    return out;
}

// A folder that only this user can write: an existing folder owned by someone
// else (or a link planted in /tmp) is refused.
bool isPrivateFolder(const fs::path& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 022) == 0;
}

fs::path socketPathOf(const std::string& name) {
    return SingleInstance::RuntimeFolder() / (safeName(name) + ".sock");
}

fs::path lockPathOf(const std::string& name) {
    return SingleInstance::RuntimeFolder() / (safeName(name) + ".lock");
}

bool fillAddress(const fs::path& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    if (text.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

int listenOn(const fs::path& path) {
    sockaddr_un address{};
    if (!fillAddress(path, address)) {
        return -1;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    ::unlink(path.c_str());  // left by a copy that ended without cleaning up; we hold the lock
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int openLockFile(const fs::path& path) {
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

// Open-file-description locks: held per open file (so a second open in the same
// process conflicts too), dropped by the system when the holder ends, and
// testable without taking them, so a test never gets in the way of a start.
struct flock wholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return lock;
}

}  // namespace

fs::path SingleInstance::RuntimeFolderCandidate() {
    const std::string uid = std::to_string(::getuid());
    if (const char* chosen = std::getenv("SOLUNE300_RUNTIME_FOLDER");
        chosen != nullptr && chosen[0] == '/') {
        return chosen;
    }
    if (const fs::path session = "/run/user/" + uid; isPrivateFolder(session)) {
        return session / "solune300";
    }
    // Not the temporary folder of TMPDIR, which differs between sessions (and
    // is dropped by sudo) as much as XDG_RUNTIME_DIR does.
    return "/tmp/solune300-" + uid;
}

fs::path SingleInstance::RuntimeFolder() {
    const fs::path base = RuntimeFolderCandidate();
    ::mkdir(base.c_str(), 0700);
    return isPrivateFolder(base) ? base : fs::path();
}

std::unique_ptr<SingleInstance> SingleInstance::Acquire(const std::string& name) {
    if (RuntimeFolder().empty()) {
        return nullptr;
    }
    int lockFd = openLockFile(lockPathOf(name));
    if (lockFd < 0) {
        return nullptr;
    }
    struct flock lock = wholeFile(F_WRLCK);
    if (::fcntl(lockFd, F_OFD_SETLK, &lock) != 0) {
        ::close(lockFd);
        return nullptr;
    }
    const fs::path socketPath = socketPathOf(name);
    return std::unique_ptr<SingleInstance>(
        new SingleInstance(lockFd, listenOn(socketPath), socketPath));
}

bool SingleInstance::IsHeld(const std::string& name) {
    if (RuntimeFolder().empty()) {
        return false;
    }
    int fd = ::open(lockPathOf(name).c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;  // never taken since the runtime folder was made
    }
    struct flock probe = wholeFile(F_WRLCK);
    const bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

bool SingleInstance::AskToShow(const std::string& name) {
    sockaddr_un address{};
    if (RuntimeFolder().empty() || !fillAddress(socketPathOf(name), address)) {
        return false;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool sent = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                      ::send(fd, &kShowRequest, 1, MSG_NOSIGNAL) == 1;
    ::close(fd);
    return sent;
}

SingleInstance::SingleInstance(int lockFd, int listenFd, fs::path socketPath)
    : m_lockFd(lockFd), m_listenFd(listenFd), m_socketPath(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        ::unlink(m_socketPath.c_str());
    }
    ::close(m_lockFd);  // drops the lock; the lock file stays for the next holder
}

int SingleInstance::TakeShowRequests() {
    int requests = 0;
    if (m_listenFd < 0) {
        return 0;
    }
    for (;;) {
        int client = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            return requests;
        }
        // Any connection counts as a request: the asking copy writes one byte and
        // closes, and a copy that died half-way still meant to be seen.
        ++requests;
        ::close(client);
    }
}

}  // namespace solune
