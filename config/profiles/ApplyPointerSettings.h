#pragma once
// A profile's desktop pointer settings, handed to the desktop in a fixed order.

#include <array>

#include "config/profiles/Profile.h"
#include "platform/PointerSettings.h"

namespace solune {

// The triple for `profile` (kAccelerationTriples, platform/PointerSettings.h):
// (0, 0, 0) with acceleration off, else the triple of its level; a level
// outside 1 ... 3 counts as off, since no preset exists.
std::array<int, 3> AccelerationTriple(const Profile& profile);

// In this order: the double-click time (1600 - doubleClickSetting ms); the
// pointer speed (2 x pointerSpeed); the wheel lines (scrollLines when
// scrollByLines is set, else a page when scrollByPage is set, else no call);
// the acceleration triple.
void ApplyWindowsPointerSettings(const Profile& profile, PointerSettings& desktop);

}  // namespace solune
