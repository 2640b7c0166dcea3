#include "simulator/MouseStore.h"

#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/BoundedRead.h"
#include "platform/JsonDepth.h"
#include "simulator/MouseStateJson.h"

namespace solune::simulator {

namespace {

// Holds an exclusive advisory lock on a lock file for its lifetime.
class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& path) {
        // Read-only: closing it raises no write event for the folder's watchers.
        m_fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FileLock() {
        if (m_fd >= 0) {
            ::close(m_fd);  // releases the lock
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

void drain(int descriptor) {
    char buffer[4096];
    while (::read(descriptor, buffer, sizeof buffer) > 0) {
    }
}

}  // namespace

bool MouseStore::Read(MouseState& state) {
    return Exchange([&state](MouseState& current) {
        state = current;
        return false;
    });
}

MemoryMouseStore::MemoryMouseStore(MouseState initial) : m_state(std::move(initial)) {}

MemoryMouseStore::~MemoryMouseStore() {
    for (int fd : m_descriptors) {
        ::close(fd);
    }
}

bool MemoryMouseStore::Exchange(const std::function<bool(MouseState&)>& change) {
    std::lock_guard lock(m_mutex);
    if (change(m_state)) {
        const std::uint64_t one = 1;
        for (int fd : m_descriptors) {
            [[maybe_unused]] auto written = ::write(fd, &one, sizeof one);
        }
    }
    return true;
}

int MemoryMouseStore::OpenChangeDescriptor() {
    const int fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (fd >= 0) {
        std::lock_guard lock(m_mutex);
        m_descriptors.push_back(fd);
    }
    return fd;
}

void MemoryMouseStore::DrainChangeDescriptor(int descriptor) {
    drain(descriptor);
}

void MemoryMouseStore::CloseChangeDescriptor(int descriptor) {
    std::lock_guard lock(m_mutex);
    auto it = std::find(m_descriptors.begin(), m_descriptors.end(), descriptor);
    if (it != m_descriptors.end()) {
        m_descriptors.erase(it);
        ::close(descriptor);
    }
}

FileMouseStore::FileMouseStore(std::filesystem::path file) : m_file(std::move(file)) {}

std::string FileMouseStore::LastError() const {
    std::lock_guard lock(m_mutex);
    return m_error;
}

bool FileMouseStore::load(MouseState& state) {
    std::string text;
    const FileReadResult read = ReadRegularFile(m_file, kMaxStateFileBytes, text);
    if (read == FileReadResult::CannotOpen) {
        m_error = m_file.string() + ": no virtual mouse state file";
        return false;
    }
    if (read != FileReadResult::Done) {
        m_error = m_file.string() + ": the virtual mouse state file " +
                  FileReadProblem(read, kMaxStateFileBytes);
        return false;
    }
    if (!JsonNestingWithin(text)) {
        m_error = m_file.string() + ": nested more than " + std::to_string(kMaxJsonDepth) +
                  " levels deep";
        return false;
    }
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded()) {
        m_error = m_file.string() + ": not valid JSON";
        return false;
    }
    std::string error;
    if (!FromJson(json, state, error)) {
        m_error = m_file.string() + ": " + error;
        return false;
    }
    return true;
}

bool FileMouseStore::save(const MouseState& state) {
    const std::string text = ToJson(state).dump(2) + "\n";
    if (!WriteFileAtomically(
            m_file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        m_error = m_file.string() + ": cannot write the virtual mouse state";
        return false;
    }
    return true;
}

bool FileMouseStore::Create(const MouseState& state) {
    std::lock_guard lock(m_mutex);
    FileLock fileLock(m_file.string() + ".lock");
    if (!fileLock.held()) {
        m_error = m_file.string() + ".lock: cannot open the lock file";
        return false;
    }
    return save(state);
}

bool FileMouseStore::Exchange(const std::function<bool(MouseState&)>& change) {
    std::lock_guard lock(m_mutex);
    FileLock fileLock(m_file.string() + ".lock");
    if (!fileLock.held()) {
        m_error = m_file.string() + ".lock: cannot open the lock file";
        return false;
    }
    MouseState state;
    if (!load(state)) {
        return false;
    }
    if (change(state)) {
        return save(state);
    }
    return true;
}

int FileMouseStore::OpenChangeDescriptor() {
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    std::filesystem::path folder = m_file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // The state file is replaced by a rename, so the folder is watched, not the file.
    if (::inotify_add_watch(fd, folder.c_str(),
                            IN_MOVED_TO | IN_CLOSE_WRITE | IN_DELETE | IN_CREATE) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void FileMouseStore::DrainChangeDescriptor(int descriptor) {
    drain(descriptor);
}

void FileMouseStore::CloseChangeDescriptor(int descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
    }
}

}  // namespace solune::simulator
