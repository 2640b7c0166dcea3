#pragma once
// One running copy per user of a program, and a way for a second start to ask
// the first to show its window.
//
// A program's instance is a lock file and a local (Unix domain) socket in the
// user's runtime folder, which is one per user whatever XDG_RUNTIME_DIR says
// (a desktop session and a terminal, or sudo, may set it apart), so the
// updater sees a VESK of the same user however each was started:
// /run/user/<uid>/solune300 when /run/user/<uid> is this user's private folder,
// else /tmp/solune300-<uid>; $SOLUNE300_RUNTIME_FOLDER (an absolute path) in
// its place keeps tests and sandboxes apart. The folder is made 0700 and used
// only when it is this user's own and private. Both files are named after the
// instance name with every
// character other than letters, digits, "." and "-" turned into "_"
// ("SOLUNE300 Config" -> "SOLUNE300_Config.lock", "SOLUNE300_Config.sock").
// The lock is an advisory lock on the lock file that the system drops when the holder
// ends, however it ends, so a crashed copy never blocks the next start.

#include <filesystem>
#include <memory>
#include <string>

namespace solune {

class SingleInstance {
  public:
    // Takes the instance lock of `name`. Null when another holder has it (or the
    // runtime folder cannot be made). The holder listens for show requests.
    static std::unique_ptr<SingleInstance> Acquire(const std::string& name);

    // True when some process (this one included) holds the instance lock of `name`.
    static bool IsHeld(const std::string& name);

    // Asks the running holder of `name`, if any, to show its window. True when a
    // listener took the request. Safe to call when nothing runs.
    static bool AskToShow(const std::string& name);

    // The folder that holds the lock and socket files, made when missing;
    // empty when it cannot be made or is not this user's private folder.
    static std::filesystem::path RuntimeFolder();

    // The folder RuntimeFolder() would use, without making or checking it.
    static std::filesystem::path RuntimeFolderCandidate();

    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // A descriptor that becomes readable when a show request may be pending, for
    // an event loop (QSocketNotifier, poll). -1 when the socket could not be made
    // (the lock still holds). Owned by this object.
    int RequestDescriptor() const { return m_listenFd; }

    // The number of show requests that arrived since the last call, without blocking.
    int TakeShowRequests();

  private:
    SingleInstance(int lockFd, int listenFd, std::filesystem::path socketPath);

    int m_lockFd;
    int m_listenFd;
    std::filesystem::path m_socketPath;
};

}  // namespace solune
