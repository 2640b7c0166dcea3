#pragma once
// What one row of the event list shows, and how it is drawn.
//
// Mouse-button and wheel rows (codes 1, 2, 4, 151, 152, 166, 167, whatever
// the kind) show a short line and a label such as "Left button Down" or
// "Scroll wheel Up"; key rows show a "V" arrow for a press or an inverted one
// for a release and the key's name (KeyName); a key without a name shows
// neither. Every row shows its delay as "%d ms".

#include <QFont>
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

// Where a row's texts go, in the row's own coordinates.
struct EventRowPlaces {
    QString label;  // the label, ended with "…" when it does not fit
    int labelLeft = 0;
    int labelWidth = 0;
    int delayLeft = 0;
    int delayWidth = 0;
};

// The places of `look`'s texts in `font` for a row spanning left … right: the
// delay at left + 122, at least 52 pixels wide and always whole (a delay too
// wide for the row moves left); the label from left + 17 up to 4 pixels
// before the delay.
EventRowPlaces PlaceEventRow(const EventRowLook& look, const QFont& font, int left, int right);

// The font of the rows' texts: Arial 13.
QFont EventRowFont();

// Draws `row` at its rectangle (x = its left): the marker with a 1-pixel
// antialiased pen in ARGB 0xFFBEBEBE, the texts where PlaceEventRow puts
// them, in EventRowFont, left-aligned and vertically centred, in RGB(179, 211, 53) when the row is selected, else RGB(190, 190,
// 190).
void DrawEventRow(QPainter& painter, const CEventItem& row);

}  // namespace solune
