#pragma once
// The virtual SOLUNE 300: the mouse's behaviour on its USB HID interfaces, working
// on a MouseState that a MouseStore keeps (in memory, or in a state file shared by
// several processes). SimulatedHidBackend puts it behind the HidBackend interface.
//
// How the mouse is put together
//   - MouseState::mode (MouseMode) decides the product id the mouse enumerates as
//     (kModes in MouseState.h) and which report handlers answer.
//   - The interfaces of each mode are a table (InterfacesOf); only the vendor
//     interface (usage page 0xFF01, usage 2) answers feature reports.
//   - Each mode has a list of ReportHandlers, asked in the order added; the first
//     that knows a report answers it; a report nobody knows fails the transfer.
//   - Faults: MouseState::faults holds armed faults by name. VirtualMouse itself
//     handles the faults of every mode (kTransferFaults); each handler lists and
//     consumes its own (ReportHandler::Faults).
//
// How to add a mode, or reports to a mode
//   1. Write a ReportHandler (one class, own files in simulator/). Answer only your
//      report ids; return std::nullopt for the others. Keep the mode's data in
//      MouseState (add fields there and in MouseStateJson), or under your own key
//      of MouseState::extra, which the state file keeps as it is.
//   2. Register it in AddStandardHandlers (StandardHandlers.cpp) with
//      mouse.AddHandler(MouseMode::..., std::make_unique<YourHandler>()).
//   3. A handler that switches mode sets state.mode and calls Replug(state): the
//      old interfaces disappear (removal notice, dead handles) and the new ones
//      arrive, as when a real device re-enumerates.
//   4. New faults: list them in your handler's Faults() and consume them with
//      ConsumeFault(state, name, &value) where they act.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/HidBackend.h"
#include "simulator/MouseState.h"
#include "simulator/ReportHandler.h"

namespace solune::simulator {

// One HID interface the mouse presents in a mode.
struct MouseInterface {
    std::uint16_t usagePage;
    std::uint16_t usage;
    int interfaceNumber;
    const char* product;  // product string
};

// The interfaces presented in `mode`, in enumeration order.
std::span<const MouseInterface> InterfacesOf(MouseMode mode);

// Faults that act on every transfer of every mode.
extern const std::span<const FaultKind> kTransferFaults;

// Gives the mouse a new instance: what the system sees after unplugging and
// plugging it again (also after a change of mode). Plugs it in.
void Replug(MouseState& state);

class VirtualMouse {
  public:
    // A mouse with no handlers; see AddStandardHandlers.
    VirtualMouse();
    ~VirtualMouse();
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    void AddHandler(MouseMode mode, std::unique_ptr<ReportHandler> handler);

    // The interfaces present now: none when unplugged. Paths carry the instance, so
    // each plugging gives new ones.
    std::vector<HidDeviceInfo> Enumerate(const MouseState& state) const;

    // A transfer on the interface at `path`. Fails with ENODEV (HidStatus::Failed)
    // when that interface is not present any more, EPIPE when no handler of the
    // mode knows the report or the interface is not the vendor one; applies the
    // transfer faults first.
    HidResult SetFeature(MouseState& state, const std::string& path,
                         std::span<const std::uint8_t> report) const;
    HidResult GetFeature(MouseState& state, const std::string& path,
                         std::span<std::uint8_t> report) const;

    // Every fault the mouse knows: the transfer faults, then each handler's.
    std::vector<FaultKind> Faults() const;

  private:
    struct Registered {
        MouseMode mode;
        std::unique_ptr<ReportHandler> handler;
    };
    // -1 when `path` is not present, else the index into InterfacesOf(mode).
    int presentInterface(const MouseState& state, const std::string& path) const;
    bool transferFault(MouseState& state, bool isSet, HidResult& result) const;
    // One set (isSet) or get transfer: the presence check, the transfer faults,
    // then `call` on each handler of the mode until one answers.
    using HandlerCall = std::function<std::optional<HidResult>(ReportHandler&)>;
    HidResult transfer(MouseState& state, const std::string& path, bool isSet,
                       const HandlerCall& call) const;

    std::vector<Registered> m_handlers;
};

// Adds every handler this build has, for every mode.
void AddStandardHandlers(VirtualMouse& mouse);

}  // namespace solune::simulator
