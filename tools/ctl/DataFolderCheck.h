#pragma once
// The commands that use the data folder (the default macro folder, the update
// log) refuse to run as another user than the folder's owner (DataFolderOwner.h).

#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

// True when the data folder may be used; otherwise prints the one-line reason
// on the error stream, sets kExitCommandFailed and returns false.
bool DataFolderUsable(CtlContext& c);

}  // namespace solune::ctl
