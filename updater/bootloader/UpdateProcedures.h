#pragma once
// The three procedures of a firmware update, each a fixed sequence of link
// requests, waits, log lines and events told to the user (UpdateView.h):
//
// DetectDevice     the mouse in normal mode (1), already in its boot loader (2)
//                  or not found (0). Looks for the boot loader twice 1500 ms
//                  apart, then tells the user and looks up to 301 times, 1000 ms
//                  after each miss (about five minutes).
// EnterBootLoader  boot request (3 more tries 2000 ms apart), up to 301 searches
//                  for the boot loader 1000 ms apart, 10 s for it to settle,
//                  echo, information (must name 0x22D4 / 0x1307), 1000 ms, then
//                  TransferImage.
// TransferImage    start (block count, checksum), progress 2, 500 ms; each block
//                  i as number i + 20, checked by its read-back sum, progress
//                  i * 100 / count + 2, 70 ms; 200 ms; complete; TransferDone,
//                  6 s, the version read again in normal mode, MouseRestarted.
//
// A failing step logs its line and reports UpdateFailed, except a failed
// complete command, which logs " Send_bl_complete failed " and reports nothing.
// When the step's last transfer failed with a system error number, the line
// "hid transfer failed, errno N (text)" follows. A block whose read-back check
// and rewrite both fail logs "v2_makesure_block read-back failed, block B,
// status S" and the transfer goes on.
// A mouse unplugged in the middle stays in its boot loader; the next
// DetectDevice finds it there (2) and TransferImage sends the image again.

#include <atomic>
#include <cstdint>
#include <optional>

#include "updater/bootloader/BootLoaderLink.h"

namespace solune {

class CLOG;
class FirmwarePackage;
class UpdateView;

enum class DeviceMode : int {
    NotFound = 0,
    Normal = 1,
    BootLoader = 2,
};

enum class UpdateOutcome {
    Completed,       // the boot loader accepted the complete command
    Failed,          // a step failed; UpdateFailed was reported
    CompleteFailed,  // the complete command failed; nothing was reported
};

class UpdateProcedures {
  public:
    // Borrows all four for the life of the object.
    UpdateProcedures(BootLoaderLink& link, Clock& clock, CLOG& log, UpdateView& view)
        : m_link(link), m_clock(clock), m_log(log), m_view(view) {}

    // Leaves the found device open in the link.
    DeviceMode DetectDevice(const FirmwarePackage& package);
    // From any thread: DetectDevice's searches for the boot loader stop at
    // their next try and find nothing (the program is being closed).
    void CancelSearch() { m_cancelled.store(true); }
    UpdateOutcome EnterBootLoader(const FirmwarePackage& package);
    UpdateOutcome TransferImage(const FirmwarePackage& package);

    // The version the mouse reported after a completed transfer; nothing when it
    // could not be read (or no transfer completed).
    std::optional<std::uint16_t> VersionAfterUpdate() const { return m_versionAfterUpdate; }

  private:
    void wait(int ms) { m_clock.Sleep(std::chrono::milliseconds(ms)); }
    void logStatus(int status);
    // Logs `message` (when not null), the errno of a failed transfer, and
    // reports UpdateFailed.
    UpdateOutcome fail(const char* message);
    // One line "hid transfer failed, errno N (text)" when the link's last
    // transfer failed with an error number.
    void logSystemError();
    // Up to `tries` searches for the boot loader, `waitMs` after each miss;
    // with `cancellable`, none once CancelSearch was called.
    bool findBootLoader(int tries, int waitMs, bool cancellable);

    BootLoaderLink& m_link;
    Clock& m_clock;
    CLOG& m_log;
    UpdateView& m_view;
    std::optional<std::uint16_t> m_versionAfterUpdate;
    std::atomic<bool> m_cancelled{false};
};

}  // namespace solune
