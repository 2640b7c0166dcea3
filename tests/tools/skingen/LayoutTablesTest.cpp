// The window layout tables: the artwork's static texts stay clear of every
// control, control ids are unique per window, and the numbers that follow a
// rule (preset buttons, menu buttons, updater file names) follow it.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "shared/layout/MainWindowLayout.h"
#include "shared/layout/MacroPageLayout.h"
#include "shared/layout/ButtonPageLayout.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/layout/MousePictureLayout.h"
#include "shared/layout/PopDlgLayout.h"
#include "shared/layout/RenameDlgLayout.h"
#include "shared/layout/SensorPageLayout.h"
#include "shared/layout/SupportPageLayout.h"
#include "shared/layout/UpdaterScreenLayout.h"

namespace solune::layout {
namespace {

struct Window {
    std::string name;
    std::span<const LayoutControl> controls;
    std::span<const StaticText> texts;
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << w.name;
}

std::vector<Window> Windows() {
    std::vector<Window> windows = {
        {"Main", kMainControls, kMainTexts},
        {"MouseSetting", kButtonPageControls, kButtonPageTexts},
        {"Sensor", kSensorPageControls, kSensorPageTexts},
        {"ColorSetting", kLightingPageControls, kLightingPageTexts},
        {"MacroSetting", kMacroPageControls, kMacroPageTexts},
        {"Support", kSupportPageControls, kSupportPageTexts},
        {"ReName", kRenameDlgControls, kRenameDlgTexts},
    };
    for (const PopMode& mode : kPopModes) {
        windows.push_back({std::string(mode.name), mode.controls, mode.texts});
    }
    for (const UpdaterScreen& screen : kUpdaterScreens) {
        windows.push_back({std::string(screen.name), screen.controls, screen.texts});
    }
    return windows;
}

class WindowLayout : public testing::TestWithParam<Window> {};

TEST_P(WindowLayout, StaticTextsNeverLieUnderAControl) {
    const Window& w = GetParam();
    for (const StaticText& text : w.texts) {
        EXPECT_GT(text.rect.width, 0) << text.text;
        EXPECT_GT(text.rect.height, 0) << text.text;
        for (const LayoutControl& c : w.controls) {
            EXPECT_FALSE(text.rect.intersects(c.rect))
                << "\"" << text.text << "\" under " << c.name;
            EXPECT_FALSE(text.rect.intersects(c.artRect()))
                << "\"" << text.text << "\" under the pictures of " << c.name;
        }
    }
}

TEST_P(WindowLayout, ControlIdsAreUniqueAndRectanglesNotEmpty) {
    const Window& w = GetParam();
    std::set<int> ids;
    for (const LayoutControl& c : w.controls) {
        EXPECT_TRUE(ids.insert(c.id).second) << w.name << ": id " << c.id << " twice";
        EXPECT_GT(c.artRect().width, 0) << c.name;
        EXPECT_GT(c.artRect().height, 0) << c.name;
    }
}

// Controls that draw their own caption carry no text in the artwork.
TEST_P(WindowLayout, ControlsWithTheirOwnCaptionCarryNoArtText) {
    for (const LayoutControl& c : GetParam().controls) {
        if (c.kind == ControlKind::ComboButton || c.kind == ControlKind::Edit ||
            c.kind == ControlKind::List) {
            EXPECT_TRUE(c.artText.empty()) << c.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowLayout, testing::ValuesIn(Windows()),
                         [](const testing::TestParamInfo<Window>& info) {
                             std::string name;
                             for (char ch : info.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name;
                         });

TEST(LayoutTables, ProfileButtonsShowTheirNamesThemselves) {
    for (int k = 0; k < 5; ++k) {
        const LayoutControl* button = FindControl(kMainControls, kFirstProfileButtonId + k);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->artText.empty());
    }
}

TEST(LayoutTables, ProfileMenuButtonsRunBackwardsFromProfileOne) {
    const int expected[5] = {kFirstProfileMenuId, kProfile2MenuId, kProfile3MenuId,
                             kProfile4MenuId, kLastProfileMenuId};
    for (int profile = 1; profile <= 5; ++profile) {
        EXPECT_EQ(expected[profile - 1], kFirstProfileMenuId + 1 - profile);
        EXPECT_EQ(ProfileMenuButtonId(profile), expected[profile - 1]);
        EXPECT_EQ(ProfileOfMenuButton(expected[profile - 1]), profile);
        EXPECT_NE(FindControl(kMainControls, expected[profile - 1]), nullptr);
    }
}

TEST(LayoutTables, PresetButtonIdsSkipEverySixth) {
    // Five ids in a row, then one left out before the next row.
    const std::vector<int> offsets = {0,  1,  2,  3,  4,  6,  7,  8,  9,  10,
                                      12, 13, 14, 15, 16, 18, 19, 20, 21, 22};
    std::vector<int> expected;
    for (int offset : offsets) {
        expected.push_back(kLightingFirstPresetId + offset);
    }
    std::vector<int> ids;
    for (const LayoutControl& c : kLightingPageControls) {
        if (PresetColorOf(c.id) != nullptr) {
            ids.push_back(c.id);
            // The caption is the row and column digits.
            const int row = c.name[0] - '0';
            const int column = c.name[1] - '0';
            EXPECT_EQ(c.rect, PresetButtonRect(row, column)) << c.name;
            EXPECT_EQ(c.id, PresetButtonId(row, column)) << c.name;
        }
    }
    EXPECT_EQ(ids, expected);
}

TEST(LayoutTables, StopRecordSitsOnStartRecordButIsCutFromItsOwnPlace) {
    const LayoutControl* start = FindControl(kMacroPageControls, kStartRecordId);
    const LayoutControl* stop = FindControl(kMacroPageControls, kStopRecordId);
    ASSERT_NE(start, nullptr);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->rect, start->rect);
    EXPECT_EQ(stop->artRect(), (ControlRect{542, 165, 86, 25}));
    EXPECT_EQ(start->artRect(), start->rect);
}

TEST(LayoutTables, MouseZonesAreClippedToThePicture) {
    EXPECT_EQ(VisiblePart(kScrollWheelZone), kScrollWheelZone);
    EXPECT_EQ(VisiblePart(kLogoZone), FromEdges(81, 105, 205, 142));
}

TEST(LayoutTables, UpdaterPictureNamesFollowNumberNameAndState) {
    const char* expected[11] = {
        "01 Firmware incorrect", "02 Can not find",    "03 Firmware up to date",
        "04 Firmware Newer",     "05 Update firmware", "06 encountered problem",
        "07 Update Completed",   "08 Complete",        "09 Successfully update",
        "10 Firmware update",    "11 Please exit"};
    for (int i = 0; i < 11; ++i) {
        const UpdaterScreen& screen = kUpdaterScreens[i];
        EXPECT_EQ(ScreenPictureFile(screen, ScreenPicture::Normal),
                  std::string(expected[i]) + " Normal.bmp");
        EXPECT_EQ(ScreenPictureFile(screen, ScreenPicture::Hover),
                  std::string(expected[i]) + " Hover.bmp");
        EXPECT_EQ(screen.hasPush, screen.number != 10);
    }
}

TEST(LayoutTables, EveryUpdaterScreenShowsTheVersionLabelAndOnlyScreenTenTheProgressBar) {
    for (const UpdaterScreen& screen : kUpdaterScreens) {
        const LayoutControl* version = FindControl(screen.controls, kUpdaterVersionId);
        ASSERT_NE(version, nullptr) << screen.name;
        EXPECT_EQ(version->rect, kUpdaterVersionRect);
        EXPECT_EQ(FindControl(screen.controls, kUpdaterProgressId) != nullptr, screen.number == 10)
            << screen.name;
        // While the update runs no button is offered.
        if (screen.number == 10) {
            EXPECT_EQ(FindControl(screen.controls, kUpdaterOkId), nullptr);
            EXPECT_EQ(FindControl(screen.controls, kUpdaterCloseId), nullptr);
        }
    }
}

}  // namespace
}  // namespace solune::layout
