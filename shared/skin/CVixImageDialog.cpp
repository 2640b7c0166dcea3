#include "shared/skin/CVixImageDialog.h"

#include <QPainter>

#include "shared/skin/ControlNotify.h"

namespace solune {

CVixImageDialog::CVixImageDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void CVixImageDialog::SetBackgroundImage(const QImage& image) {
    m_background = image.copy();
    if (!m_background.isNull()) {
        resize(m_background.size());
    }
    update();
}

int CVixImageDialog::DoModal() {
    return exec() == QDialog::Accepted ? 1 : 2;
}

void CVixImageDialog::controlNotify(int id, int value) {
    if (id == notify::kMenuClosing) {
        if (ControlParent* parent = FindControlParent(this)) {
            parent->controlNotify(id, value);
        }
    }
}

void CVixImageDialog::paintEvent(QPaintEvent* event) {
    if (m_background.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_background);
}

}  // namespace solune
