#include "shared/skin/CVixCheckBox.h"

#include <QPainter>

#include "shared/skin/RepaintingField.h"

namespace solune {

CVixCheckBox::CVixCheckBox(int controlId, QWidget* parent) : SkinButtonBase(controlId, parent) {}

void CVixCheckBox::setChecked(bool checked) {
    SetAndRepaint(*this, m_checked, checked, Spoken::Checked);
}

void CVixCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, ChoosePicture(m_checked));
    DrawFocusMark(painter);
}

void CVixCheckBox::releasedWhilePressed() {
    m_checked = !m_checked;
    AnnounceChange(*this, Spoken::Checked);
}

}  // namespace solune
