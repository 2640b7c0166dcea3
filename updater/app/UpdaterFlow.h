#pragma once
// What the updater does, without its window: the check at start, the choice
// that OK makes, and the update that the worker thread runs. The window shows
// the screens this flow asks for (UpdateView) and starts the worker.
//
// Check at start (window's thread):
//   configuration program running   screen 11
//   package check fails             screen 01 (the package shows it)
//   no mouse                        log "mouse bootloader device is not found", screen 02
//   mouse in normal mode            its version read: equal -> 03, mouse newer ->
//                                   04 (update mode 4), file newer -> 05 (mode 5);
//                                   a version that cannot be read -> 02
//   mouse in its boot loader        log "open hid_device failed,into open BL device",
//                                   1000 ms, screen 10: RunTransfer, the caller starts
//                                   the worker, which sends the image alone
// Update mode: 0 at start, 4 / 5 as above; screen 06 sets it to 0 and screen 07
// to 7, from whichever thread shows them.

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "updater/bootloader/BootLoaderLink.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/UpdateProcedures.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace solune {

inline constexpr const char* kUpdaterInstanceName = "W38_SOLUNE420_Firmware_Upadter";
// The configuration program runs while some process holds this instance lock.
inline constexpr const char* kConfigInstanceName = "SOLUNE300 Config";

inline constexpr int kUpdateModeNone = 0;
inline constexpr int kUpdateModeMouseNewer = 4;
inline constexpr int kUpdateModeFileNewer = 5;
inline constexpr int kUpdateModeCompleted = 7;

class UpdaterFlow {
  public:
    enum class StartResult {
        Shown,        // a screen is shown; nothing runs
        RunTransfer,  // screen 10 is shown; run RunUpdate() on a worker thread now
    };
    enum class OkResult {
        StartUpdate,  // screen 10 is shown; run RunUpdate() on a worker thread now
        Close,        // the device handle is closed; close the window
    };

    // Borrows `view`, `log` and `clock` for the life of the flow, and `backend`
    // too when it is not null (null: no device access at all, so no mouse).
    UpdaterFlow(UpdateView& view, CLOG& log, HidBackend* backend, Clock& clock);

    // The check at start, with the package in `packageFolder`.
    StartResult Start(bool configProgramRunning, const std::filesystem::path& packageFolder);

    // The OK button: an update for update modes 4 and 5, else closing.
    OkResult Ok();
    // Cancel and Close (and OK that closes): closes the device handle.
    void Close();
    // From any thread: a search for the boot loader in the check at start ends
    // at its next try, as if nothing was found.
    void Cancel();

    // The update, on the worker thread: EnterBootLoader then TransferImage after
    // OK, TransferImage alone for a mouse found in its boot loader.
    UpdateOutcome RunUpdate();

    int UpdateMode() const { return m_updateMode.load(); }
    const FirmwarePackage& Package() const { return m_package; }
    // The version text of the last version read from the mouse, empty before.
    const std::string& MouseVersionText() const { return m_mouseVersionText; }

  private:
    // Passes everything on to the window's view and keeps the update mode.
    class ModeTrackingView final : public UpdateView {
      public:
        ModeTrackingView(UpdateView& target, std::atomic<int>& mode)
            : m_target(target), m_mode(mode) {}
        void ShowScreen(int screen) override;
        void SetProgress(int value) override { m_target.SetProgress(value); }
        void SetMouseVersionText(const std::string& text) override {
            m_target.SetMouseVersionText(text);
        }
        void ShowBootLoaderSearchMessage(const std::string& caption,
                                         const std::string& text) override {
            m_target.ShowBootLoaderSearchMessage(caption, text);
        }

      private:
        UpdateView& m_target;
        std::atomic<int>& m_mode;
    };

    StartResult checkDevice();
    StartResult showMouseVersion();

    std::atomic<int> m_updateMode{kUpdateModeNone};
    ModeTrackingView m_view;
    CLOG& m_log;
    Clock& m_clock;
    FirmwarePackage m_package;
    std::optional<BootLoaderLink> m_link;
    std::optional<UpdateProcedures> m_procedures;
    bool m_transferOnly = false;
    std::string m_mouseVersionText;
};

}  // namespace solune
