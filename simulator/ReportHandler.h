#pragma once
// One part of the virtual mouse's firmware: the feature reports it answers in one
// mode. A mode may have several handlers; VirtualMouse asks them in the order they
// were added and the first that knows the report answers it.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/HidBackend.h"
#include "simulator/MouseState.h"

namespace solune::simulator {

// One kind of fault that `solune300-sim fault` can arm: its name, its help
// text and whether it takes a value (armed faults are MouseState::faults).
struct FaultKind {
    const char* name;
    const char* help;
    bool takesValue;
};

class ReportHandler {
  public:
    virtual ~ReportHandler() = default;

    // A set-feature call on the mouse's vendor interface: byte 0 of `report` is the
    // report id, its length the caller's length. std::nullopt when the report is not
    // this handler's; otherwise the outcome of the transfer (the handler may change
    // `state`, the mode included).
    virtual std::optional<HidResult> SetFeature(MouseState& state,
                                                std::span<const std::uint8_t> report) = 0;

    // A get-feature call: the caller put the report id in byte 0 of `report`. On Ok
    // the handler filled report[0, bytes).
    virtual std::optional<HidResult> GetFeature(MouseState& state,
                                                std::span<std::uint8_t> report) = 0;

    // The faults this handler reacts to, listed by `solune300-sim fault --help`.
    virtual std::span<const FaultKind> Faults() const { return {}; }
};

}  // namespace solune::simulator
