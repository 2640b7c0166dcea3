#include "shared/skin/SkinPage.h"

#include <QCloseEvent>
#include <QKeyEvent>

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

void SkinPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SkinPage::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace solune
