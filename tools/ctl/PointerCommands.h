#pragma once
// solune300ctl pointer ...: the desktop's pointer settings.
//
//   pointer show                  the backend in use and the desktop's current
//                                 values, as JSON
//   pointer apply PROFILE [--acceleration-level N]
//                                 the profile's pointer settings, as VESK applies
//                                 them, then the values as `show` prints them
//
// JSON: {"backend": "gsettings" | "x11" | "none", "values": {name: value, ...}},
// the values under the desktop's own names in a fixed order (none: empty).
// With the backend "none" nothing is changed, and apply says so on the error
// stream (exit status 0: that is the desktop's choice, not a failure).

#include <CLI/CLI.hpp>

#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

void AddPointerCommands(CLI::App& app, CtlContext& context);

}  // namespace solune::ctl
