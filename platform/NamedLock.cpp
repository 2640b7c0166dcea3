#include "platform/NamedLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>

namespace solune {

namespace {

// One mutex per name for the life of the process, like a named kernel object.
std::mutex& mutexNamed(const std::string& name) {
    static std::mutex registryGuard;
    static std::map<std::string, std::unique_ptr<std::mutex>> registry;
    std::lock_guard<std::mutex> hold(registryGuard);
    std::unique_ptr<std::mutex>& slot = registry[name];
    if (!slot) {
        slot = std::make_unique<std::mutex>();
    }
    return *slot;
}

}  // namespace

NamedLock::NamedLock(std::string name, const std::filesystem::path& lockFile)
    : NamedLock(std::move(name), [lockFile] {
          return ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
      }) {}

NamedLock::NamedLock(std::string name, std::function<int()> openLockFile)
    : m_mutex(mutexNamed(name)), m_openLockFile(std::move(openLockFile)) {}

NamedLock::~NamedLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void NamedLock::Acquire() {
    m_mutex.lock();
    // Opened lazily and kept: the file may appear only after its folder has
    // been created, which happens after this object was made.
    if (m_fd < 0) {
        m_fd = m_openLockFile ? m_openLockFile() : -1;
    }
    if (m_fd >= 0) {
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

void NamedLock::Release() {
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
    }
    m_mutex.unlock();
}

}  // namespace solune
