// The virtual mouse's state file on fuzz bytes. A state the store reads must
// come back unchanged through its own JSON, and the virtual mouse must answer
// every command from it (odd slots, odd fault settings, odd replies) without
// reading outside its records.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "platform/Clock.h"
#include "simulator/MouseStateJson.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/fuzz/FuzzFolder.h"
#include "updater/bootloader/BootLoaderLink.h"

namespace {

using solune::simulator::MouseState;

void requireOwnJsonRoundTrip(const MouseState& state) {
    const nlohmann::json again =
        nlohmann::json::parse(solune::simulator::ToJson(state).dump(2), nullptr, false);
    MouseState reread;
    std::string error;
    if (again.is_discarded() || !solune::simulator::FromJson(again, reread, error) ||
        !(reread == state)) {
        std::abort();
    }
}

void runNormalMode(solune::HidBackend& backend, solune::Clock& clock) {
    solune::HidLink link(backend, clock);
    if (!link.FindDevice()) {
        return;
    }
    solune::DeviceInfo info;
    solune::GetDeviceInfo(link, info);
    int slot = 0;
    solune::GetActiveProfile(link, slot);
    solune::SetActiveProfile(link, 4);
    solune::StartSurfaceAnalysis(link);
    std::uint8_t measure = 0;
    solune::GetSurfaceAnalysis(link, measure);
    solune::TestLiftOff(link, 10);
    solune::SaveLiftOff(link, 10);
    link.CloseDevice();
    solune::BootLoaderLink updater(backend, clock);
    std::uint16_t version = 0;
    if (updater.FindHidDevice(solune::kMouseVendorId, solune::kMouseProductId) == 1) {
        updater.ReadMouseVersion(version);
    }
}

void runBootLoader(solune::HidBackend& backend, solune::Clock& clock) {
    solune::BootLoaderLink link(backend, clock);
    if (link.FindHidDevice(solune::kMouseVendorId, solune::kBootLoaderProductId) != 1) {
        return;
    }
    std::array<std::uint8_t, 1024> block{};
    block.fill(0x5A);
    std::array<std::uint8_t, solune::kInfoSize> info{};
    link.SendEcho(block);
    link.GetBootLoaderInfo(info);
    link.SendStart(1, 1024 * 0x5A);
    link.WriteBlock(block, 20);
    link.VerifyBlock(block, 20);
    link.SendComplete();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = solune::fuzz::FuzzFolder() / "mouse.json";
    solune::fuzz::WriteFuzzFile(file, std::span(data, size));
    solune::simulator::FileMouseStore store(file);
    MouseState state;
    if (!store.Read(state)) {
        return 0;
    }
    requireOwnJsonRoundTrip(state);
    solune::simulator::SimulatedMouse mouse(state);
    solune::VirtualClock clock;
    runNormalMode(mouse.backend(), clock);
    runBootLoader(mouse.backend(), clock);
    return 0;
}
