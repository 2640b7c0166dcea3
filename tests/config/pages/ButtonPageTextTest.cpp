// Every text the button page writes, at its longest: the rows of all nine
// function menus and their sub-menus (with macros named alike and the
// longest name the name edit takes), and the selectors' captions after a
// choice. No letter is cut: a text is whole, or, where its place cannot grow,
// cut at a letter and closed with "…".

#include <QFontMetrics>
#include <QLineEdit>

#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixMenu.h"
#include "tests/config/pages/ButtonPageFixture.h"

namespace solune {
namespace {

using test::WholeOrElided;

class ButtonPageText : public test::ButtonPageFixture {
  protected:
    ButtonPageText() {
        macros.Add(16, u"Jump");
        macros.Add(17, u"Jump(1)");
        macros.Add(18, u"jUMP");
        macros.Add(19, u"Open the browser, wait, then type the address of the support site");
        // The macro list's name edit takes as many letters as a line edit
        // does; a name that long must still leave the menu on the screen.
        macros.Add(20, std::u16string(QLineEdit().maxLength(), u'W'));
        page->RefreshMacroMenus();
    }
};

TEST_F(ButtonPageText, EveryRowOfEveryFunctionMenuIsWhole) {
    for (int k = 0; k < kButtonCount; ++k) {
        SCOPED_TRACE(k);
        CVixMenu* menu = OpenMenu(k);
        ASSERT_TRUE(menu != nullptr && menu->isVisible());
        const std::vector<QString> rows = test::ExpectEveryRowWhole(*menu);
        // The top rows, the default commands and the five macros were met.
        EXPECT_EQ(rows.size(), 9u + 7u + 5u);
        CVixMenu* macroMenu = menu->GetSubMenu(14);
        ASSERT_TRUE(macroMenu->isVisible());
        // Names that differ only in their ends or their case read apart.
        EXPECT_EQ(macroMenu->shownRowText(0), "Jump");
        EXPECT_EQ(macroMenu->shownRowText(1), "Jump(1)");
        EXPECT_EQ(macroMenu->shownRowText(2), "jUMP");
        menu->Close();
    }
}

TEST_F(ButtonPageText, ACaptionTooLongForItsSelectorEndsInAnEllipsis) {
    const std::vector<QString> choices = {
        "Jump(1)", "Open the browser, wait, then type the address of the support site",
        "Profile switch down", "Scroll down"};
    for (const QString& choice : choices) {
        SCOPED_TRACE(choice.toStdString());
        ASSERT_TRUE(Choose(3, choice));
        CVixComboButton& selector = Selector(3);
        EXPECT_EQ(selector.caption(), choice);
        const QString shown = selector.shownCaption();
        EXPECT_TRUE(WholeOrElided(shown, choice)) << shown.toStdString();
        // The caption starts 9 pixels in and stays on the button.
        EXPECT_LE(QFontMetrics(selector.textFont()).horizontalAdvance(shown) + 9, selector.width());
        EXPECT_EQ(shown == choice, choice.size() < 30);
    }
}

}  // namespace
}  // namespace solune
