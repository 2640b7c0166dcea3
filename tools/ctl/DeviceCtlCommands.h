#pragma once
// solune300ctl device ...: the mouse's commands over HidLink.
//
//   device info                      firmware version, version / 100 with two decimals
//   device active                    the active slot
//   device activate SLOT             makes slot 0 ... 4 active
//   device write-profile FILE --slot N   writes the profile's image into slot N
//   device lod test|save VALUE       lift-off test / save, VALUE clamped to 6 ... 31
//   device surface start|get         surface analysis; get prints the measure
//
// No mouse: "SOLUNE 300 mouse not found", exit status 4. A command that fails: a
// one-line message, exit status 5 (write-profile over the macro limit: 3).

#include <functional>
#include <memory>

#include <CLI/CLI.hpp>

#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

void AddDeviceCommands(CLI::App& app, CtlContext& context);

// Where the device commands find the mouse and their clock. The default is the
// system's backend (SOLUNE300_SIMULATOR or hidraw) and the real clock.
struct DeviceAccess {
    std::function<std::unique_ptr<HidBackend>()> makeBackend;
    Clock* clock = nullptr;  // borrowed; must outlive the commands run
};

// Replaces the device access of this process (tests: a virtual mouse and a
// virtual clock). An empty DeviceAccess restores the default.
void SetDeviceAccess(DeviceAccess access);

}  // namespace solune::ctl
