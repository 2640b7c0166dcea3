#pragma once
// What one row of the event list shows, and how it is drawn.
//
// Mouse-button and wheel rows (codes 1, 2, 4, 151, 152, 166, 167, whatever
// the kind) show a short line and a label such as "Left button Down" or
// "Scroll wheel Up"; key rows show a "V" arrow for a press or an inverted one
// for a release and the key's name (KeyName); a key without a name shows
// neither. Every row shows its delay as "%d ms".

#include <QRect>
#include <QString>

#include "config/macros/CEventItem.h"

class QPainter;

namespace solune {

enum class RowMarker {
    None,          // a key without a name
    Line,          // a mouse-button or wheel row
    PressArrow,    // a key press: "V"
    ReleaseArrow,  // a key release: inverted "V"
};

struct EventRowLook {
    RowMarker marker = RowMarker::None;
    QString label;
    QString delay;
};

EventRowLook DescribeEventRow(const CEventItem& row);

// Draws `row` at its rectangle (x = its left): the marker with a 1-pixel
// antialiased pen in ARGB 0xFFBEBEBE, the label in x + 17 … x + 122 and the
// delay in x + 122 … x + 174, in Arial 13, left-aligned and vertically
// centred, in RGB(179, 211, 53) when the row is selected, else RGB(190, 190,
// 190).
void DrawEventRow(QPainter& painter, const CEventItem& row);

}  // namespace solune
