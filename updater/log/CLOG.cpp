#include "updater/log/CLOG.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/ControlCharacters.h"
#include "platform/DataFolderFiles.h"

namespace solune {

namespace {

constexpr const char* kLockName = "MouseLogWrite";

// Writes all of `text` with as few write calls as the system allows; the file
// is in append mode, so each call lands at the end.
void writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void appendEscaped(std::string& out, std::string_view text) {
    out += EscapeControlCharacters(text);
}

}  // namespace

std::filesystem::path LogFilePath() {
    return SoluneDataFolder() / kLogFileInDataFolder;
}

void UseUpdaterLogFile(CLOG& log) {
    log.SetFilePath(SoluneDataFolder(), kLogFileInDataFolder);
}

CLOG::CLOG(LocalTimeSource timeSource)
    : m_timeSource(timeSource ? std::move(timeSource) : LocalTimeSource(&CurrentLocalTime)) {}

CLOG::~CLOG() = default;

void CLOG::SetFilePath(const std::filesystem::path& root, const std::filesystem::path& relative) {
    m_root = root;
    m_relative = relative;
    m_makeRoot = true;
}

void CLOG::SetFilePath(const std::filesystem::path& path) {
    if (path.empty()) {
        SetFilePath({}, {});
    } else {
        SetFilePath(path.has_parent_path() ? path.parent_path() : ".", path.filename());
    }
    m_makeRoot = false;
}

std::filesystem::path CLOG::FilePath() const {
    return m_relative.empty() ? std::filesystem::path() : m_root / m_relative;
}

bool CLOG::usable() const {
    std::error_code ec;
    return !m_relative.empty() && (m_makeRoot || std::filesystem::is_directory(m_root, ec));
}

int CLOG::Write(std::string_view message) {
    append({}, message);
    return 1;
}

int CLOG::WriteTagged(std::string_view tag, std::string_view message) {
    append(tag, message);
    return 1;
}

void CLOG::append(std::string_view tag, std::string_view message) {
    // Threads may write their first entries at the same moment: only one of
    // them makes the lock, the others wait until it exists.
    std::call_once(m_lockMade, [this] {
        m_lock = std::make_unique<NamedLock>(kLockName, [this] {
            int fd = -1;
            if (usable()) {
                OpenDataLockFile(m_root, m_relative.parent_path() / "MouseLogWrite.lock", fd);
            }
            return fd;
        });
    });
    NamedLockGuard hold(*m_lock);
    if (!usable()) {
        return;
    }
    // Only this user's regular file takes entries: a pipe or device in its
    // place would block the writer, and a link could lead anywhere, so they
    // lose the entry like a file that cannot be opened.
    int fd = -1;
    if (OpenDataFileForAppend(m_root, m_relative, fd) != FileReadResult::Done) {
        return;
    }
    // The time is taken inside the lock, so entries of one file are in order.
    const LocalTime now = m_timeSource();
    std::string entry = "\r\n";
    if (!m_ownTag.empty()) {
        entry += '[';
        appendEscaped(entry, m_ownTag);
        entry += ']';
    }
    char field[64];
    std::snprintf(field, sizeof field, "[%2d-%2d %2d:%2d:%2d.%3d],", now.month, now.day, now.hour,
                  now.minute, now.second, now.millisecond);
    entry += field;
    const int timeOfDay = ((now.hour * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
    if (timeOfDay != m_previousTime) {
        // Previous minus now: negative while time moves on, and minus the time
        // of day for the first entry of a run.
        std::snprintf(field, sizeof field, "[%d],", m_previousTime - timeOfDay);
        entry += field;
        m_previousTime = timeOfDay;
    }
    if (!tag.empty()) {
        entry += '[';
        appendEscaped(entry, tag);
        entry += ']';
    }
    appendEscaped(entry, message);
    writeAll(fd, entry);
    ::close(fd);
}

}  // namespace solune
