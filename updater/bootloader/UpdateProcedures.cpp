#include "updater/bootloader/UpdateProcedures.h"

#include <cstring>
#include <string>

#include "platform/VersionText.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/StatusCodes.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace solune {

namespace {

constexpr const char* kSearchCaption = "SOLUNE 300 Firmware Updater Software";
constexpr const char* kSearchText =
    "SOLUNE 300 Firmware Updater Software is trying to find the bootloader device, this may "
    "take several minutes";
// The texts are kept as the log readers know them, although the echo and the
// information request are tried once and the search 301 times.
constexpr const char* kRequestFailedFirst = "V2_Send_bl_request failed first";
constexpr const char* kRequestFailedAll = " v2_Send_bl_request failed after try to 3 times";
constexpr const char* kBootLoaderNotFound = " Open_W38BL_device failed after try to 160 times";
constexpr const char* kEchoFailed = " rtn_int = v2_send_echo failed after try to 3 times";
constexpr const char* kInfoFailed = " rtn_int = v2_get_bl_info failed after try to 3 times";
constexpr const char* kStartFailed = "  v2_send_bl_start failed after try to 3 times";
constexpr const char* kBlockFailed = "v2_makesure_block failed";
constexpr const char* kCompleteFailed = " Send_bl_complete failed ";
constexpr const char* kVerifyFailed = "v2_makesure_block read-back failed, block ";

constexpr int kSearchTries = 301;
constexpr int kFirstBlockNumber = 20;

}  // namespace

void UpdateProcedures::logStatus(int status) {
    const std::string_view name = StatusName(status);
    if (!name.empty()) {
        m_log.Write(name);
    }
}

void UpdateProcedures::logSystemError() {
    const int error = m_link.LastSystemError();
    if (error != 0) {
        m_log.Write("hid transfer failed, errno " + std::to_string(error) + " (" +
                    std::strerror(error) + ")");
    }
}

UpdateOutcome UpdateProcedures::fail(const char* message) {
    if (message != nullptr) {
        m_log.Write(message);
    }
    logSystemError();
    m_view.Report(UpdateEvent::UpdateFailed);
    return UpdateOutcome::Failed;
}

bool UpdateProcedures::findBootLoader(int tries, int waitMs, bool cancellable) {
    for (int attempt = 0; attempt < tries && !(cancellable && m_cancelled.load()); ++attempt) {
        if (m_link.FindHidDevice(kMouseVendorId, kBootLoaderProductId) == 1) {
            return true;
        }
        wait(waitMs);
    }
    return false;
}

DeviceMode UpdateProcedures::DetectDevice(const FirmwarePackage& package) {
    const FirmwareHeader& header = package.Header();
    if (header.vendorId != kMouseVendorId || header.productId != kMouseProductId) {
        return DeviceMode::NotFound;
    }
    if (m_link.FindHidDevice(kMouseVendorId, kMouseProductId) == 1) {
        return DeviceMode::Normal;
    }
    m_link.CloseDevice();
    if (findBootLoader(2, 1500, true)) {
        return DeviceMode::BootLoader;
    }
    if (m_cancelled.load()) {
        return DeviceMode::NotFound;
    }
    m_view.ShowBootLoaderSearchMessage(kSearchCaption, kSearchText);
    return findBootLoader(kSearchTries, 1000, true) ? DeviceMode::BootLoader : DeviceMode::NotFound;
}

UpdateOutcome UpdateProcedures::EnterBootLoader(const FirmwarePackage& package) {
    if (m_link.SendBootRequest() != kRequestDone) {
        m_log.Write(kRequestFailedFirst);
        bool sent = false;
        for (int retry = 0; retry < 3 && !sent; ++retry) {
            sent = m_link.SendBootRequest() == kRequestDone;
            if (!sent) {
                wait(2000);
            }
        }
        if (!sent) {
            return fail(kRequestFailedAll);
        }
    }
    m_link.CloseDevice();
    // The update itself cannot be cancelled: the mouse is already on its way
    // into the boot loader.
    if (!findBootLoader(kSearchTries, 1000, false)) {
        return fail(kBootLoaderNotFound);
    }
    wait(10000);
    const int echo = m_link.SendEcho(package.Block(0).first<kFirmwareBlockSize>());
    logStatus(echo);
    if (echo != kHcOk) {
        return fail(kEchoFailed);
    }
    std::array<std::uint8_t, kInfoSize> info{};
    const int infoStatus = m_link.GetBootLoaderInfo(info);
    logStatus(infoStatus);
    if (infoStatus != kHcOk) {
        return fail(kInfoFailed);
    }
    // Reply bytes 20..23 are information bytes 4..7.
    const std::uint16_t vendor = static_cast<std::uint16_t>(info[4] | (info[5] << 8));
    const std::uint16_t product = static_cast<std::uint16_t>(info[6] | (info[7] << 8));
    if (vendor != kMouseVendorId || product != kBootLoaderProductId) {
        return fail(nullptr);
    }
    wait(1000);
    return TransferImage(package);
}

UpdateOutcome UpdateProcedures::TransferImage(const FirmwarePackage& package) {
    m_versionAfterUpdate.reset();
    const int count = package.BlockCount();
    const int start =
        m_link.SendStart(static_cast<std::uint8_t>(count), package.ComputedChecksum());
    logStatus(start);
    if (start != kHcOk) {
        return fail(kStartFailed);
    }
    m_view.SetProgress(2);
    wait(500);
    for (int i = 0; i < count; ++i) {
        const BlockSpan block = package.Block(i).first<kFirmwareBlockSize>();
        const auto number = static_cast<std::uint8_t>(i + kFirstBlockNumber);
        const int written = m_link.WriteBlock(block, number);
        if (written == kHcOk) {
            // A failed check already wrote the block again; the transfer goes on
            // whatever that second write answered, but the log keeps it.
            const int verified = m_link.VerifyBlock(block, number);
            if (verified != kHcOk) {
                m_log.Write(std::string(kVerifyFailed) + std::to_string(number) + ", status " +
                            std::to_string(verified));
                logSystemError();
            }
        }
        m_view.SetProgress(i * 100 / count + 2);
        wait(70);
        if (written != kHcOk) {
            logStatus(written);
            return fail(kBlockFailed);
        }
    }
    wait(200);
    const int complete = m_link.SendComplete();
    logStatus(complete);
    if (complete != kHcOk) {
        m_log.Write(kCompleteFailed);
        logSystemError();
        return UpdateOutcome::CompleteFailed;
    }
    m_view.Report(UpdateEvent::TransferDone);
    wait(6000);
    m_link.FindHidDevice(kMouseVendorId, kMouseProductId);
    std::uint16_t version = 0;
    if (m_link.ReadMouseVersion(version) == kRequestDone) {
        m_versionAfterUpdate = version;
        m_view.SetMouseVersionText(VersionText(version));
    } else {
        m_view.SetMouseVersionText(kNoFirmwareText);
    }
    m_view.Report(UpdateEvent::MouseRestarted);
    m_link.CloseDevice();
    return UpdateOutcome::Completed;
}

}  // namespace solune
