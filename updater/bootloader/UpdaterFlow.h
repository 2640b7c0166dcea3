#pragma once
// What a firmware update does, without a window: the check at start, the
// choice that OK makes, and the update itself. It tells what happens as
// events (UpdateView): W38Updater shows each as one of its screens and runs the
// update on a worker thread; `solune300ctl firmware update` tells them on the
// terminal and runs it in turn.
//
// Check at start (window's thread):
//   configuration program running   ConfigProgramRunning
//   package check fails             PackageRefused (the package reports it)
//   no mouse                        log "mouse bootloader device is not found", NoMouse
//   mouse in normal mode            its version read: equal -> UpToDate, mouse
//                                   newer -> MouseNewer (update mode 4), file newer
//                                   -> FileNewer (mode 5); a version that cannot be
//                                   read -> NoMouse
//   mouse in its boot loader        log "open hid_device failed,into open BL device",
//                                   1000 ms, UpdateStarted: RunTransfer, the caller
//                                   starts the worker, which sends the image alone
// Update mode: None at start, MouseNewer / FileNewer as above; UpdateFailed sets
// it to None and TransferDone to Completed, from whichever thread reports them.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "updater/bootloader/BootLoaderLink.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/FirmwareVersion.h"
#include "updater/bootloader/UpdateProcedures.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace solune {

class UpdaterFlow {
  public:
    enum class StartResult {
        Shown,        // what was found is told; nothing runs
        RunTransfer,  // UpdateStarted is told; run RunUpdate() on a worker thread now
    };
    enum class OkResult {
        StartUpdate,  // UpdateStarted is told; run RunUpdate() on a worker thread now
        Close,        // the device handle is closed; close the window
    };

    // Borrows `view`, `log` and `clock` for the life of the flow, and `backend`
    // too when it is not null (null: no device access at all, so no mouse).
    UpdaterFlow(UpdateView& view, CLOG& log, HidBackend* backend, Clock& clock);

    // The check at start, with the package in `packageFolder`:
    // ConfigProgramRunning when the configuration program runs, else
    // LoadPackage and CheckDevice.
    StartResult Start(bool configProgramRunning, const std::filesystem::path& packageFolder);
    // The package's checks; false after PackageRefused.
    bool LoadPackage(const std::filesystem::path& packageFolder);
    // Looks for the mouse and shows what was found (see the table above).
    StartResult CheckDevice();

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

    solune::UpdateMode UpdateMode() const { return m_updateMode.load(); }
    const FirmwarePackage& Package() const { return m_package; }
    // What CheckDevice found (NotFound before it ran).
    DeviceMode FoundDevice() const { return m_found; }
    // The version the mouse reported after a completed update, when it could
    // be read.
    std::optional<std::uint16_t> VersionAfterUpdate() const;

  private:
    // Passes everything on to the window's view and keeps the update mode.
    class ModeTrackingView final : public UpdateView {
      public:
        ModeTrackingView(UpdateView& target, std::atomic<solune::UpdateMode>& mode)
            : m_target(target), m_mode(mode) {}
        void Report(UpdateEvent event) override;
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
        std::atomic<solune::UpdateMode>& m_mode;
    };

    StartResult showMouseVersion();

    std::atomic<solune::UpdateMode> m_updateMode{solune::UpdateMode::None};
    ModeTrackingView m_view;
    CLOG& m_log;
    Clock& m_clock;
    FirmwarePackage m_package;
    std::optional<BootLoaderLink> m_link;
    std::optional<UpdateProcedures> m_procedures;
    DeviceMode m_found = DeviceMode::NotFound;
    bool m_transferOnly = false;
};

}  // namespace solune
