// A whole firmware update against a device that answers with fuzz bytes: the
// mouse found in normal mode or in its boot loader (or not at all), its version,
// the boot request, the boot loader's echo, information, start, block writes and
// read-backs and the complete command, each reply short, failed, busy or wrong.
// Runs the steps as "solune300ctl firmware update" does, on a virtual clock.
// An update that reports success must have sent every block; the progress bar
// stays in its range and never goes back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/Clock.h"
#include "tests/fuzz/FuzzFolder.h"
#include "tests/fuzz/FuzzedHidBackend.h"
#include "updater/bootloader/BootLoaderLink.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/PackageWriter.h"
#include "updater/bootloader/UpdateProcedures.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace {

constexpr std::uint8_t kFirstBlockNumber = 20;
// Far above the longest update the procedures can wait through (two searches
// of about five minutes, the boot request's retries and the transfer's waits).
constexpr std::int64_t kLongestWaitMs = 30 * 60 * 1000;

// Checks what the procedures show while they run.
class CheckingView final : public solune::UpdateView {
  public:
    void Report(solune::UpdateEvent) override {}
    void SetProgress(int value) override {
        if (value < 0 || value > 101 || value < m_progress) {
            std::abort();
        }
        m_progress = value;
    }
    void SetMouseVersionText(const std::string& text) override {
        if (text.empty()) {
            std::abort();
        }
    }
    void ShowBootLoaderSearchMessage(const std::string&, const std::string&) override {}

  private:
    int m_progress = 0;
};

// A three-block package, made and checked once per process.
const solune::FirmwarePackage& testPackage() {
    static solune::CLOG log;
    static solune::SilentUpdateView view;
    static solune::FirmwarePackage package(log, view);
    static const bool loaded = [] {
        std::vector<std::uint8_t> image(2 * 1024 + 100);
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<std::uint8_t>(i * 7 + 3);
        }
        const std::filesystem::path folder = solune::fuzz::FuzzFolder() / "package";
        return solune::WriteFirmwarePackage(folder, "SOLUNE300_1.08.fub", "1.08", image, u"fuzz") ==
                   solune::PackResult::Written &&
               package.ReadFirmwareConfig(folder) == 1 &&
               package.LoadFirmwareImage(folder, package.FirmwareFileName()) == 1;
    }();
    if (!loaded) {
        std::abort();
    }
    return package;
}

bool everyBlockSent(const std::vector<std::uint8_t>& sent, int count) {
    for (int i = 0; i < count; ++i) {
        if (std::find(sent.begin(), sent.end(), kFirstBlockNumber + i) == sent.end()) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const solune::FirmwarePackage& package = testPackage();
    FuzzedDataProvider data(bytes, size);
    solune::VirtualClock clock;
    solune::fuzz::FuzzedHidBackend backend(data);
    solune::BootLoaderLink link(backend, clock);
    solune::CLOG log;
    CheckingView view;
    solune::UpdateProcedures procedures(link, clock, log, view);
    solune::UpdateOutcome outcome = solune::UpdateOutcome::Failed;
    switch (procedures.DetectDevice(package)) {
        case solune::DeviceMode::NotFound:
            return 0;
        case solune::DeviceMode::Normal: {
            std::uint16_t version = 0;
            if (link.ReadMouseVersion(version) != 1) {
                return 0;
            }
            outcome = procedures.EnterBootLoader(package);
            break;
        }
        case solune::DeviceMode::BootLoader:
            outcome = procedures.TransferImage(package);
            break;
    }
    link.CloseDevice();
    if (outcome != solune::UpdateOutcome::Failed &&
        !everyBlockSent(backend.record().sentBlocks, package.BlockCount())) {
        std::abort();
    }
    if (clock.TotalWaited() > kLongestWaitMs) {
        std::abort();
    }
    return 0;
}
