// Times a whole 120-block firmware update against the virtual mouse with the
// real clock and compares it with the sum of the waits the protocol asks for.
// The difference is what the link, the log, the package and the virtual mouse
// add of their own.
//
//   updater_benchmark [RUNS]     (default 1; each run takes about 40 s)

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "simulator/SimulatedHidBackend.h"
#include "simulator/VirtualFirmware.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/PackageWriter.h"
#include "updater/bootloader/UpdateProcedures.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace {

using namespace solune;
using Steady = std::chrono::steady_clock;

// The real clock, counting what it was asked to wait.
class CountingClock final : public Clock {
  public:
    void Sleep(std::chrono::milliseconds d) override {
        m_asked += d;
        const auto start = Steady::now();
        RealClock::Instance().Sleep(d);
        m_slept += Steady::now() - start;
    }
    std::uint32_t TickCount() override { return RealClock::Instance().TickCount(); }
    std::chrono::milliseconds asked() const { return m_asked; }
    // Time actually spent in Sleep: the asked waits plus the system's overshoot.
    double sleptMs() const { return std::chrono::duration<double, std::milli>(m_slept).count(); }

  private:
    std::chrono::milliseconds m_asked{0};
    Steady::duration m_slept{0};
};

bool runOnce(const std::filesystem::path& folder) {
    CLOG log;
    log.SetFilePath(folder / "SOLUNELog.log");
    SilentUpdateView view;
    FirmwarePackage package(log, view);
    if (package.ReadFirmwareConfig(folder) != 1 ||
        package.LoadFirmwareImage(folder, package.FirmwareFileName()) != 1) {
        std::fprintf(stderr, "the package is not valid\n");
        return false;
    }
    simulator::MouseState state;
    state.firmwareVersion = 107;
    simulator::SimulatedMouse mouse(state);
    CountingClock clock;
    BootLoaderLink link(mouse.backend(), clock);
    UpdateProcedures procedures(link, clock, log, view);

    const auto start = Steady::now();
    std::uint16_t version = 0;
    const bool ok = procedures.DetectDevice(package) == DeviceMode::Normal &&
                    link.ReadMouseVersion(version) == 1 &&
                    procedures.EnterBootLoader(package) == UpdateOutcome::Completed &&
                    procedures.VersionAfterUpdate() == std::optional<std::uint16_t>(108);
    const double elapsed = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
    const double waits = static_cast<double>(clock.asked().count());
    std::printf(
        "%s: %d blocks, elapsed %.1f ms, protocol waits %.0f ms, over them %.1f ms (%.3f %%): "
        "sleep overshoot %.1f ms, own work %.1f ms\n",
        ok ? "completed" : "FAILED", package.BlockCount(), elapsed, waits, elapsed - waits,
        100.0 * (elapsed - waits) / waits, clock.sleptMs() - waits, elapsed - clock.sleptMs());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1;
    char pattern[] = "/tmp/solune-bench-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        return 1;
    }
    const std::filesystem::path folder = pattern;
    const auto image = simulator::MakeVirtualFirmwareImage(108, kMaxFirmwareImageSize);
    if (WriteFirmwarePackage(folder, "SOLUNE300_1.08.fub", "1.08", image, u"SOLUNE 300") !=
        PackResult::Written) {
        return 1;
    }
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        ok = runOnce(folder) && ok;
    }
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
