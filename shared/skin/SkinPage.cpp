#include "shared/skin/SkinPage.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace solune {

SkinPage::SkinPage(QWidget* parent) : QWidget(parent) {}

void SkinPage::SetBackgroundImage(const QImage& image) {
    m_background.Set(*this, image);
}

void SkinPage::DressWhenFirstShown(QSize size, std::function<void()> dress) {
    if (size.isValid()) {
        resize(size);
    }
    if (m_shownOnce || isVisible()) {
        dress();
        return;
    }
    m_dress = std::move(dress);
}

void SkinPage::showEvent(QShowEvent* event) {
    m_shownOnce = true;
    if (m_dress) {
        const std::function<void()> dress = std::move(m_dress);
        m_dress = nullptr;
        dress();
    }
    QWidget::showEvent(event);
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
