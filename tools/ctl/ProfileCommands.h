#pragma once
// "solune300ctl profile ...": profile files and settings images.

#include <CLI/CLI.hpp>

#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

// Adds the "profile" command and its sub-commands to `app`. `context` must
// outlive the parse.
void AddProfileCommands(CLI::App& app, CtlContext& context);

}  // namespace solune::ctl
