#pragma once
// The event list's context menu: its items, sub-menus and what each command
// inserts.
//
// Items: 1 "Start record before event", 2 "Start record after event",
// 3 "Insert mouse event" (sub-menu 120 × 20: 7 "Left button", 11 "Right
// button", 15 "Middle button", 19 "Forward button", 23 "Back button", 27
// "Scroll wheel", each with "Down", "Up", "Click" or, for the wheel, "Down"
// and "Up"), 4 "Insert delay", 5 "Edit delay", 6 "Delete". A command arrives
// at the menu's owner as controlNotify(menu id, item id), where the menu id is
// the top menu's control id for items 1 … 6 and the id of the row that opened
// the sub-menu (7, 11, … 27) for the mouse commands.

#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

namespace solune {

class CVixMenu;

inline constexpr int kMenuRecordBefore = 1;
inline constexpr int kMenuRecordAfter = 2;
inline constexpr int kMenuInsertMouse = 3;
inline constexpr int kMenuInsertDelay = 4;
inline constexpr int kMenuEditDelay = 5;
inline constexpr int kMenuDelete = 6;

// True when `menuId` is one of the mouse sub-menus (7, 11, 15, 19, 23, 27).
bool IsMouseSubMenu(int menuId);

// One row a mouse command inserts.
struct InsertedRow {
    std::uint8_t kind;
    std::int16_t code;
    std::uint8_t edge;
};

// The rows a mouse command (items 8 … 29) inserts, in order: one for Down or
// Up, a press and a release for Click; empty for any other item.
std::vector<InsertedRow> RowsOfMouseCommand(int item);

// Builds the menu: created with `menuId` as its control id and `owner` as
// owner, 170 × 20 pixels, with every item and sub-item.
void BuildEventListMenu(CVixMenu& menu, int menuId, QWidget* owner);

}  // namespace solune
