// The main window and its real pages at the display's scale: the test program
// runs once at each device pixel ratio (QT_SCALE_FACTOR 1, 1.5 and 2; see
// CMakeLists.txt) and checks what the user sees at that ratio. The grabs have
// the logical size times the ratio; at 2 the grabs are the 2x pictures' own
// pixels wherever no control draws (so nothing was enlarged); the same logical
// points reach the same controls at every ratio; a missing 2x picture falls
// back to the ordinary one without a failure; and the pictures wait until a
// window needs them.

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <set>

#include "config/macros/widgets/CMacroSettingsDlg.h"
#include "config/pages/CColorSettingsDlg.h"
#include "config/pages/CMouseSettingsDlg.h"
#include "config/pages/CSensorDlg.h"
#include "config/pages/CSupportDlg.h"
#include "shared/layout/MainWindowLayout.h"
#include "shared/layout/PictureScales.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinLibrary.h"
#include "tests/config/app/VeskWindowFixture.h"

namespace solune::test {
namespace {

using layout::kMainControls;
using layout::kPageRect;

// The page shown by each page button, and the picture its background is.
struct PageCase {
    int button;
    const char* background;
};
constexpr PageCase kPageCases[] = {
    {layout::kMouseSettingsButtonId, "MouseSetting_Normal.bmp"},
    {layout::kSensorButtonId, "Sensor_Normal.bmp"},
    {layout::kColorButtonId, "ColorSetting_BK.bmp"},
    {layout::kMacroButtonId, "MacroSetting_BK.bmp"},
    {layout::kSupportButtonId, "Support_Normal.bmp"},
};

const char* NameOf(int id) {
    for (const layout::LayoutControl& row : kMainControls) {
        if (row.id == id) {
            return row.name.data();
        }
    }
    return "";
}

QRect ToQRect(const layout::ControlRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

class VeskScaleTest : public VeskWindowFixture {
  protected:
    VeskScaleTest() { realPages = true; }

    // Opens the window with the program's pages and keeps the skin library
    // they are given.
    CVESKDlg& OpenWithPages() {
        VeskEnvironment env = Environment();
        env.makePages = [this](const PageContext& context) {
            m_skin = context.skin;
            return MakeRealPages(context);
        };
        m_window = std::make_unique<CVESKDlg>(std::move(env));
        m_window->OnInitDialog();
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }

    // The page the window shows now in its page area.
    SkinPage* ShownPage() {
        for (SkinPage* page : m_window->findChildren<SkinPage*>(Qt::FindDirectChildrenOnly)) {
            if (page->isVisible() && page->geometry() == ToQRect(kPageRect)) {
                return page;
            }
        }
        return nullptr;
    }

    static double Ratio() { return qApp->devicePixelRatio(); }

    static QImage Picture(const std::string& file, int scale) {
        return Load(layout::ScaledPictureFile(file, scale));
    }
    static QImage Load(const std::string& file) {
        const QImage image(
            QString::fromStdString((std::filesystem::path(SOLUNE_VESK_SKIN_DIR) / file).string()));
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    // How many pixels of `grab` (of a widget at the window's origin `offset`)
    // differ from `picture` inside `area` (logical, widget coordinates) but
    // outside every rectangle of `skip`; both are at scale 2.
    static int Differing(const QImage& grab, const QImage& picture, const QRect& area,
                         const std::vector<QRect>& skip) {
        int differing = 0;
        for (int y = area.top() * 2; y < (area.bottom() + 1) * 2; ++y) {
            for (int x = area.left() * 2; x < (area.right() + 1) * 2; ++x) {
                const QPoint logical(x / 2, y / 2);
                const bool skipped =
                    std::any_of(skip.begin(), skip.end(),
                                [&](const QRect& r) { return r.contains(logical); });
                if (!skipped && grab.pixel(x, y) != picture.pixel(x, y)) {
                    ++differing;
                }
            }
        }
        return differing;
    }

    SkinLibrary* m_skin = nullptr;
};

TEST_F(VeskScaleTest, GrabsHaveTheLogicalSizeTimesTheRatio) {
    CVESKDlg& window = OpenWithPages();
    const double ratio = Ratio();
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(Grab(&window).size(), (QSizeF(800, 600) * ratio).toSize());
    for (const PageCase& page : kPageCases) {
        SCOPED_TRACE(page.background);
        ClickOn(NameOf(page.button));
        SkinPage* shown = ShownPage();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(Grab(shown).size(), (QSizeF(kPageRect.width, kPageRect.height) * ratio).toSize());
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(VeskScaleTest, AtTwiceTheScaleTheGrabsAreTheLargePicturesPixels) {
    if (Ratio() != 2.0) {
        GTEST_SKIP() << "runs at device pixel ratio 2";
    }
    CVESKDlg& window = OpenWithPages();
    // The main window outside its controls and the page area.
    std::vector<QRect> controls;
    for (const layout::LayoutControl& row : kMainControls) {
        controls.push_back(ToQRect(row.rect));
    }
    controls.push_back(ToQRect(kPageRect));
    EXPECT_EQ(Differing(Grab(&window), Picture("Main_Normal.bmp", 2), window.rect(), controls), 0);
    // The chosen page button shows its down picture, text included.
    const QRect chosen = ToQRect(kMainControls[0].rect);
    EXPECT_EQ(Differing(Grab(&window), Picture("Main_Down.bmp", 2), chosen, {}), 0);
    // Each page outside its own controls (which may draw live text).
    for (const PageCase& page : kPageCases) {
        SCOPED_TRACE(page.background);
        ClickOn(NameOf(page.button));
        SkinPage* shown = ShownPage();
        ASSERT_NE(shown, nullptr);
        std::vector<QRect> children;
        for (QWidget* child : shown->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            children.push_back(child->geometry());
        }
        EXPECT_EQ(Differing(Grab(shown), Picture(page.background, 2), shown->rect(), children), 0);
    }
}

TEST_F(VeskScaleTest, TheSameLogicalPointsReachTheSameControls) {
    CVESKDlg& window = OpenWithPages();
    for (const layout::LayoutControl& row : kMainControls) {
        const QRect r = ToQRect(row.rect);
        for (const QPoint point : {r.center(), r.topLeft(), r.bottomRight()}) {
            const QWidget* hit = window.childAt(point);
            ASSERT_NE(hit, nullptr) << row.name << " at " << point.x() << "," << point.y();
            EXPECT_EQ(hit->objectName().toStdString(), row.name)
                << point.x() << "," << point.y();
        }
    }
    // A click at a page button's logical centre chooses that page.
    for (const PageCase& page : kPageCases) {
        ClickOn(NameOf(page.button));
        SkinPage* shown = ShownPage();
        ASSERT_NE(shown, nullptr);
        const QImage expected = Load(page.background);
        EXPECT_EQ(shown->backgroundImage().deviceIndependentSize().toSize(), expected.size())
            << page.background;
        EXPECT_EQ(Control<CVixButton>(NameOf(page.button))->isSelected(), true) << page.background;
    }
}

TEST_F(VeskScaleTest, AMissingLargePictureFallsBackToTheOrdinaryOne) {
    // A copy of the skin without the large main window and button page.
    const std::filesystem::path copy = m_dir / "skin";
    std::filesystem::copy(SOLUNE_VESK_SKIN_DIR, copy);
    for (const char* file : {"Main_Normal@2x.bmp", "MouseSetting_Normal@2x.bmp"}) {
        ASSERT_TRUE(std::filesystem::remove(copy / file)) << file;
    }
    skinFolder = copy;
    CVESKDlg& window = OpenWithPages();
    QTest::qWait(0);
    EXPECT_TRUE(m_messages.messages.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(Grab(&window).size(), (QSizeF(800, 600) * Ratio()).toSize());
    EXPECT_EQ(m_log, PageLog{}) << "the program did not ask to end";
    if (Ratio() == 2.0) {
        // The main window is the ordinary picture enlarged: not the large
        // picture's pixels (which the pixel comparison above relies on).
        std::vector<QRect> controls{ToQRect(kPageRect)};
        for (const layout::LayoutControl& row : kMainControls) {
            controls.push_back(ToQRect(row.rect));
        }
        EXPECT_GT(Differing(Grab(&window), Picture("Main_Normal.bmp", 2), window.rect(), controls),
                  1000);
    }
}

TEST_F(VeskScaleTest, PicturesWaitUntilAWindowNeedsThem) {
    OpenWithPages();
    ASSERT_NE(m_skin, nullptr);
    const auto decoded = [this](const char* file) { return m_skin->isDecoded(skin::SlotOf(file)); };
    // The first screen: the main window and the button page.
    EXPECT_TRUE(decoded("Main_Normal.bmp"));
    EXPECT_TRUE(decoded("MouseSetting_Normal.bmp"));
    // The dialogs' pictures, and those of the pages that cut theirs when first
    // shown, wait.
    for (const char* file :
         {"ReName_Normal.bmp", "LeftClickWarn_Normal.bmp", "DeleteMacro_Normal.bmp",
          "ResetWarn_Normal.bmp", "AssignKey_Normal.bmp", "SensorMira1_Normal.bmp",
          "MacroSetting_Normal.bmp", "MacroSetting_Over.bmp", "MacroSetting_BK.bmp",
          "Support_Normal.bmp", "Support_Over.bmp", "Support_Down.bmp"}) {
        EXPECT_FALSE(decoded(file)) << file;
    }
    // Showing a page decodes its own pictures and no other page's.
    ClickOn(NameOf(layout::kMacroButtonId));
    EXPECT_TRUE(decoded("MacroSetting_BK.bmp"));
    EXPECT_TRUE(decoded("MacroSetting_Over.bmp"));
    EXPECT_FALSE(decoded("Support_Normal.bmp"));
    ClickOn(NameOf(layout::kSupportButtonId));
    EXPECT_TRUE(decoded("Support_Normal.bmp"));
    EXPECT_TRUE(decoded("Support_Over.bmp"));
    // Showing the pages again decodes nothing.
    const int count = m_skin->decodeCount();
    for (const PageCase& page : kPageCases) {
        ClickOn(NameOf(page.button));
    }
    ClickOn(NameOf(layout::kMouseSettingsButtonId));
    EXPECT_EQ(m_skin->decodeCount(), count);
    EXPECT_FALSE(decoded("ReName_Normal.bmp"));
}

}  // namespace
}  // namespace solune::test
