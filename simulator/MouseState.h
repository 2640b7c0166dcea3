#pragma once
// Everything the virtual SOLUNE 300 keeps, in one plain record. The mouse's code
// (VirtualMouse and its report handlers) works on it; a MouseStore keeps it in
// memory or in a state file.

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/MouseIdentity.h"

namespace solune::simulator {

inline constexpr int kSlotCount = 5;
inline constexpr std::size_t kSlotImageBytes = 2048;
inline constexpr std::size_t kCommandReportBytes = 64;

// The mode the mouse runs in decides the product id it enumerates as and which
// report handlers answer its feature reports.
enum class MouseMode : int {
    Normal = 0,
    BootLoader = 1,
};

struct ModeInfo {
    MouseMode mode;
    const char* name;  // as in the state file and on the command line
    std::uint16_t productId;
};

inline constexpr std::array<ModeInfo, 2> kModes{{
    {MouseMode::Normal, "normal", kMouseProductId},
    {MouseMode::BootLoader, "bootloader", kBootLoaderProductId},
}};

const ModeInfo& InfoOf(MouseMode mode);
// False when `name` names no mode.
bool ModeFromName(const std::string& name, MouseMode& mode);

// One armed fault: it acts on the next `count` occasions, with `value` where the
// fault takes one. A count of 0 or less disarms it.
struct FaultSetting {
    int count = 0;
    int value = 0;

    bool operator==(const FaultSetting&) const = default;
};

struct MouseState {
    bool plugged = true;
    // Goes up by one at every plugging and every change of mode, so the system
    // sees a new device (new sysfs path, old handles dead) each time.
    std::uint32_t instance = 1;
    MouseMode mode = MouseMode::Normal;
    std::uint16_t firmwareVersion = 105;  // hundredths: 105 is "1.05"
    std::uint8_t protocolGeneration = 2;
    std::uint8_t activeSlot = 0;
    std::uint8_t liftOffTest = 0;   // last value of the lift-off test command
    std::uint8_t liftOffSaved = 0;  // last value saved by the lift-off save command
    bool surfaceStarted = false;
    std::uint8_t surfaceMeasure = 128;  // what the surface analysis reports
    std::array<std::array<std::uint8_t, kSlotImageBytes>, kSlotCount> profileSlots{};
    // The reply the next get-feature of report 0x60 returns (status in byte 1).
    std::array<std::uint8_t, kCommandReportBytes> reply{};
    std::map<std::string, FaultSetting> faults;
    // Keys of the state file that this build does not know: kept as they are and
    // written back, so other tools and other modes' handlers can keep their fields.
    nlohmann::json extra = nlohmann::json::object();

    // Every field, so a store keeps exactly the exchanges that changed something.
    bool operator==(const MouseState&) const = default;
};

// The product id of the interfaces the mouse presents in its current mode.
std::uint16_t ProductIdOf(const MouseState& state);

// Arms `name` for `count` occasions with `value`, or disarms it when count <= 0.
void SetFault(MouseState& state, const std::string& name, int count, int value = 0);
// When `name` is armed: uses up one occasion, stores its value in `value` (when
// given) and returns true. False, and `value` untouched, when it is not armed.
bool ConsumeFault(MouseState& state, const std::string& name, int* value = nullptr);

}  // namespace solune::simulator
