#include "simulator/SimulatedHidBackend.h"

#include <cerrno>

namespace solune::simulator {

namespace {

class SimulatedDevice final : public HidDevice {
  public:
    SimulatedDevice(MouseStore& store, const VirtualMouse& mouse, std::string path)
        : m_store(store), m_mouse(mouse), m_path(std::move(path)) {}

    HidResult SetFeature(std::span<const std::uint8_t> report) override {
        HidResult result{HidStatus::Failed, 0, ENODEV};
        m_store.Exchange([&](MouseState& state) {
            const MouseState before = state;
            result = m_mouse.SetFeature(state, m_path, report);
            return changed(before, state);
        });
        return result;
    }

    HidResult GetFeature(std::span<std::uint8_t> report) override {
        HidResult result{HidStatus::Failed, 0, ENODEV};
        m_store.Exchange([&](MouseState& state) {
            const MouseState before = state;
            result = m_mouse.GetFeature(state, m_path, report);
            return changed(before, state);
        });
        return result;
    }

  private:
    static bool changed(const MouseState& a, const MouseState& b) { return !(a == b); }

    MouseStore& m_store;
    const VirtualMouse& m_mouse;
    std::string m_path;
};

}  // namespace

SimulatedHidBackend::SimulatedHidBackend(MouseStore& store, const VirtualMouse& mouse)
    : m_store(store), m_mouse(mouse) {}

SimulatedHidBackend::~SimulatedHidBackend() {
    if (m_descriptor >= 0) {
        m_store.CloseChangeDescriptor(m_descriptor);
    }
}

std::vector<HidDeviceInfo> SimulatedHidBackend::Enumerate(std::uint16_t vendorId,
                                                          std::uint16_t productId) {
    MouseState state;
    std::vector<HidDeviceInfo> devices;
    if (!m_store.Read(state)) {
        return devices;
    }
    for (HidDeviceInfo& info : m_mouse.Enumerate(state)) {
        if ((vendorId == 0 || info.vendorId == vendorId) &&
            (productId == 0 || info.productId == productId)) {
            devices.push_back(std::move(info));
        }
    }
    return devices;
}

std::unique_ptr<HidDevice> SimulatedHidBackend::Open(const std::string& path) {
    if (presentPaths().count(path) == 0) {
        return nullptr;
    }
    return std::make_unique<SimulatedDevice>(m_store, m_mouse, path);
}

std::set<std::string> SimulatedHidBackend::presentPaths() {
    std::set<std::string> paths;
    for (const HidDeviceInfo& info : Enumerate()) {
        paths.insert(info.sysfsPath);
    }
    return paths;
}

bool SimulatedHidBackend::StartNotices() {
    if (m_descriptor >= 0) {
        return true;
    }
    m_descriptor = m_store.OpenChangeDescriptor();
    if (m_descriptor < 0) {
        return false;
    }
    m_seen = presentPaths();
    return true;
}

std::vector<HidNotice> SimulatedHidBackend::TakeNotices() {
    std::vector<HidNotice> notices;
    if (m_descriptor < 0) {
        return notices;
    }
    m_store.DrainChangeDescriptor(m_descriptor);
    const std::set<std::string> now = presentPaths();
    for (const std::string& path : m_seen) {
        if (now.count(path) == 0) {
            notices.push_back(HidNotice{HidNotice::Kind::Removal, path});
        }
    }
    for (const std::string& path : now) {
        if (m_seen.count(path) == 0) {
            notices.push_back(HidNotice{HidNotice::Kind::Arrival, path});
        }
    }
    m_seen = now;
    return notices;
}

SimulatedMouse::SimulatedMouse(MouseState initial)
    : m_store(std::make_unique<MemoryMouseStore>(std::move(initial))) {
    AddStandardHandlers(m_mouse);
    m_backend = std::make_unique<SimulatedHidBackend>(*m_store, m_mouse);
}

SimulatedMouse::SimulatedMouse(const std::filesystem::path& file)
    : m_store(std::make_unique<FileMouseStore>(file)) {
    AddStandardHandlers(m_mouse);
    m_backend = std::make_unique<SimulatedHidBackend>(*m_store, m_mouse);
}

bool SimulatedMouse::Change(const std::function<void(MouseState&)>& change) {
    return m_store->Exchange([&change](MouseState& state) {
        change(state);
        return true;
    });
}

MouseState SimulatedMouse::State() {
    MouseState state;
    m_store->Read(state);
    return state;
}

}  // namespace solune::simulator
