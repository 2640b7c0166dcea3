#pragma once
// A profile's desktop pointer settings, handed to the desktop in a fixed order.

#include <array>

#include "config/profiles/Profile.h"
#include "platform/PointerSettings.h"

namespace solune {

// The acceleration triple (first threshold, second threshold, acceleration)
// for acceleration levels 1 ... 3: the low, medium and high presets of the
// classic desktop pointer-acceleration setting.
inline constexpr std::array<std::array<int, 3>, 3> kAccelerationTriples{{
    {10, 0, 1},
    {6, 10, 1},
    {4, 6, 1},
}};

// The triple for `profile`: (0, 0, 0) with acceleration off, else the triple of
// its level; a level outside 1 ... 3 counts as off, since no preset exists.
std::array<int, 3> AccelerationTriple(const Profile& profile);

// In this order: the double-click time (1600 - doubleClickSetting ms); the
// pointer speed (2 x pointerSpeed); the wheel lines (scrollLines when
// scrollByLines is set, else a page when scrollByPage is set, else no call);
// the acceleration triple.
void ApplyWindowsPointerSettings(const Profile& profile, PointerSettings& desktop);

}  // namespace solune
