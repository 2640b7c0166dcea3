#include "config/pages/CColorPanel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include "config/pages/CVixCbnColorButton.h"
#include "config/pages/ColorValues.h"
#include "config/pages/SpokenColor.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/skin/LogicalSize.h"

namespace solune {
namespace {

constexpr int kHideCheckMs = 2000;

}  // namespace

CColorPanel::CColorPanel(CVixCbnColorButton* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_owner(owner) {
    setObjectName(QStringLiteral("panel"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 5; ++column) {
            const layout::Rgb& rgb = layout::kPresetColors[row - 1][column - 1];
            const layout::ControlRect r = layout::SwatchRect(row, column);
            auto swatch = std::make_unique<CColorButton>();
            swatch->color = ColorRefFromArgb(ArgbFromRgb(rgb.red, rgb.green, rgb.blue));
            swatch->left = r.x;
            swatch->top = r.y;
            swatch->right = r.right();
            swatch->bottom = r.bottom();
            m_swatches.push_back(std::move(swatch));
        }
    }
    resize(50, 50);
    hide();
}

CColorPanel::~CColorPanel() = default;

void CColorPanel::SetPicture(QImage picture) {
    m_picture = std::move(picture);
    update();
}

void CColorPanel::ShowAt(QPoint topLeft) {
    if (!m_picture.isNull()) {
        resize(LogicalSize(m_picture));
    }
    move(topLeft);
    show();
    StopHideTimer();
    m_hideTimer = startTimer(kHideCheckMs);
}

void CColorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_picture.isNull()) {
        painter.drawImage(rect(), m_picture);
    }
}

void CColorPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
}

void CColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint p = event->position().toPoint();
    for (const auto& swatch : m_swatches) {
        if (swatch->Contains(p.x(), p.y())) {
            m_owner->controlNotify(kPanelId, static_cast<int>(swatch->color));
            hide();
        }
    }
    m_pressed = false;
}

QString CColorPanel::spokenRowText(int index) const {
    const std::uint32_t c = m_swatches[static_cast<std::size_t>(index)]->color;
    return SpokenColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QRect CColorPanel::spokenRowRect(int index) const {
    const CColorButton& s = *m_swatches[static_cast<std::size_t>(index)];
    return QRect(s.left, s.top, s.right - s.left, s.bottom - s.top);
}

void CColorPanel::ChooseSpokenRow(int index) {
    if (index < 0 || index >= swatchCount()) {
        return;
    }
    m_owner->controlNotify(kPanelId, static_cast<int>(m_swatches[static_cast<std::size_t>(index)]->color));
    hide();
    m_pressed = false;
}

void CColorPanel::timerEvent(QTimerEvent* event) {
    if (m_hideTimer == 0 || event->timerId() != m_hideTimer) {
        QWidget::timerEvent(event);
        return;
    }
    const QPoint cursor = QCursor::pos();
    const QRect ownerRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
    if (!frameGeometry().contains(cursor) && !ownerRect.contains(cursor)) {
        StopHideTimer();
        hide();
    }
}

void CColorPanel::hideEvent(QHideEvent* event) {
    // A hidden panel has nothing to watch; showing it starts the watch again.
    StopHideTimer();
    QWidget::hideEvent(event);
}

void CColorPanel::StopHideTimer() {
    if (m_hideTimer != 0) {
        killTimer(m_hideTimer);
        m_hideTimer = 0;
    }
}

}  // namespace solune
