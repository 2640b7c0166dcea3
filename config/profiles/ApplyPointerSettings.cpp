#include "config/profiles/ApplyPointerSettings.h"

namespace solune {

std::array<int, 3> AccelerationTriple(const Profile& profile) {
    const int level = profile.accelerationLevel;
    if (profile.accelerationEnabled == 0 || level < 1 || level > 3) {
        return {0, 0, 0};
    }
    return kAccelerationTriples[static_cast<std::size_t>(level - 1)];
}

void ApplyWindowsPointerSettings(const Profile& profile, PointerSettings& desktop) {
    desktop.SetDoubleClickTime(1600 - profile.doubleClickSetting);
    desktop.SetMouseSpeed(2 * profile.pointerSpeed);
    if (profile.scrollByLines != 0) {
        desktop.SetWheelScrollLines(static_cast<std::uint32_t>(profile.scrollLines));
    } else if (profile.scrollByPage != 0) {
        desktop.SetWheelScrollLines(kWheelPageScroll);
    }
    const auto triple = AccelerationTriple(profile);
    desktop.SetMouseAcceleration(triple[0], triple[1], triple[2]);
}

}  // namespace solune
