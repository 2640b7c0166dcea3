#pragma once
// The virtual mouse behind the HidBackend interface. Every transfer is one
// exchange of the MouseStore. Notices: after the store's change descriptor
// becomes readable, TakeNotices compares the interfaces present with those seen
// before and reports each that went (removal) and each that came (arrival), so a
// `solune300-sim unplug` from another process reaches a running program.

#include <memory>
#include <set>
#include <string>

#include "platform/HidBackend.h"
#include "simulator/MouseStore.h"
#include "simulator/VirtualMouse.h"

namespace solune::simulator {

class SimulatedHidBackend final : public HidBackend {
  public:
    // Borrows `store` and `mouse`; both outlive the backend and its devices.
    SimulatedHidBackend(MouseStore& store, const VirtualMouse& mouse);
    ~SimulatedHidBackend() override;

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId = 0,
                                         std::uint16_t productId = 0) override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;
    bool StartNotices() override;
    int NoticeDescriptor() const override { return m_descriptor; }
    std::vector<HidNotice> TakeNotices() override;

  private:
    std::set<std::string> presentPaths();

    MouseStore& m_store;
    const VirtualMouse& m_mouse;
    int m_descriptor = -1;
    std::set<std::string> m_seen;  // interfaces present at the last look
};

// A virtual mouse with every standard handler and the store it works on, ready
// to hand out as a HidBackend: in memory, or on the state file `file`.
class SimulatedMouse {
  public:
    explicit SimulatedMouse(MouseState initial = {});
    explicit SimulatedMouse(const std::filesystem::path& file);

    MouseStore& store() { return *m_store; }
    VirtualMouse& mouse() { return m_mouse; }
    SimulatedHidBackend& backend() { return *m_backend; }
    const SimulatedHidBackend& backend() const { return *m_backend; }

    // Changes the state in one exchange (a test's or solune300-sim's hand on the
    // mouse). False when the state cannot be read or written.
    bool Change(const std::function<void(MouseState&)>& change);
    MouseState State();

  private:
    std::unique_ptr<MouseStore> m_store;
    VirtualMouse m_mouse;
    std::unique_ptr<SimulatedHidBackend> m_backend;
};

}  // namespace solune::simulator
