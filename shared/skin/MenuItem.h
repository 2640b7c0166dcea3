#pragma once
// One row of a pop-up menu.

#include <QPoint>
#include <QString>
#include <cstdint>

namespace solune {

// A rectangle in the menu's client coordinates; right and bottom exclusive.
struct MenuRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool Contains(QPoint p) const {
        return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    }
};

struct MenuItem {
    std::int32_t id = 0;  // unique within its menu; the value told when chosen
    MenuRect rect;        // set by the menu's layout
    QString text;
    bool enabled = true;  // rows added by the menus are always enabled
    bool hasSubMenu = false;
};

}  // namespace solune
