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

#include "platform/HidBackend.h"
#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

void AddDeviceCommands(CLI::App& app, CtlContext& context);

// Where the device commands find the mouse (their clock is the context's). The
// default is the system's backend (SOLUNE300_SIMULATOR or hidraw).
struct DeviceAccess {
    std::function<std::unique_ptr<HidBackend>()> makeBackend;
};

// Replaces the device access of this process (tests: a virtual mouse). An
// empty DeviceAccess restores the default.
void SetDeviceAccess(DeviceAccess access);

}  // namespace solune::ctl
