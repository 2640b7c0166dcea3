#pragma once
// The one rule of every setter of the skinned controls: a new value is stored
// and the control repaints; the same value again changes nothing and paints
// nothing.

#include <QWidget>
#include <utility>

namespace solune {

// Stores `value` in `field` and schedules a repaint of `widget` when it
// differs from what `field` held. Returns whether it changed.
template <typename T, typename U>
bool SetAndRepaint(QWidget& widget, T& field, U&& value) {
    if (field == value) {
        return false;
    }
    field = std::forward<U>(value);
    widget.update();
    return true;
}

}  // namespace solune
