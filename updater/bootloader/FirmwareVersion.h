#pragma once
// The package's firmware against the mouse's: the updater's update modes and
// the screen that shows each. Version texts are in platform/VersionText.h.

#include <cstdint>

#include "platform/VersionText.h"

namespace solune {

// What OK does on the screen shown. The numbers are the updater's own.
enum class UpdateMode : int {
    None = 0,        // nothing to install: OK closes
    MouseNewer = 4,  // the mouse carries newer firmware: OK installs the older one
    FileNewer = 5,   // the package is newer: OK installs it
    Completed = 7,   // an update has completed
};

// Compares the numbers (not the texts): None when equal.
UpdateMode CompareVersions(std::uint16_t fileVersion, std::uint16_t mouseVersion);

// The screen that shows a comparison's outcome: 3 up to date, 4 mouse newer,
// 5 update offered (7 for a completed update).
int ScreenForUpdateMode(UpdateMode mode);

}  // namespace solune
