#include "config/profiles/ApplyPointerSettings.h"

#include <gtest/gtest.h>

#include "tests/support/RecordingPointerSettings.h"

namespace solune {
namespace {

struct PointerCase {
    std::int32_t byLines;
    std::int32_t byPage;
    std::int32_t accelOn;
    std::int16_t level;
    std::vector<std::string> calls;
};

TEST(ApplyPointerSettings, CallsInOrderWithTheProfilesValues) {
    const std::vector<PointerCase> cases = {
        {1, 0, 0, 1, {"doubleclick 1000", "speed 14", "wheel 3", "accel 0 0 0"}},
        {1, 1, 1, 1, {"doubleclick 1000", "speed 14", "wheel 3", "accel 10 0 1"}},
        {0, 1, 1, 2, {"doubleclick 1000", "speed 14", "wheel 4294967295", "accel 6 10 1"}},
        {0, 0, 1, 3, {"doubleclick 1000", "speed 14", "accel 4 6 1"}},
        // A level without a preset keeps acceleration off rather than guessing one.
        {0, 0, 1, 0, {"doubleclick 1000", "speed 14", "accel 0 0 0"}},
        {0, 0, 1, 4, {"doubleclick 1000", "speed 14", "accel 0 0 0"}},
    };
    for (const auto& c : cases) {
        Profile profile;
        profile.doubleClickSetting = 600;
        profile.pointerSpeed = 7;
        profile.scrollLines = 3;
        profile.scrollByLines = c.byLines;
        profile.scrollByPage = c.byPage;
        profile.accelerationEnabled = c.accelOn;
        profile.accelerationLevel = c.level;
        test::RecordingPointerSettings desktop;
        ApplyWindowsPointerSettings(profile, desktop);
        EXPECT_EQ(desktop.calls, c.calls) << "lines " << c.byLines << " page " << c.byPage
                                          << " accel " << c.accelOn << " level " << c.level;
    }
}

}  // namespace
}  // namespace solune
