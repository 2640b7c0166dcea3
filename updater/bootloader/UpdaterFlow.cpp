#include "updater/bootloader/UpdaterFlow.h"

#include "updater/bootloader/StatusCodes.h"

namespace solune {

namespace {

constexpr const char* kNoMouse = "mouse bootloader device is not found";
constexpr const char* kFoundInBootLoader = "open hid_device failed,into open BL device";

}  // namespace

void UpdaterFlow::ModeTrackingView::Report(UpdateEvent event) {
    if (event == UpdateEvent::UpdateFailed) {
        m_mode.store(solune::UpdateMode::None);
    } else if (event == UpdateEvent::TransferDone) {
        m_mode.store(solune::UpdateMode::Completed);
    }
    m_target.Report(event);
}

UpdaterFlow::UpdaterFlow(UpdateView& view, CLOG& log, HidBackend* backend, Clock& clock)
    : m_view(view, m_updateMode), m_log(log), m_clock(clock), m_package(log, m_view) {
    if (backend != nullptr) {
        m_link.emplace(*backend, clock);
        m_procedures.emplace(*m_link, clock, log, m_view);
    }
}

UpdaterFlow::StartResult UpdaterFlow::Start(bool configProgramRunning,
                                            const std::filesystem::path& packageFolder) {
    if (configProgramRunning) {
        m_view.Report(UpdateEvent::ConfigProgramRunning);
        return StartResult::Shown;
    }
    if (!LoadPackage(packageFolder)) {
        return StartResult::Shown;
    }
    return CheckDevice();
}

bool UpdaterFlow::LoadPackage(const std::filesystem::path& packageFolder) {
    // Both package steps report PackageRefused themselves when they fail.
    return m_package.ReadFirmwareConfig(packageFolder) == 1 &&
           m_package.LoadFirmwareImage(packageFolder, m_package.FirmwareFileName()) == 1;
}

UpdaterFlow::StartResult UpdaterFlow::CheckDevice() {
    m_found = m_procedures ? m_procedures->DetectDevice(m_package) : DeviceMode::NotFound;
    switch (m_found) {
        case DeviceMode::Normal:
            return showMouseVersion();
        case DeviceMode::BootLoader:
            m_log.Write(kFoundInBootLoader);
            m_clock.Sleep(std::chrono::milliseconds(1000));
            m_transferOnly = true;
            m_view.Report(UpdateEvent::UpdateStarted);
            return StartResult::RunTransfer;
        case DeviceMode::NotFound:
            break;
    }
    m_log.Write(kNoMouse);
    m_view.Report(UpdateEvent::NoMouse);
    return StartResult::Shown;
}

UpdaterFlow::StartResult UpdaterFlow::showMouseVersion() {
    std::uint16_t version = 0;
    if (m_link->ReadMouseVersion(version) != kRequestDone) {
        // A mouse that does not tell its version cannot be updated safely: the
        // user is told that no usable mouse was found instead of an empty window.
        m_link->CloseDevice();
        m_view.Report(UpdateEvent::NoMouse);
        return StartResult::Shown;
    }
    m_view.SetMouseVersionText(VersionText(version));
    const solune::UpdateMode mode = CompareVersions(m_package.FileVersion(), version);
    m_updateMode.store(mode);
    m_view.Report(EventForUpdateMode(mode));
    return StartResult::Shown;
}

UpdaterFlow::OkResult UpdaterFlow::Ok() {
    const solune::UpdateMode mode = m_updateMode.load();
    if (m_procedures &&
        (mode == solune::UpdateMode::MouseNewer || mode == solune::UpdateMode::FileNewer)) {
        m_transferOnly = false;
        m_view.Report(UpdateEvent::UpdateStarted);
        return OkResult::StartUpdate;
    }
    Close();
    return OkResult::Close;
}

void UpdaterFlow::Close() {
    if (m_link) {
        m_link->CloseDevice();
    }
}

void UpdaterFlow::Cancel() {
    if (m_procedures) {
        m_procedures->CancelSearch();
    }
}

std::optional<std::uint16_t> UpdaterFlow::VersionAfterUpdate() const {
    return m_procedures ? m_procedures->VersionAfterUpdate() : std::nullopt;
}

UpdateOutcome UpdaterFlow::RunUpdate() {
    if (!m_procedures) {
        return UpdateOutcome::Failed;
    }
    return m_transferOnly ? m_procedures->TransferImage(m_package)
                          : m_procedures->EnterBootLoader(m_package);
}

}  // namespace solune
