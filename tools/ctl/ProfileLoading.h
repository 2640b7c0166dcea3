#pragma once
// Reading and writing profile files for the commands of solune300ctl, with the
// messages a user sees when that fails.

#include <string>

#include "config/profiles/Profile.h"
#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

// Loads `file` into `profile` (a factory-default one). False, after reporting
// what is wrong with the file (exit status kExitBadInput), when it cannot be read
// whole.
bool LoadProfileOrFail(CtlContext& c, const std::string& file, Profile& profile);

// Writes `profile` to `file`; reports "<file>: cannot write the file: <why>"
// (exit status kExitWriteFailed) when that fails.
void SaveProfileOrFail(CtlContext& c, const Profile& profile, const std::string& file);

}  // namespace solune::ctl
