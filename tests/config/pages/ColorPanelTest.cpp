// The zone colour buttons and their colour panel: opened below the button by
// a click, closed by a second click, by a pick, or by the two-second check
// when the pointer has left both (the check is ticked by hand); by keys, Space
// opens and closes it and Escape closes it.

#include <QAccessible>
#include <QCursor>

#include "config/pages/CColorSettingsDlg.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/skin/CVixMouseStatic.h"
#include "tests/config/pages/PageFixture.h"

namespace solune::test {
namespace {

class ColorPanelTest : public PageFixture {
  protected:
    void SetUp() override {
        page = std::make_unique<CColorSettingsDlg>(Context());
        ShowPage(page.get());
        ClickOn(page.get(), "Select");
        one = Find<CVixCbnColorButton>(page.get(), "1");
        four = Find<CVixCbnColorButton>(page.get(), "4");
        preview = Find<CVixMouseStatic>(page.get(), "Mouse");
    }

    std::unique_ptr<CColorSettingsDlg> page;
    CVixCbnColorButton* one = nullptr;
    CVixCbnColorButton* four = nullptr;
    CVixMouseStatic* preview = nullptr;
};

TEST_F(ColorPanelTest, HoldsTheTwentySwatchesInPresetOrder) {
    CColorPanel* panel = one->panel();
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(panel->swatchCount(), 20);
    EXPECT_EQ(panel->swatch(0).color, 0x000000FFu);  // 255, 0, 0
    EXPECT_EQ(panel->swatch(0).left, 1);
    EXPECT_EQ(panel->swatch(0).top, 1);
    EXPECT_EQ(panel->swatch(0).right, 21);
    EXPECT_EQ(panel->swatch(0).bottom, 21);
    const CColorButton& last = panel->swatch(19);  // 255, 10, 10
    EXPECT_EQ(last.color, 0x000A0AFFu);
    EXPECT_EQ(QRect(QPoint(last.left, last.top), QPoint(last.right - 1, last.bottom - 1)),
              QRect(82, 62, 19, 19));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(one->currentColor(), 255u);
}

TEST_F(ColorPanelTest, ClickOpensBelowTheButtonAndASecondClickCloses) {
    ClickOn(page.get(), "1");
    CColorPanel* panel = one->panel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), one->mapToGlobal(QPoint(0, one->height())));
    EXPECT_EQ(panel->size(), skin.Picture(31).size());
    EXPECT_TRUE(panel->isWindow());
    EXPECT_TRUE(panel->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    ClickOn(page.get(), "1");
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(ColorPanelTest, PickingASwatchClosesThePanelAndColoursTheZone) {
    PickSwatch(page.get(), "1", 1, 4);  // 255, 150, 0
    EXPECT_FALSE(one->panel()->isVisible());
    EXPECT_EQ(one->currentColor(), 0x000096FFu);
    EXPECT_EQ(preview->scrollWheelColor(), 0xFFFF9600u);
    EXPECT_NE(preview->logoColor(), 0xFFFF9600u);
    PickSwatch(page.get(), "4", 3, 4);  // blue
    EXPECT_EQ(preview->logoColor(), 0xFF0000FFu);
    Profile p;
    page->StoreToProfile(p);
    EXPECT_EQ(p.zoneColors[0], 0x000096FFu);
    EXPECT_EQ(p.zoneColors[3], 0x00FF0000u);
}

TEST_F(ColorPanelTest, AScreenReaderNamesEachSwatchAndPicksItAsAClickDoes) {
    ClickOn(page.get(), "1");
    CColorPanel* panel = one->panel();
    ASSERT_TRUE(panel->isVisible());
    QAccessibleInterface* swatches = QAccessible::queryAccessibleInterface(panel);
    ASSERT_NE(swatches, nullptr);
    EXPECT_EQ(swatches->role(), QAccessible::List);
    ASSERT_EQ(swatches->childCount(), 20);
    EXPECT_EQ(swatches->child(0)->text(QAccessible::Name), "Red 255, green 0, blue 0");
    QAccessibleInterface* orange = swatches->child(3);  // row 1, column 4: 255, 150, 0
    EXPECT_EQ(orange->role(), QAccessible::ListItem);
    EXPECT_EQ(orange->text(QAccessible::Name), "Red 255, green 150, blue 0");
    orange->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(ProcessUntil([&] { return !panel->isVisible(); }));
    EXPECT_EQ(one->currentColor(), 0x000096FFu);
    EXPECT_EQ(preview->scrollWheelColor(), 0xFFFF9600u);
}

TEST_F(ColorPanelTest, LeavingSelectModeClosesAnOpenPanel) {
    ClickOn(page.get(), "1");
    ASSERT_TRUE(one->panel()->isVisible());
    ClickOn(page.get(), "ON");  // hides "1"
    EXPECT_FALSE(one->panel()->isVisible());
}

TEST_F(ColorPanelTest, SpaceOpensThePanelAndEscapeClosesIt) {
    one->setFocus(Qt::TabFocusReason);
    QTest::keyClick(one, Qt::Key_Space);
    CColorPanel* panel = one->panel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), one->mapToGlobal(QPoint(0, one->height())));
    QTest::keyClick(one, Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(one->currentColor(), 255u);
    QTest::keyClick(one, Qt::Key_Space);
    EXPECT_TRUE(panel->isVisible());
    QTest::keyClick(one, Qt::Key_Space);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(ColorPanelTest, ClickBetweenSwatchesKeepsThePanelOpen) {
    ClickOn(page.get(), "1");
    CColorPanel* panel = one->panel();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    Click(panel, QPoint(0, 0));  // the frame around the swatches
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(panel->isPressed());
}

TEST_F(ColorPanelTest, HidesAtTheCheckOnlyWhenThePointerLeftPanelAndButton) {
    ClickOn(page.get(), "1");
    CColorPanel* panel = one->panel();
    ASSERT_NE(panel->hideTimerId(), 0);
    const int timer = panel->hideTimerId();

    QCursor::setPos(one->mapToGlobal(one->rect().center()));
    Tick(panel, timer);
    EXPECT_TRUE(panel->isVisible());
    QCursor::setPos(panel->geometry().center());
    Tick(panel, timer);
    EXPECT_TRUE(panel->isVisible());
    QCursor::setPos(page->mapToGlobal(QPoint(400, 300)));
    Tick(panel, timer);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(panel->hideTimerId(), 0);
}

}  // namespace
}  // namespace solune::test
