#pragma once
// The scroll control both lists of the macro page carry at their right edge.
//
// Its position is the index of the row shown at the bottom edge; the lower
// end of its range, v = the number of whole rows that fit (client height ÷
// 18), means no scrolling.

#include "shared/skin/SkinPictures.h"

class QWheelEvent;
class QWidget;

namespace solune {

class CVixScrollCtrl;

// Rows are this many pixels apart in both lists.
inline constexpr int kListRowHeight = 18;
// The width of a scroll control whose background picture is missing.
inline constexpr int kFallbackScrollWidth = 23;

// The whole rows that fit into a client area `clientHeight` high.
constexpr int VisibleRows(int clientHeight) {
    return clientHeight / kListRowHeight;
}

// Creates the scroll control of `list` (child id 100, shown), dresses it with
// `pictures`, places it at the list's right edge at full height, sets its range
// to v … v + 1 and calls SetPos(v), which the list hears as its first scroll.
CVixScrollCtrl* CreateListScroll(QWidget* list, const ScrollPictures& pictures);

// Keeps `scroll` at the right edge of `list`, full height, as wide as its
// background picture.
void PlaceListScroll(CVixScrollCtrl* scroll, const QWidget* list, int width);

// Moves a shown `scroll` one row per wheel notch: turning the wheel away from
// the user shows earlier rows. Nothing when the scroll is missing or hidden
// (the rows fit). The scroll tells the list its new position as a drag would.
void ScrollListByWheel(CVixScrollCtrl* scroll, const QWheelEvent& event);

}  // namespace solune
