#include "shared/skin/CVixStatic.h"

#include <QPainter>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/RepaintingField.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

CVixStatic::CVixStatic(int controlId, QWidget* parent)
    : QWidget(parent), m_controlId(controlId), m_font(skin::MakeFont(skin::kArialFace, 15)) {}

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
    m_textIndex = 0;
    update();
    AnnounceChange(*this, Spoken::Name);
}

QString CVixStatic::GetText() const {
    if (m_textIndex < 0 || m_textIndex >= static_cast<int>(m_texts.size())) {
        return {};
    }
    return m_texts[m_textIndex];
}

void CVixStatic::AddText(const QString& text) {
    m_texts.push_back(text);
}

void CVixStatic::SetFontHeight(int height) {
    setTextFont(skin::MakeFont(skin::kNeoSansFace, height));
}

void CVixStatic::SetLightFont() {
    // Qt always yields a font: when "NeoSans-Light" is not installed its
    // fallbacks stand in, so no second face is needed.
    QFont font = skin::MakeFont(skin::kNeoSansLightFace, 11);
    font.setStyleStrategy(QFont::PreferQuality);
    setTextFont(font);
}

void CVixStatic::setImageIndex(int index) {
    SetAndRepaint(*this, m_imageIndex, index);
}

void CVixStatic::setTextIndex(int index) {
    SetAndRepaint(*this, m_textIndex, index, Spoken::Name);
}

void CVixStatic::setTextColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_textColor, argb);
}

void CVixStatic::setFillColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_fillColor, argb);
}

void CVixStatic::setTextFont(const QFont& font) {
    SetAndRepaint(*this, m_font, font);
}

void CVixStatic::setCenterText(bool center) {
    SetAndRepaint(*this, m_centerText, center);
}

void CVixStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = rect();
    if ((m_fillColor >> 24) != 0) {
        painter.fillRect(area, QColor::fromRgba(m_fillColor));
    }
    if (!m_background.isNull()) {
        painter.drawImage(area, m_background);
    }
    if (m_imageIndex >= 0 && m_imageIndex < imageCount()) {
        painter.drawImage(area, m_images[m_imageIndex]);
    }
    if (m_textIndex >= 0 && m_textIndex < static_cast<int>(m_texts.size())) {
        // A label cannot grow: a text too long for it ends in "…".
        DrawTextInRect(painter, shownText(),
                       TextColor(m_textColor), m_centerText, true, area, &m_font);
    }
}

QString CVixStatic::shownText() const {
    return FitText(GetText(), m_font, width());
}

void CVixStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(m_controlId, notify::kLabelDoubleClicked);
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace solune
