#include "config/macros/widgets/EventListMenu.h"

#include <QRect>
#include <QString>
#include <array>

#include "config/profiles/CMacroEvent.h"
#include "shared/skin/CVixMenu.h"

namespace solune {
namespace {

struct MouseSubMenu {
    int id;
    const char* text;
    std::uint8_t kind;
    std::int16_t code;
    bool hasClick;  // "Click" after "Down" and "Up"; the wheel has none
};

// The mouse sub-menus in menu order; their items follow as id + 1 "Down",
// id + 2 "Up" and id + 3 "Click".
constexpr std::array<MouseSubMenu, 6> kMouseSubMenus = {{
    {7, "Left button", kMacroMouseButton, 1, true},
    {11, "Right button", kMacroMouseButton, 2, true},
    {15, "Middle button", kMacroMouseButton, 4, true},
    {19, "Forward button", kMacroMouseButton, 167, true},
    {23, "Back button", kMacroMouseButton, 166, true},
    {27, "Scroll wheel", kMacroWheel, 0, false},
}};

// The wheel's two items are its steps, each one press row.
constexpr int kWheelDownItem = 28;
constexpr int kWheelUpItem = 29;

constexpr int kDownOffset = 1;
constexpr int kUpOffset = 2;
constexpr int kClickOffset = 3;

struct TopItem {
    int id;
    const char* text;
};
constexpr std::array<TopItem, 6> kTopItems = {{
    {kMenuRecordBefore, "Start record before event"},
    {kMenuRecordAfter, "Start record after event"},
    {kMenuInsertMouse, "Insert mouse event"},
    {kMenuInsertDelay, "Insert delay"},
    {kMenuEditDelay, "Edit delay"},
    {kMenuDelete, "Delete"},
}};

constexpr int kMenuWidth = 170;
constexpr int kMouseMenuWidth = 120;
constexpr int kMenuHeight = 20;

}  // namespace

bool IsMouseSubMenu(int menuId) {
    for (const MouseSubMenu& sub : kMouseSubMenus) {
        if (sub.id == menuId) {
            return true;
        }
    }
    return false;
}

std::vector<InsertedRow> RowsOfMouseCommand(int item) {
    if (item == kWheelDownItem) {
        return {{kMacroWheel, kWheelDownCode, kEdgePress}};
    }
    if (item == kWheelUpItem) {
        return {{kMacroWheel, kWheelUpCode, kEdgePress}};
    }
    for (const MouseSubMenu& sub : kMouseSubMenus) {
        if (!sub.hasClick) {
            continue;
        }
        const InsertedRow down{sub.kind, sub.code, kEdgePress};
        const InsertedRow up{sub.kind, sub.code, kEdgeRelease};
        if (item == sub.id + kDownOffset) {
            return {down};
        }
        if (item == sub.id + kUpOffset) {
            return {up};
        }
        if (item == sub.id + kClickOffset) {
            return {down, up};
        }
    }
    return {};
}

void BuildEventListMenu(CVixMenu& menu, int menuId, QWidget* owner) {
    menu.Create(menuId, owner, QRect(0, 0, kMenuWidth, kMenuHeight));
    menu.setObjectName(QStringLiteral("EventMenu"));
    for (const TopItem& item : kTopItems) {
        menu.AddItem(item.id, QString::fromLatin1(item.text));
    }
    CVixMenu* mouse = menu.GetSubMenu(kMenuInsertMouse);
    mouse->resize(kMouseMenuWidth, kMenuHeight);
    for (const MouseSubMenu& sub : kMouseSubMenus) {
        menu.AddSubItem(kMenuInsertMouse, sub.id, QString::fromLatin1(sub.text));
        mouse->AddSubItem(sub.id, sub.id + kDownOffset, QStringLiteral("Down"));
        mouse->AddSubItem(sub.id, sub.id + kUpOffset, QStringLiteral("Up"));
        if (sub.hasClick) {
            mouse->AddSubItem(sub.id, sub.id + kClickOffset, QStringLiteral("Click"));
        }
    }
}

}  // namespace solune
