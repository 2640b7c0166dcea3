#pragma once
// The updater's append-only log file.
//
// Each call appends one entry: a line break, then
//   [own tag]                    only when an own tag is set
//   [MM-DD hh:mm:ss.mmm],        "[%2d-%2d %2d:%2d:%2d.%3d]," padded with blanks
//   [previous - now],            "[%d]," time of day in ms; left out when equal
//   [call tag]                   only for WriteTagged with a non-empty tag
//   message
// Line breaks are written as carriage return + line feed (a text-mode file of the
// Windows program), the one before the entry and any inside the message alike.
// So the file starts with an empty line and its last entry has no line end.
// Text is written as given (UTF-8).
//
// Writers take turns through the lock "MouseLogWrite": an in-process mutex plus
// an advisory lock on the file "MouseLogWrite.lock" beside the log, so entries of
// several threads and processes never interleave. The file is opened and closed
// for every entry. A file that cannot be opened, or that is not a regular file
// (a pipe, a device), loses the entry silently.

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/NamedLock.h"
#include "updater/log/LocalTime.h"

namespace solune {

// UserDataFolder() + "Dravik/SOLUNE300/Log/SOLUNELog.log".
std::filesystem::path LogFilePath();

class CLOG;
// Points `log` at LogFilePath() and creates the missing folders of that path.
void UseUpdaterLogFile(CLOG& log);

class CLOG {
  public:
    // `timeSource` stamps the entries; empty means the system's local time.
    explicit CLOG(LocalTimeSource timeSource = {});
    virtual ~CLOG();
    CLOG(const CLOG&) = delete;
    CLOG& operator=(const CLOG&) = delete;

    // The log file; the empty path (the start value) loses every entry. Set it
    // before the first entry: the lock file is chosen beside it then.
    void SetFilePath(const std::filesystem::path& path);
    const std::filesystem::path& FilePath() const { return m_filePath; }

    // Written in brackets at the start of every entry when not empty.
    void SetOwnTag(std::string tag) { m_ownTag = std::move(tag); }

    // Appends one entry. Always returns 1.
    int Write(std::string_view message);
    // Appends one entry whose message is preceded by "[tag]" (nothing for an
    // empty tag). Always returns 1.
    int WriteTagged(std::string_view tag, std::string_view message);

  private:
    void append(std::string_view tag, std::string_view message);

    LocalTimeSource m_timeSource;
    std::filesystem::path m_filePath;
    std::string m_ownTag;
    std::once_flag m_lockMade;          // makes m_lock once, whichever thread writes first
    std::unique_ptr<NamedLock> m_lock;  // made on the first write
    int m_previousTime = 0;             // time of day in ms of the last differing entry
};

}  // namespace solune
