#pragma once
// "solune300ctl macro ..." (the macro library and ".macro" files) and
// "solune300ctl profile assign-macro".

#include <CLI/CLI.hpp>

#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

// Adds the "macro" command, and "assign-macro" to the existing "profile"
// command (so AddProfileCommands must run first). `context` must outlive the
// parse.
void AddMacroCommands(CLI::App& app, CtlContext& context);

}  // namespace solune::ctl
