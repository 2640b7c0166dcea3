#pragma once
// The updater's append-only log file.
//
// Each call appends one entry: a line break, then
//   [own tag]                    only when an own tag is set
//   [MM-DD hh:mm:ss.mmm],        "[%2d-%2d %2d:%2d:%2d.%3d]," padded with blanks
//   [previous - now],            "[%d]," time of day in ms; left out when equal
//   [call tag]                   only for WriteTagged with a non-empty tag
//   message
// The line break before the entry is carriage return + line feed (a text-mode
// file of the Windows program), so the file starts with an empty line and its
// last entry has no line end. Text is written as given (UTF-8), but for its
// control characters (line breaks and tabs too), which the tags and the message
// may bring from outside (package fields, file names, device strings): each is
// written as "\xNN" (EscapeControlCharacters), so one entry is always one line.
//
// The log is a file of a folder reached as DataFolderFiles.h says: the folders
// below the log's root and the file itself are never reached through a link,
// must belong to the running user and are made private (folders 0700, the
// file 0600). Writers take turns through the lock "MouseLogWrite": an
// in-process mutex plus an advisory lock on the file "MouseLogWrite.lock"
// beside the log (reached the same way), so entries of several threads and
// processes never interleave. The file is opened and closed for every entry.
// A file that cannot be opened, that is a link, another user's or not a
// regular file (a pipe, a device), loses the entry silently.

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/NamedLock.h"
#include "updater/log/LocalTime.h"

namespace solune {

// The log's place inside the data folder.
inline constexpr const char* kLogFileInDataFolder = "Log/SOLUNELog.log";

// SoluneDataFolder() + kLogFileInDataFolder.
std::filesystem::path LogFilePath();

class CLOG;
// Points `log` at kLogFileInDataFolder of SoluneDataFolder(); its missing
// folders are made at the first entry.
void UseUpdaterLogFile(CLOG& log);

class CLOG {
  public:
    // `timeSource` stamps the entries; empty means the system's local time.
    explicit CLOG(LocalTimeSource timeSource = {});
    virtual ~CLOG();
    CLOG(const CLOG&) = delete;
    CLOG& operator=(const CLOG&) = delete;

    // The log file `relative` inside the folder `root` (links leading to the
    // root are followed, none below it); the missing folders, the root's
    // included, are made at the first entry. An empty `relative` (the start
    // value) loses every entry. Set it before the first entry: the lock file
    // is chosen beside it then.
    void SetFilePath(const std::filesystem::path& root, const std::filesystem::path& relative);
    // The same with the file's own folder as the root, which is not made: while
    // it is missing every entry is lost.
    void SetFilePath(const std::filesystem::path& path);
    // root / relative; empty when no file is set.
    std::filesystem::path FilePath() const;

    // Written in brackets at the start of every entry when not empty.
    void SetOwnTag(std::string tag) { m_ownTag = std::move(tag); }

    // Appends one entry. Always returns 1.
    int Write(std::string_view message);
    // Appends one entry whose message is preceded by "[tag]" (nothing for an
    // empty tag). Always returns 1.
    int WriteTagged(std::string_view tag, std::string_view message);

  private:
    void append(std::string_view tag, std::string_view message);
    // A file is set and its root exists or may be made.
    bool usable() const;

    LocalTimeSource m_timeSource;
    std::filesystem::path m_root;
    std::filesystem::path m_relative;
    bool m_makeRoot = false;  // the root's missing folders are made
    std::string m_ownTag;
    std::once_flag m_lockMade;          // makes m_lock once, whichever thread writes first
    std::unique_ptr<NamedLock> m_lock;  // made on the first write
    int m_previousTime = 0;             // time of day in ms of the last differing entry
};

}  // namespace solune
