// The function menus of the button page: their rows, choosing through them,
// and the macro rows under "Assign record macro".

#include "config/pages/FunctionMenu.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixMenu.h"
#include "tests/config/pages/ButtonPageFixture.h"

namespace solune {
namespace {

using test::RowCenter;
using test::RowIndex;

class ButtonPageMenu : public test::ButtonPageFixture {};

std::vector<std::pair<int, QString>> Rows(const SkinMenu* menu) {
    std::vector<std::pair<int, QString>> rows;
    for (int i = 0; i < menu->rowCount(); ++i) {
        rows.emplace_back(menu->row(i).id, menu->row(i).text);
    }
    return rows;
}

TEST_F(ButtonPageMenu, EverySelectorHasTheFunctionMenuInItsOrder) {
    const std::vector<std::pair<int, QString>> top = {
        {255, "Default Commands"},    {9, "Profile switch up"},    {10, "Profile switch down"},
        {8, "Profile switch roll"},   {11, "Scroll up"},           {12, "Scroll down"},
        {13, "Single key assign..."}, {14, "Assign record macro"}, {15, "Disable Button"}};
    const std::vector<std::pair<int, QString>> defaults = {
        {0, "Left Click"}, {1, "Right Click"}, {2, "Scroll Click"}, {3, "Forward"},
        {4, "Back"},       {5, "Dpi up"},      {6, "Dpi down"}};
    for (int k = 0; k < kButtonCount; ++k) {
        SCOPED_TRACE(k);
        CVixMenu* menu = Selector(k).menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(Rows(menu), top);
        EXPECT_TRUE(menu->row(0).hasSubMenu);
        CVixMenu* sub = menu->GetSubMenu(255);
        EXPECT_EQ(Rows(sub), defaults);
        EXPECT_EQ(sub->width(), 100);
        EXPECT_EQ(menu->FindItem(7), nullptr);
        // No macro yet: "Assign record macro" is a row like the others.
        EXPECT_FALSE(menu->row(7).hasSubMenu);
    }
}

TEST_F(ButtonPageMenu, ChoosingThroughTheMenusSetsCaptionAndCode) {
    Selector(5).SetSelection(Selector(5).caption(), Selector(5).chosenItemId(), 77);
    ASSERT_TRUE(Choose(5, "Dpi down"));
    EXPECT_EQ(Selector(5).caption(), "Dpi down");
    EXPECT_EQ(Selector(5).chosenItemId(), 6);
    EXPECT_EQ(Selector(5).chosenValue(), 77);  // the value stays as it was
    EXPECT_FALSE(Selector(5).menu()->isVisible());

    ASSERT_TRUE(Choose(8, "Profile switch roll"));
    EXPECT_EQ(Selector(8).caption(), "Profile switch roll");
    EXPECT_EQ(Selector(8).chosenItemId(), 8);
    EXPECT_EQ(popUpsSeen(), 0);
}

TEST_F(ButtonPageMenu, TheDefaultCommandsRowChoosesNothing) {
    CVixMenu* menu = OpenMenu(2);
    ASSERT_TRUE(menu->isVisible());
    test::Click(menu, RowCenter(menu, 0));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->GetSubMenu(255)->isVisible());
    EXPECT_EQ(Selector(2).caption(), "Scroll Click");
    EXPECT_EQ(Selector(2).chosenItemId(), 2);
    menu->Close();
}

TEST_F(ButtonPageMenu, AddedMacrosBecomeRowsUnderAssignRecordMacro) {
    macros.Add(16, u"Reload", 0x52);
    macros.Add(17, u"Jump", 0x20);
    page->RefreshMacroMenus();
    page->RefreshMacroMenus();  // a second refresh adds no row twice
    for (int k = 0; k < kButtonCount; ++k) {
        CVixMenu* menu = Selector(k).menu();
        EXPECT_TRUE(menu->row(7).hasSubMenu);
        const std::vector<std::pair<int, QString>> expected = {{16, "Reload"}, {17, "Jump"}};
        EXPECT_EQ(Rows(menu->GetSubMenu(14)), expected);
    }

    // "Assign record macro" now only opens the sub-menu.
    CVixMenu* menu = OpenMenu(4);
    test::Click(menu, RowCenter(menu, 7));
    EXPECT_TRUE(menu->GetSubMenu(14)->isVisible());
    EXPECT_EQ(Selector(4).chosenItemId(), 4);
    menu->Close();

    ASSERT_TRUE(Choose(4, "Jump"));
    EXPECT_EQ(Selector(4).caption(), "Jump");
    EXPECT_EQ(Selector(4).chosenItemId(), 14);
    EXPECT_EQ(Selector(4).chosenValue(), 17);

    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.buttons[4].function, kRecordMacro);
    EXPECT_EQ(profile.buttons[4].parameter, 17);
    EXPECT_EQ(profile.macros[4], *macros.MacroById(17));
    EXPECT_EQ(profile.macros[4].events.size(), 2u);
}

