#include "shared/skin/CVixButton.h"

#include <QPainter>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/RepaintingField.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

CVixButton::CVixButton(int controlId, QWidget* parent)
    : SkinButtonBase(controlId, parent), m_font(skin::MakeFont(skin::kArialFace, 15)) {}

void CVixButton::setCaption(const QString& caption) {
    SetAndRepaint(*this, m_caption, caption, Spoken::Name);
}

void CVixButton::setTextFont(const QFont& font) {
    SetAndRepaint(*this, m_font, font);
}

void CVixButton::setNormalTextColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_normalTextColor, argb);
}

void CVixButton::setSelectedTextColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_selectedTextColor, argb);
}

void CVixButton::setSelected(bool value) {
    SetAndRepaint(*this, m_selected, value, Spoken::Checked);
}

void CVixButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, ChoosePicture(m_selected));
    if (m_caption.isEmpty()) {
        DrawFocusMark(painter);
        return;
    }
    QColor color;
    if (!isEnabled()) {
        color = QColor(120, 120, 120);
    } else if (m_selected) {
        color = TextColor(m_selectedTextColor);
    } else if (m_visualState == kOver) {
        color = Qt::white;
    } else {
        color = TextColor(m_normalTextColor);
    }
    DrawTextInRect(painter, shownCaption(), color, false, true, CaptionArea(), &m_font);
    DrawFocusMark(painter);
}

QRect CVixButton::CaptionArea() const {
    // Written 5 pixels in from the left, and kept as far from the right.
    return rect().adjusted(5, 0, -5, 0);
}

QString CVixButton::shownCaption() const {
    return FitText(m_caption, m_font, CaptionArea().width());
}

void CVixButton::pointerEntered() {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(controlId(), notify::kPointerEntered);
    }
}

}  // namespace solune
