#include "updater/bootloader/FirmwareVersion.h"

#include <gtest/gtest.h>

#include "updater/bootloader/UpdateView.h"

namespace solune {
namespace {

TEST(FirmwareVersion, ComparisonPicksTheModeAndScreen) {
    struct Case {
        std::uint16_t file, mouse;
        UpdateMode mode;
        int modeNumber;
        int screen;
    };
    const Case cases[] = {{108, 107, UpdateMode::FileNewer, 5, 5},
                          {108, 108, UpdateMode::None, 0, 3},
                          {107, 108, UpdateMode::MouseNewer, 4, 4},
                          // Numbers, not texts: "10.00" sorts before "9.00" as text.
                          {1000, 900, UpdateMode::FileNewer, 5, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(CompareVersions(c.file, c.mouse), c.mode) << c.file << " " << c.mouse;
        EXPECT_EQ(static_cast<int>(c.mode), c.modeNumber);
        EXPECT_EQ(ScreenForUpdateMode(c.mode), c.screen);
    }
    EXPECT_EQ(static_cast<int>(UpdateMode::Completed), 7);
    EXPECT_EQ(ScreenForUpdateMode(UpdateMode::Completed), kScreenUpdateCompleted);
}

}  // namespace
}  // namespace solune
