#include "updater/log/CLOG.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/BoundedRead.h"
#include "platform/Folders.h"

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

void appendTextMode(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
}

}  // namespace

std::filesystem::path LogFilePath() {
    return UserDataFolder() / "Dravik" / "SOLUNE300" / "Log" / "SOLUNELog.log";
}

void UseUpdaterLogFile(CLOG& log) {
    const std::filesystem::path path = LogFilePath();
    EnsureFolder(path);
    log.SetFilePath(path);
}

CLOG::CLOG(LocalTimeSource timeSource)
    : m_timeSource(timeSource ? std::move(timeSource) : LocalTimeSource(&CurrentLocalTime)) {}

CLOG::~CLOG() = default;

void CLOG::SetFilePath(const std::filesystem::path& path) {
    m_filePath = path;
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
        const std::filesystem::path lockFile =
            m_filePath.empty() ? std::filesystem::path()
                               : m_filePath.parent_path() / "MouseLogWrite.lock";
        m_lock = std::make_unique<NamedLock>(kLockName, lockFile);
    });
    NamedLockGuard hold(*m_lock);
    if (m_filePath.empty()) {
        return;
    }
    // Only a regular file takes entries: a pipe or device in its place would
    // block the writer, so it loses the entry like a file that cannot be opened.
    const int fd = OpenRegularFileForAppend(m_filePath);
    if (fd < 0) {
        return;
    }
    // The time is taken inside the lock, so entries of one file are in order.
    const LocalTime now = m_timeSource();
    std::string entry = "\r\n";
    if (!m_ownTag.empty()) {
        entry += '[';
        appendTextMode(entry, m_ownTag);
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
        appendTextMode(entry, tag);
        entry += ']';
    }
    appendTextMode(entry, message);
    writeAll(fd, entry);
    ::close(fd);
}

}  // namespace solune
