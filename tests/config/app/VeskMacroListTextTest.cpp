// The main window with the real pages over a library that holds two macros of
// one name: the save gives the second one a distinguishing "1", on disk and
// in memory, while the macro-name list and the button page's menus go on
// showing the text the list showed.

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "config/macros/MacroFile.h"
#include "config/macros/widgets/CMacroSettingsDlg.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/pages/FunctionMenu.h"
#include "config/profiles/DataStream.h"
#include "config/profiles/set/ProfileFiles.h"
#include "shared/skin/CVixMenu.h"
#include "tests/config/app/VeskWindowFixture.h"

namespace solune::test {
namespace {

QPoint RowCentre(const SkinMenu& menu, int index) {
    const MenuRect& r = menu.row(index).rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class VeskMacroListText : public VeskWindowFixture {
  protected:
    VeskMacroListText() { realPages = true; }

    std::filesystem::path MacroFolder() const { return DataFolder(m_dir / "config") / "Macros"; }

    // Macros `ids`, all named `name`, in files of other names, as copied in
    // by hand or written on a file system that ignores case.
    void WriteSameNamedMacros(const std::u16string& name, const std::vector<std::int32_t>& ids) {
        std::filesystem::create_directories(MacroFolder());
        std::vector<std::u16string> listed;
        for (std::int32_t id : ids) {
            CMacro macro(nullptr, MacroRect{0, 0, 200, 199}, id, name);
            macro.AddEvent(kMacroKey, 0x41, kEdgePress, 0, kInsertAppend);
            const std::filesystem::path file =
                MacroFolder() / ("m" + std::to_string(id) + ".macro");
            ASSERT_TRUE(SaveMacroFile(macro, file));
            listed.push_back(file.u16string());
        }
        DataStream index;
        WriteMacroList(index, listed);
        ASSERT_TRUE(index.SaveFile(MacroFolder() / kMacroListFileName));
    }

    std::vector<QString> ListTexts() {
        auto* page = dynamic_cast<CMacroSettingsDlg*>(
            m_window->findChild<QWidget*>(QStringLiteral("CMacroSettingsDlg")));
        EXPECT_NE(page, nullptr);
        const CVixListBox* list = page != nullptr ? page->macroList() : nullptr;
        std::vector<QString> texts;
        for (int i = 0; list != nullptr && i < list->rowCount(); ++i) {
            texts.push_back(list->rowText(i));
        }
        return texts;
    }

    // The rows under "Assign record macro" in button 1's function menu, as
    // the user opens it.
    std::vector<QString> ButtonMenuMacroTexts() {
        auto* selector = Control<CVixComboButton>("Function1");
        ClickOn(selector);
        SkinMenu* menu = selector->menu();
        std::vector<QString> texts;
        if (menu == nullptr || !menu->isVisible()) {
            ADD_FAILURE() << "the function menu did not open";
            return texts;
        }
        for (int i = 0; i < menu->rowCount(); ++i) {
            if (menu->row(i).id == kRecordMacro) {
                MoveTo(menu, RowCentre(*menu, i) - QPoint(0, 1));
                MoveTo(menu, RowCentre(*menu, i));
                SkinMenu* sub = menu->GetSubMenu(kRecordMacro);
                EXPECT_TRUE(sub != nullptr && sub->isVisible());
                for (int k = 0; sub != nullptr && k < sub->rowCount(); ++k) {
                    texts.push_back(sub->row(k).text);
                }
            }
        }
        menu->Close();
        return texts;
    }
};

TEST_F(VeskMacroListText, ASaveThatRenamesAMacroLeavesTheListAndTheMenusShowingTheListText) {
    WriteSameNamedMacros(u"X", {16, 17});
    CVESKDlg& window = Open();
    EXPECT_EQ(ButtonMenuMacroTexts(), (std::vector<QString>{"X", "X"}));

    ClickOn("Apply");
    EXPECT_TRUE(std::filesystem::exists(MacroFolder() / "X.macro"));
    EXPECT_TRUE(std::filesystem::exists(MacroFolder() / "X1.macro"));
    const auto& macros = window.macros().library().macros();
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[0]->name, u"X");
    EXPECT_EQ(macros[1]->name, u"X1");

    ClickOn("Macro Settings");
    EXPECT_EQ(ListTexts(), (std::vector<QString>{"X", "X"}));
    // Back on the button page, its menus are built again from the list.
    ClickOn("Mouse Settings");
    EXPECT_EQ(ButtonMenuMacroTexts(), (std::vector<QString>{"X", "X"}));
}

}  // namespace
}  // namespace solune::test
