#pragma once
// The one line for a mouse that was not found.

#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

// "SOLUNE 300 mouse not found" (exit 4). With `systemBackend` (the backend
// chosen from the environment) and a virtual mouse whose state file cannot be
// used, what is wrong with that file instead (exit 2).
void ReportNoMouse(CtlContext& c, bool systemBackend);

}  // namespace solune::ctl
