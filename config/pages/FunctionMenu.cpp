#include "config/pages/FunctionMenu.h"

#include "config/profiles/ButtonFunction.h"
#include "shared/skin/CVixComboButton.h"

namespace solune {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void BuildFunctionMenu(CVixComboButton& selector) {
    selector.AddItem(kDefaultCommandsRow, QStringLiteral("Default Commands"));
    selector.menu()
        ->GetSubMenu(kDefaultCommandsRow)
        ->resize(kDefaultCommandsWidth, kDefaultCommandsHeight);
    for (const FunctionMenuRow& row : kFunctionMenuRows) {
        if (row.inDefaultCommands) {
            selector.AddSubItem(kDefaultCommandsRow, row.id, Text(row.text));
        } else {
            selector.AddItem(row.id, Text(row.text));
        }
    }
}

void ClearMacroRows(CVixComboButton& selector) {
    if (CVixMenu* menu = selector.menu()) {
        menu->GetSubMenu(kRecordMacro)->RemoveAllItems();
    }
}

void AddMacroRow(CVixComboButton& selector, const MacroListRow& row) {
    selector.AddSubItem(kRecordMacro, row.id, QString::fromStdU16String(row.listText));
}

bool ShowMenuRow(CVixComboButton& selector, int code) {
    if (code < 0 || code >= kButtonFunctionCount) {
        return false;
    }
    CVixMenu* menu = selector.menu();
    const MenuItem* item = menu ? menu->FindItem(code) : nullptr;
    if (!item) {
        return false;
    }
    selector.setCaption(item->text);
    selector.setChosenItemId(code);
    return true;
}

}  // namespace solune
