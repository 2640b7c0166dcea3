#include "shared/skin/CVixButton.h"

#include <QPainter>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

CVixButton::CVixButton(int controlId, QWidget* parent)
    : SkinButtonBase(controlId, parent), font(skin::MakeFont(skin::kArialFace, 15)) {}

void CVixButton::setSelected(bool value) {
    if (selected != value) {
        selected = value;
        update();
    }
}

void CVixButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, ChoosePicture(selected));
    if (caption.isEmpty()) {
        return;
    }
    QColor color;
    if (!isEnabled()) {
        color = QColor(120, 120, 120);
    } else if (selected) {
        color = TextColor(selectedTextColor);
    } else if (m_visualState == kOver) {
        color = Qt::white;
    } else {
        color = TextColor(normalTextColor);
    }
    DrawTextInRect(painter, caption, color, false, true, rect().adjusted(5, 0, 0, 0), &font);
}

void CVixButton::pointerEntered() {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(controlId(), notify::kPointerEntered);
    }
}

}  // namespace solune
