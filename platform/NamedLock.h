#pragma once
// A lock shared by the threads of this process and by other processes: an
// in-process mutex chosen by name plus an advisory lock (flock) on a lock file.
//
// Two NamedLock objects with the same name share the mutex, so threads of one
// process take turns even when each holds its own object; processes take turns
// through the lock file, which every user of the lock must name alike. The lock
// file is created when missing (0600; its folder is not), never through a
// symbolic link; when it cannot be opened the lock still serialises the
// threads of this process.

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>

namespace solune {

class NamedLock {
  public:
    // `name` selects the in-process mutex; `lockFile` the file to lock.
    // Nothing is opened before the first Acquire.
    NamedLock(std::string name, const std::filesystem::path& lockFile);
    // The same with the lock file opened by `openLockFile` (a descriptor owned
    // by the lock from then on, or -1), for a lock file reached another way
    // (DataFolderFiles.h). Called at the first Acquire and again at each
    // Acquire until it gives a descriptor.
    NamedLock(std::string name, std::function<int()> openLockFile);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // Blocks until this object holds both locks. Not re-entrant: a thread that
    // already holds the lock must not acquire it again.
    void Acquire();
    // Releases what Acquire took.
    void Release();

  private:
    std::mutex& m_mutex;
    std::function<int()> m_openLockFile;
    int m_fd = -1;
};

// Holds a NamedLock for one scope.
class NamedLockGuard {
  public:
    explicit NamedLockGuard(NamedLock& lock) : m_lock(lock) { m_lock.Acquire(); }
    ~NamedLockGuard() { m_lock.Release(); }
    NamedLockGuard(const NamedLockGuard&) = delete;
    NamedLockGuard& operator=(const NamedLockGuard&) = delete;

  private:
    NamedLock& m_lock;
};

}  // namespace solune
