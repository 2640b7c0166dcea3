#pragma once
// Puts a control of a window's layout table at its place: the rectangle of
// the table row with `id`, and the row's template text as object name (the
// name the main window and the tests find it by).

#include <QString>
#include <QWidget>
#include <span>

#include "shared/layout/ControlLayout.h"

namespace solune {

template <typename W>
W* PlacedControl(W* widget, std::span<const layout::LayoutControl> controls, int id) {
    const layout::LayoutControl& c = *layout::FindControl(controls, id);
    widget->setObjectName(QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
    widget->setGeometry(c.rect.x, c.rect.y, c.rect.width, c.rect.height);
    return widget;
}

}  // namespace solune
