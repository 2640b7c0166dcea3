#include "shared/skin/CVixEdit.h"

#include <QPainter>
#include <QPalette>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

CVixEdit::CVixEdit(int controlId, QWidget* parent)
    : CVixEdit(controlId, parent, skin::MakeFont(skin::kArialFace, 14)) {}

CVixEdit::CVixEdit(int controlId, QWidget* parent, const QFont& font)
    : QLineEdit(parent), m_controlId(controlId) {
    setFrame(false);
    ApplyFont(font);
    ApplyColors();
    connect(this, &QLineEdit::textChanged, this, [this] {
        update();
        if (ControlParent* parent = FindControlParent(this)) {
            parent->controlNotify(m_controlId, notify::kEditChanged);
        }
    });
}

void CVixEdit::SetFontHeight(int height) {
    ApplyFont(skin::MakeFont(skin::kArialFace, height));
}

void CVixEdit::ApplyFont(const QFont& font) {
    setFont(font);
    update();
}

void CVixEdit::setTextColor(std::uint32_t colorRef) {
    m_textColor = colorRef;
    ApplyColors();
}

void CVixEdit::setBackground(QImage background) {
    m_background = std::move(background);
    update();
}

void CVixEdit::ApplyColors() {
    QPalette p = palette();
    const QColor text(m_textColor & 0xFF, (m_textColor >> 8) & 0xFF, (m_textColor >> 16) & 0xFF);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, text);
        // The field's own text drawing goes over the skin painted below it.
        p.setColor(group, QPalette::Base, Qt::transparent);
        p.setColor(group, QPalette::Window, Qt::transparent);
    }
    setPalette(p);
    update();
}

void CVixEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect area(0, 0, width(), height());
        if (!m_background.isNull()) {
            painter.drawImage(area, m_background);
        } else {
            painter.fillRect(area, Qt::black);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(QColor(0x96, 0x96, 0x96), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(0, 0, width() - 1, height() - 1);
        }
    }
    QLineEdit::paintEvent(event);
}

}  // namespace solune