TEST_F(ButtonPageMenu, AMacroIdBeyondSixteenBitsIsNotTakenForAnother) {
    // 65552 has the low 16 bits of 16.
    macros.Add(16, u"Near");
    macros.Add(65552, u"Far");
    page->RefreshMacroMenus();
    ASSERT_TRUE(Choose(3, "Far"));
    EXPECT_EQ(Selector(3).chosenValue(), 65552);
    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.buttons[3].function, kForward);
    EXPECT_EQ(profile.buttons[3].parameter, 0);
    EXPECT_TRUE(profile.macros[3].name.empty());
}

TEST_F(ButtonPageMenu, RefreshFollowsTheMacroList) {
    macros.Add(16, u"A");
    macros.Add(17, u"B");
    page->RefreshMacroMenus();
    macros.Remove(16);
    macros.Add(18, u"C");
    page->RefreshMacroMenus();
    const std::vector<std::pair<int, QString>> expected = {{17, "B"}, {18, "C"}};
    EXPECT_EQ(Rows(Selector(0).menu()->GetSubMenu(14)), expected);
}

TEST_F(ButtonPageMenu, AfterTheLastMacroIsRemovedItsRowOpensAndChoosesNothing) {
    macros.Add(16, u"Only");
    page->RefreshMacroMenus();
    macros.Remove(16);
    page->RefreshMacroMenus();

    CVixMenu* menu = OpenMenu(3);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->row(7).hasSubMenu);
    CVixMenu* sub = menu->GetSubMenu(14);
    EXPECT_EQ(sub->rowCount(), 0);
    EXPECT_EQ(sub->hoverIndex(), -1);

    // Over the row: no sub-menu opens. Clicking it: nothing is chosen and the
    // menu stays open.
    test::MoveTo(menu, RowCenter(menu, 7));
    EXPECT_FALSE(sub->isVisible());
    test::Click(menu, RowCenter(menu, 7));
    EXPECT_FALSE(sub->isVisible());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Selector(3).caption(), "Forward");
    EXPECT_EQ(Selector(3).chosenItemId(), 3);
    menu->Close();
}

TEST_F(ButtonPageMenu, TheArrowShowsOnlyWhileTheMacroSubMenuHasRows) {
    // The arrow is drawn at the right end of the row, left of the 15-pixel
    // margin; compare that strip with and without macros.
    auto arrowStrip = [this] {
        CVixMenu* menu = OpenMenu(1);
        const MenuRect& r = menu->row(7).rect;
        const QImage strip = test::Grab(menu).copy(r.right - 5, r.top, 10, r.bottom - r.top);
        menu->Close();
        return strip;
    };
    const QImage plain = arrowStrip();
    macros.Add(16, u"M");
    page->RefreshMacroMenus();
    const QImage withRows = arrowStrip();
    macros.Remove(16);
    page->RefreshMacroMenus();
    const QImage emptied = arrowStrip();
    EXPECT_NE(plain, withRows);
    EXPECT_EQ(plain, emptied);
}

TEST_F(ButtonPageMenu, AssignRecordMacroWithoutMacrosFallsBackAtStore) {
    ASSERT_TRUE(Choose(6, "Assign record macro"));
    EXPECT_EQ(Selector(6).caption(), "Assign record macro");
    EXPECT_EQ(Selector(6).chosenItemId(), 14);

    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.buttons[6].function, profile.buttons[6].fallbackFunction);
    EXPECT_EQ(profile.buttons[6].function, kDpiDown);
    EXPECT_EQ(profile.buttons[6].parameter, 0);
    page->LoadFromProfile(profile);
    EXPECT_EQ(Selector(6).caption(), "Dpi down");
}

}  // namespace
}  // namespace solune
