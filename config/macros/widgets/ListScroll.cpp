#include "config/macros/widgets/ListScroll.h"

#include <QWheelEvent>
#include <QWidget>

#include "config/macros/widgets/MacroPageNotify.h"
#include "shared/skin/CVixScrollCtrl.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {

CVixScrollCtrl* CreateListScroll(QWidget* list, const ScrollPictures& pictures) {
    auto* scroll = new CVixScrollCtrl(macropage::kNotifyScrolled, list);
    scroll->setObjectName(QStringLiteral("Scroll"));
    SetSpokenRole(*scroll, QAccessible::ScrollBar);
    scroll->setAccessibleName((list->accessibleName() + QStringLiteral(" scroll bar")).trimmed());
    scroll->setGeometry(0, 0, 10, 10);
    const int width = pictures[0].isNull() ? kFallbackScrollWidth : pictures[0].width();
    PlaceListScroll(scroll, list, width);
    scroll->SetImages(pictures[0], pictures[1], pictures[2], pictures[3], pictures[4], pictures[5],
                      pictures[6]);
    const int v = VisibleRows(list->height());
    scroll->setMinValue(v);
    scroll->setMaxValue(v + 1);
    scroll->SetPos(v);
    return scroll;
}

void PlaceListScroll(CVixScrollCtrl* scroll, const QWidget* list, int width) {
    scroll->setGeometry(list->width() - width, 0, width, list->height());
}

void ScrollListByWheel(CVixScrollCtrl* scroll, const QWheelEvent& event) {
    if (scroll == nullptr || scroll->isHidden()) {
        return;
    }
    constexpr int kNotch = 120;
    const int rows = event.angleDelta().y() / kNotch;
    if (rows != 0) {
        scroll->SetPos(scroll->value() - rows);
    }
}

}  // namespace solune
