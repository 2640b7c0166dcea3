#include "shared/skin/SkinPage.h"

namespace solune {

SkinPage::SkinPage(QWidget* parent) : QWidget(parent) {}

void SkinPage::SetBackgroundImage(const QImage& image) {
    m_background.Set(*this, image);
}

void SkinPage::controlNotify(int id, int value) {
    PassMenuClosing(*this, id, value);
}

void SkinPage::paintEvent(QPaintEvent* event) {
    if (!m_background.Paint(*this)) {
        QWidget::paintEvent(event);
    }
}

}  // namespace solune
