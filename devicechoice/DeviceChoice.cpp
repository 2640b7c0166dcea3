#include "devicechoice/DeviceChoice.h"

#include <cstdlib>

#include "devicechoice/HardwareForbiddenBackend.h"
#include "platform/ForwardingHidBackend.h"
#include "platform/HidrawBackend.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatedHidBackend.h"
#include "simulator/SimulatorStateFile.h"

namespace solune {

namespace {

// The virtual mouse on a state file, built before the forwarding base is
// handed its backend.
struct StateFileMouse {
    explicit StateFileMouse(const std::string& file) : mouse(std::filesystem::path(file)) {}
    simulator::SimulatedMouse mouse;
};

// Owns the virtual mouse on a state file and forwards to its backend.
class StateFileBackend final : private StateFileMouse, public ForwardingHidBackend {
  public:
    explicit StateFileBackend(const std::string& file)
        : StateFileMouse(file), ForwardingHidBackend(mouse.backend()) {}
};

}  // namespace

bool RealHardwareForbidden() {
    const char* value = std::getenv(kNoHardwareVariable);
    return value != nullptr && *value != '\0';
}

std::string SimulatorStateProblem() {
    const std::string file = SimulatorStateFile();
    if (file.empty()) {
        return {};
    }
    simulator::FileMouseStore store{std::filesystem::path(file)};
    simulator::MouseState state;
    return store.Read(state) ? std::string() : store.LastError();
}

std::unique_ptr<HidBackend> CreateSystemHidBackend() {
    const std::string file = SimulatorStateFile();
    if (!file.empty()) {
        return std::make_unique<StateFileBackend>(file);
    }
    if (RealHardwareForbidden()) {
        return std::make_unique<HardwareForbiddenBackend>();
    }
    return std::make_unique<HidrawBackend>();
}

}  // namespace solune
