#pragma once
// The package's firmware against the mouse's: the updater's update modes and
// the event that tells each. Version texts are in platform/VersionText.h.

#include <cstdint>

#include "platform/VersionText.h"
#include "updater/bootloader/UpdateView.h"

namespace solune {

// What OK does after the comparison was told. The numbers are the updater's own.
enum class UpdateMode : int {
    None = 0,        // nothing to install: OK closes
    MouseNewer = 4,  // the mouse carries newer firmware: OK installs the older one
    FileNewer = 5,   // the package is newer: OK installs it
    Completed = 7,   // an update has completed
};

// Compares the numbers (not the texts): None when equal.
UpdateMode CompareVersions(std::uint16_t fileVersion, std::uint16_t mouseVersion);

// The event that tells a comparison's outcome: up to date, mouse newer, file
// newer (the transfer done for a completed update).
UpdateEvent EventForUpdateMode(UpdateMode mode);

}  // namespace solune
