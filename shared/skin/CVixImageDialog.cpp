#include "shared/skin/CVixImageDialog.h"

namespace solune {

CVixImageDialog::CVixImageDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void CVixImageDialog::SetBackgroundImage(const QImage& image) {
    m_background.Set(*this, image);
}

int CVixImageDialog::DoModal() {
    return exec() == QDialog::Accepted ? 1 : 2;
}

void CVixImageDialog::controlNotify(int id, int value) {
    PassMenuClosing(*this, id, value);
}

void CVixImageDialog::paintEvent(QPaintEvent* event) {
    if (!m_background.Paint(*this)) {
        QDialog::paintEvent(event);
    }
}

}  // namespace solune
