#include "shared/skin/CVixCheckBox.h"

#include <QPainter>

namespace solune {

CVixCheckBox::CVixCheckBox(int controlId, QWidget* parent) : SkinButtonBase(controlId, parent) {}

void CVixCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, ChoosePicture(checked));
}

void CVixCheckBox::releasedWhilePressed() {
    checked = !checked;
}

}  // namespace solune
