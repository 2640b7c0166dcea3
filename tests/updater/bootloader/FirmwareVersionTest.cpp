#include "updater/bootloader/FirmwareVersion.h"

#include <gtest/gtest.h>

#include "updater/bootloader/UpdateView.h"

namespace solune {
namespace {

TEST(FirmwareVersion, ComparisonPicksTheModeAndEvent) {
    struct Case {
        std::uint16_t file, mouse;
        UpdateMode mode;
        int modeNumber;
        UpdateEvent event;
    };
    const Case cases[] = {{108, 107, UpdateMode::FileNewer, 5, UpdateEvent::FileNewer},
                          {108, 108, UpdateMode::None, 0, UpdateEvent::UpToDate},
                          {107, 108, UpdateMode::MouseNewer, 4, UpdateEvent::MouseNewer},
                          // Numbers, not texts: "10.00" sorts before "9.00" as text.
                          {1000, 900, UpdateMode::FileNewer, 5, UpdateEvent::FileNewer}};
    for (const Case& c : cases) {
        EXPECT_EQ(CompareVersions(c.file, c.mouse), c.mode) << c.file << " " << c.mouse;
        EXPECT_EQ(static_cast<int>(c.mode), c.modeNumber);
        EXPECT_EQ(EventForUpdateMode(c.mode), c.event);
    }
    EXPECT_EQ(static_cast<int>(UpdateMode::Completed), 7);
    EXPECT_EQ(EventForUpdateMode(UpdateMode::Completed), UpdateEvent::TransferDone);
}

}  // namespace
}  // namespace solune
