#include "shared/skin/CVixStatic.h"

#include <QPainter>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

CVixStatic::CVixStatic(int controlId, QWidget* parent)
    : QWidget(parent), font(skin::MakeFont(skin::kArialFace, 15)), m_controlId(controlId) {}

void CVixStatic::SetBackgroundImage(QImage image) {
    m_background = std::move(image);
    update();
}

void CVixStatic::AddImage(QImage image) {
    m_images.push_back(std::move(image));
}

void CVixStatic::SetText(const QString& text) {
    if (m_texts.empty()) {
        m_texts.push_back(text);
    } else {
        m_texts[0] = text;
    }
    textIndex = 0;
    update();
}

QString CVixStatic::GetText() const {
    if (textIndex < 0 || textIndex >= static_cast<int>(m_texts.size())) {
        return {};
    }
    return m_texts[textIndex];
}

void CVixStatic::AddText(const QString& text) {
    m_texts.push_back(text);
}

void CVixStatic::SetFontHeight(int height) {
    font = skin::MakeFont(skin::kNeoSansFace, height);
    update();
}

void CVixStatic::SetLightFont() {
    // Qt always yields a font: when "NeoSans-Light" is not installed its
    // fallbacks stand in, so no second face is needed.
    font = skin::MakeFont(skin::kNeoSansLightFace, 11);
    font.setStyleStrategy(QFont::PreferQuality);
    update();
}

void CVixStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = rect();
    if ((fillColor >> 24) != 0) {
        painter.fillRect(area, QColor::fromRgba(fillColor));
    }
    if (!m_background.isNull()) {
        painter.drawImage(area, m_background);
    }
    if (imageIndex >= 0 && imageIndex < imageCount()) {
        painter.drawImage(area, m_images[imageIndex]);
    }
    if (textIndex >= 0 && textIndex < static_cast<int>(m_texts.size())) {
        DrawTextInRect(painter, m_texts[textIndex], TextColor(textColor), centerText, true, area,
                       &font);
    }
}

void CVixStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(m_controlId, notify::kLabelDoubleClicked);
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace solune
