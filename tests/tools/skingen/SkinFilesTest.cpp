// The pictures the build draws into the programs' skin folders: every file the
// programs load is there, the pictures of a family share one size and cover
// their controls, the states differ exactly inside the controls, and the
// separate pieces fit their uses.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
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
#include "shared/layout/SkinElementTable.h"
#include "tests/tools/skingen/SkinFolders.h"
#include "shared/layout/UpdaterScreenLayout.h"

namespace solune::skintest {
namespace {

using layout::ControlRect;
namespace fs = std::filesystem;

// The extra pictures the pages load from the skin folder by name.
std::vector<std::string> PageExtraFiles() {
    std::vector<std::string> files = {"TQA2-1.bmp", "TQA2-2.bmp", "TQA2-3.bmp"};
    for (int level = 0; level <= 100; level += 10) {
        files.push_back(std::to_string(level) + ".bmp");
    }
    return files;
}

std::vector<std::string> UpdaterFiles() {
    std::vector<std::string> files;
    for (const layout::UpdaterScreen& screen : layout::kUpdaterScreens) {
        files.push_back(ScreenPictureFile(screen, layout::ScreenPicture::Normal));
        files.push_back(ScreenPictureFile(screen, layout::ScreenPicture::Hover));
        if (screen.hasPush) {
            files.push_back(ScreenPictureFile(screen, layout::ScreenPicture::Push));
        }
    }
    return files;
}

TEST(SkinFiles, EveryFileTheConfigurationProgramLoadsIsAPicture) {
    std::vector<std::string> files(skin::kSlotFiles.begin(), skin::kSlotFiles.end());
    for (const std::string& extra : PageExtraFiles()) {
        files.push_back(extra);
    }
    for (const std::string& file : files) {
        EXPECT_FALSE(Load(ConfigSkinFolder(), file).isNull()) << file;
    }
}

TEST(SkinFiles, EveryUpdaterScreenPictureIsAPicture) {
    const std::vector<std::string> files = UpdaterFiles();
    EXPECT_EQ(files.size(), 32u);
    for (const std::string& file : files) {
        EXPECT_FALSE(Load(UpdaterSkinFolder(), file).isNull()) << file;
    }
}

// One family: the files that share a size, and the controls cut from them.
struct Family {
    std::string name;
    fs::path folder;
    std::vector<std::string> files;  // normal picture first
    std::vector<ControlRect> controls;
    std::vector<std::string> extraFiles;  // same size, not a state (the "_BK" pictures)
};

void PrintTo(const Family& f, std::ostream* os) {
    *os << f.name;
}

std::vector<ControlRect> ArtRects(std::span<const layout::LayoutControl> controls,
                                  bool withLabels = true) {
    std::vector<ControlRect> rects;
    for (const layout::LayoutControl& c : controls) {
        if (withLabels || c.kind != layout::ControlKind::Label) {
            rects.push_back(c.artRect());
        }
    }
    return rects;
}

Family WindowFamily(const std::string& prefix, std::span<const layout::LayoutControl> controls) {
    Family f{prefix, ConfigSkinFolder(), {}, ArtRects(controls), {}};
    for (const char* state : {"Normal", "Over", "Down", "Disable"}) {
        const std::string file = prefix + "_" + state + ".bmp";
        if (skin::SlotOf(file) >= 0) {
            f.files.push_back(file);
        }
    }
    if (skin::SlotOf(prefix + "_BK.bmp") >= 0) {
        f.extraFiles.push_back(prefix + "_BK.bmp");
    }
    return f;
}

std::vector<Family> Families() {
    std::vector<Family> families = {
        WindowFamily("Main", layout::kMainControls),
        WindowFamily("MouseSetting", layout::kButtonPageControls),
        WindowFamily("Sensor", layout::kSensorPageControls),
        WindowFamily("ColorSetting", layout::kLightingPageControls),
        WindowFamily("MacroSetting", layout::kMacroPageControls),
        WindowFamily("Support", layout::kSupportPageControls),
        WindowFamily("ReName", layout::kRenameDlgControls),
    };
    for (const layout::PopMode& mode : layout::kPopModes) {
        families.push_back(WindowFamily(std::string(mode.name), mode.controls));
    }
    families.push_back({"Scroll",
                        ConfigSkinFolder(),
                        {"Scroll_Normal.bmp", "Scroll_Over.bmp", "Scroll_Down.bmp"},
                        {layout::kScrollPartCrops.begin(), layout::kScrollPartCrops.end()},
                        {}});
    // The updater's labels show the same background in every state; its
    // buttons and progress bar change.
    for (const layout::UpdaterScreen& screen : layout::kUpdaterScreens) {
        Family f{std::string(screen.name),
                 UpdaterSkinFolder(),
                 {},
                 ArtRects(screen.controls, false),
                 {}};
        f.files.push_back(ScreenPictureFile(screen, layout::ScreenPicture::Normal));
        f.files.push_back(ScreenPictureFile(screen, layout::ScreenPicture::Hover));
        if (screen.hasPush) {
            f.files.push_back(ScreenPictureFile(screen, layout::ScreenPicture::Push));
        }
        families.push_back(f);
    }
    return families;
}

class SkinFamily : public testing::TestWithParam<Family> {};

TEST_P(SkinFamily, SharesOneSizeThatCoversEveryControl) {
    const Family& f = GetParam();
    ASSERT_GE(f.files.size(), 2u);
    const QImage normal = Load(f.folder, f.files[0]);
    ASSERT_FALSE(normal.isNull()) << f.files[0];
    std::vector<std::string> all = f.files;
    all.insert(all.end(), f.extraFiles.begin(), f.extraFiles.end());
    for (const std::string& file : all) {
        EXPECT_EQ(Load(f.folder, file).size(), normal.size()) << file;
    }
    for (const ControlRect& r : f.controls) {
        EXPECT_TRUE(Inside(r, normal)) << f.name << " control at " << r.x << ", " << r.y;
    }
}

TEST_P(SkinFamily, OtherStatesDifferFromNormalExactlyInsideTheControls) {
    const Family& f = GetParam();
    const QImage normal = Load(f.folder, f.files[0]);
    ASSERT_FALSE(normal.isNull());
    for (std::size_t i = 1; i < f.files.size(); ++i) {
        const QImage state = Load(f.folder, f.files[i]);
        ASSERT_EQ(state.size(), normal.size()) << f.files[i];
        std::vector<int> changedInside(f.controls.size(), 0);
        int changedOutside = 0;
        for (int y = 0; y < normal.height(); ++y) {
            for (int x = 0; x < normal.width(); ++x) {
                const bool changed = normal.pixel(x, y) != state.pixel(x, y);
                bool inAny = false;
                for (std::size_t c = 0; c < f.controls.size(); ++c) {
                    if (f.controls[c].contains(x, y)) {
                        inAny = true;
                        changedInside[c] += changed ? 1 : 0;
                    }
                }
                changedOutside += changed && !inAny ? 1 : 0;
            }
        }
        EXPECT_EQ(changedOutside, 0) << f.files[i];
        for (std::size_t c = 0; c < f.controls.size(); ++c) {
            EXPECT_GT(changedInside[c], 0) << f.files[i] << ": control at " << f.controls[c].x
                                           << ", " << f.controls[c].y << " looks as in normal";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, SkinFamily, testing::ValuesIn(Families()),
                         [](const testing::TestParamInfo<Family>& info) {
                             std::string name;
                             for (char ch : info.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name;
                         });

// A page's "_BK" picture shows where its controls are hidden; everywhere
// else it must match the pictures the controls are cut from.
TEST(SkinPieces, PageBackgroundsMatchNormalOutsideTheControls) {
    int backgrounds = 0;
    for (const Family& f : Families()) {
        const QImage normal = Load(f.folder, f.files[0]);
        for (const std::string& file : f.extraFiles) {
            ++backgrounds;
            const QImage background = Load(f.folder, file);
            ASSERT_EQ(background.size(), normal.size()) << file;
            int changedOutside = 0;
            for (int y = 0; y < normal.height(); ++y) {
                for (int x = 0; x < normal.width(); ++x) {
                    const bool inAny =
                        std::any_of(f.controls.begin(), f.controls.end(),
                                    [&](const ControlRect& r) { return r.contains(x, y); });
                    changedOutside +=
                        !inAny && normal.pixel(x, y) != background.pixel(x, y) ? 1 : 0;
                }
            }
            EXPECT_EQ(changedOutside, 0) << file;
        }
    }
    EXPECT_EQ(backgrounds, 2);  // "ColorSetting_BK.bmp" and "MacroSetting_BK.bmp"
}

TEST(SkinPieces, PagesFillTheMainWindowsPageArea) {
    for (const char* file : {"MouseSetting_Normal.bmp", "Sensor_Normal.bmp", "ColorSetting_BK.bmp",
                             "MacroSetting_BK.bmp", "Support_Normal.bmp"}) {
        EXPECT_EQ(Load(ConfigSkinFolder(), file).size(),
                  QSize(layout::kPageRect.width, layout::kPageRect.height))
            << file;
    }
}

TEST(SkinPieces, SliderPicturesShareOneSizeAndTheNumberedThumbsDiffer) {
    const QImage normal = Load(ConfigSkinFolder(), "Slider_Normal.bmp");
    ASSERT_FALSE(normal.isNull());
    std::vector<QImage> numbered;
    for (const char* file : {"Slider_Disable.bmp", "Slider1.bmp", "Slider2.bmp", "Slider3.bmp"}) {
        const QImage thumb = Load(ConfigSkinFolder(), file);
        EXPECT_EQ(thumb.size(), normal.size()) << file;
        EXPECT_NE(thumb, normal) << file;
        numbered.push_back(thumb);
    }
    EXPECT_NE(numbered[1], numbered[2]);
    EXPECT_NE(numbered[2], numbered[3]);
    EXPECT_NE(numbered[1], numbered[3]);
}

// A thumb is drawn at the slider's top with its own size: it must not be
// taller than any slider it serves.
TEST(SkinPieces, SliderThumbsFitEverySlider) {
    const QImage thumb = Load(ConfigSkinFolder(), "Slider_Normal.bmp");
    ASSERT_FALSE(thumb.isNull());
    for (std::span<const layout::LayoutControl> page :
         {std::span<const layout::LayoutControl>(layout::kButtonPageControls),
          std::span<const layout::LayoutControl>(layout::kSensorPageControls)}) {
        for (const layout::LayoutControl& c : page) {
            if (c.kind == layout::ControlKind::Slider || c.kind == layout::ControlKind::Slider3D) {
                EXPECT_LE(thumb.height(), c.rect.height) << c.name;
                EXPECT_LT(thumb.width(), c.rect.width) << c.name;
            }
        }
    }
}

TEST(SkinPieces, ColorPanelShowsEachPresetColourInsideItsSwatch) {
    const QImage panel = Load(ConfigSkinFolder(), "ColorPanel.bmp");
    ASSERT_EQ(panel.size(), QSize(layout::kColorPanelSize.width, layout::kColorPanelSize.height));
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 5; ++column) {
            const ControlRect r = layout::SwatchRect(row, column);
            const layout::Rgb& c = layout::kPresetColors[row - 1][column - 1];
            const QRgb expected = qRgb(c.red, c.green, c.blue);
            // Every pixel of the hit rectangle shows the colour it picks.
            for (int y = r.y; y < r.bottom(); ++y) {
                for (int x = r.x; x < r.right(); ++x) {
                    ASSERT_EQ(panel.pixel(x, y), expected) << "swatch " << row << column;
                }
            }
        }
    }
}

TEST(SkinPieces, MouseIsTransparentOnlyInsideTheTwoLightZones) {
    const QImage mouse = Load(ConfigSkinFolder(), "Mouse.png");
    ASSERT_EQ(mouse.size(),
              QSize(layout::kMousePictureSize.width, layout::kMousePictureSize.height));
    const ControlRect wheel = layout::VisiblePart(layout::kScrollWheelZone);
    const ControlRect logo = layout::VisiblePart(layout::kLogoZone);
    int clearInWheel = 0;
    int clearInLogo = 0;
    int notOpaqueOutside = 0;
    for (int y = 0; y < mouse.height(); ++y) {
        for (int x = 0; x < mouse.width(); ++x) {
            const int alpha = qAlpha(mouse.pixel(x, y));
            if (wheel.contains(x, y)) {
                clearInWheel += alpha == 0 ? 1 : 0;
            } else if (logo.contains(x, y)) {
                clearInLogo += alpha == 0 ? 1 : 0;
            } else {
                notOpaqueOutside += alpha != 255 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(clearInWheel, 0);
    EXPECT_GT(clearInLogo, 0);
    EXPECT_EQ(notOpaqueOutside, 0);
    // A shape, not a hole as large as the zone: the zones are not cleared whole.
    EXPECT_LT(clearInWheel, wheel.width * wheel.height);
    EXPECT_LT(clearInLogo, logo.width * logo.height);
}

TEST(SkinPieces, SurfacePicturesRiseWithTheQualityClass) {
    const QImage none = Load(ConfigSkinFolder(), "0.bmp");
    ASSERT_EQ(none.size(),
              QSize(layout::kSurfacePictureSize.width, layout::kSurfacePictureSize.height));
    int previous = 0;
    for (int level = 10; level <= 100; level += 10) {
        const QImage picture = Load(ConfigSkinFolder(), std::to_string(level) + ".bmp");
        ASSERT_EQ(picture.size(), none.size()) << level;
        int changed = 0;
        for (int y = 0; y < none.height(); ++y) {
            for (int x = 0; x < none.width(); ++x) {
                changed += picture.pixel(x, y) != none.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_GT(changed, previous) << level << ".bmp shows no more than the class below";
        previous = changed;
    }
}

TEST(SkinPieces, AnalysisFramesFitTheirLabelAndDifferFromEachOther) {
    std::vector<QImage> frames;
    for (const char* file : {"TQA2-1.bmp", "TQA2-2.bmp", "TQA2-3.bmp"}) {
        frames.push_back(Load(ConfigSkinFolder(), file));
        EXPECT_EQ(frames.back().size(),
                  QSize(layout::kAnalysisFrameSize.width, layout::kAnalysisFrameSize.height))
            << file;
    }
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_NE(frames[1], frames[2]);
    EXPECT_NE(frames[0], frames[2]);
}

}  // namespace
}  // namespace solune::skintest
