#include "devicechoice/DeviceChoice.h"

#include <cstdlib>

#include "devicechoice/NoMouseBackend.h"
#include "platform/HidrawBackend.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatedHidBackend.h"
#include "simulator/SimulatorStateFile.h"

namespace solune {

namespace {

// Owns the virtual mouse on a state file and forwards to its backend.
class StateFileBackend final : public HidBackend {
  public:
    explicit StateFileBackend(const std::string& file) : m_mouse(std::filesystem::path(file)) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override {
        return m_mouse.backend().Enumerate(vendorId, productId);
    }
    std::unique_ptr<HidDevice> Open(const std::string& path) override {
        return m_mouse.backend().Open(path);
    }
    bool StartNotices() override { return m_mouse.backend().StartNotices(); }
    int NoticeDescriptor() const override { return m_mouse.backend().NoticeDescriptor(); }
    std::vector<HidNotice> TakeNotices() override { return m_mouse.backend().TakeNotices(); }

  private:
    simulator::SimulatedMouse m_mouse;
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
        return std::make_unique<NoMouseBackend>();
    }
    return std::make_unique<HidrawBackend>();
}

}  // namespace solune
