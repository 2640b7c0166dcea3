#pragma once
// The one rule of every setter of the skinned controls: a new value is stored,
// the control repaints and, where the value is something a screen reader
// says, the change is announced; the same value again changes nothing, paints
// nothing and announces nothing.

#include <QWidget>
#include <utility>

#include "shared/skin/AnnounceChange.h"

namespace solune {

// Stores `value` in `field`, schedules a repaint of `widget` and announces
// `spoken` when it differs from what `field` held. Returns whether it changed.
template <typename T, typename U>
bool SetAndRepaint(QWidget& widget, T& field, U&& value, Spoken spoken = Spoken::Look) {
    if (field == value) {
        return false;
    }
    field = std::forward<U>(value);
    widget.update();
    AnnounceChange(widget, spoken);
    return true;
}

}  // namespace solune
