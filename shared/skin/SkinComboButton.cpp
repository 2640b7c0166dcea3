#include "shared/skin/SkinComboButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <chrono>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/RepaintingField.h"
#include "shared/skin/SkinFonts.h"
#include "shared/skin/SkinMenu.h"

namespace solune {
namespace {

// Milliseconds of the monotonic clock (since boot on Linux), wrapping at 32
// bits like a tick count. Counting from the program's start instead would
// latch the first click of the first 200 ms.
std::uint32_t SystemTicks() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// The menu is as wide as the button less 2 pixels (at least one pixel).
int MenuWidth(int buttonWidth) {
    return buttonWidth > 3 ? buttonWidth - 2 : 1;
}

}  // namespace

SkinComboButton::SkinComboButton(int controlId, QWidget* parent, int fixedMenuWidth,
                                 int neoSansHeight)
    : SkinButtonBase(controlId, parent),
      m_fixedMenuWidth(fixedMenuWidth),
      m_neoSansHeight(neoSansHeight),
      m_ticks(SystemTicks),
      m_font(skin::MakeFont(skin::kArialFace, 15)) {}

SkinComboButton::~SkinComboButton() = default;

void SkinComboButton::setTickSource(TickSource ticks) {
    m_ticks = ticks ? std::move(ticks) : TickSource(SystemTicks);
}

void SkinComboButton::SetImages(QImage normal, QImage over, QImage down) {
    SkinButtonBase::SetImages(std::move(normal), std::move(over), std::move(down), QImage());
}

void SkinComboButton::AddItem(int id, const QString& text) {
    if (!m_menu) {
        m_menu = NewMenu();
        m_menu->Create(static_cast<int>(m_ticks()), this, QRect(0, 0, MenuWidth(width()), 10));
        m_menuFollowsWidth = true;
    }
    m_menu->AddItem(id, text);
}

void SkinComboButton::CreateFixedMenu() {
    m_menuFollowsWidth = false;
    if (!m_menu) {
        m_menu = NewMenu();
        m_menu->Create(static_cast<int>(m_ticks()), this, QRect(0, 0, m_fixedMenuWidth, 10));
    } else {
        m_menu->setGeometry(0, 0, m_fixedMenuWidth, 20);
    }
}

void SkinComboButton::SetSelection(const QString& text, int id, int value) {
    m_caption = text;
    m_chosenItemId = id;
    m_chosenValue = value;
    update();
    AnnounceChange(*this, Spoken::Value);
}

void SkinComboButton::setCaption(const QString& caption) {
    SetAndRepaint(*this, m_caption, caption, Spoken::Value);
}

void SkinComboButton::setChosenItemId(int id) {
    SetAndRepaint(*this, m_chosenItemId, id);
}

void SkinComboButton::setTextFont(const QFont& font) {
    SetAndRepaint(*this, m_font, font);
}

void SkinComboButton::setCaptionColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_captionColor, argb);
}

void SkinComboButton::setHighlightCaptionColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_highlightCaptionColor, argb);
}

void SkinComboButton::setSelected(bool selected) {
    SetAndRepaint(*this, m_selected, selected, Spoken::Checked);
}

void SkinComboButton::setShowCaption(bool show) {
    SetAndRepaint(*this, m_showCaption, show);
}

void SkinComboButton::setOpenUpward(bool upward) {
    SetAndRepaint(*this, m_openUpward, upward);
}

QString SkinComboButton::GetItemText(int id) const {
    const MenuItem* item = m_menu ? m_menu->FindItem(id) : nullptr;
    return item ? item->text : QString();
}

void SkinComboButton::UseNeoSansFont() {
    setTextFont(skin::MakeFont(skin::kNeoSansFace, m_neoSansHeight));
}

void SkinComboButton::controlNotify(int id, int value) {
    ControlParent* parent = FindControlParent(this);
    if (id == notify::kMenuClosing) {
        if (parent) {
            parent->controlNotify(id, value);
        }
        return;
    }
    if (!m_menu || !m_menu->FindItem(value)) {
        return;
    }
    if (parent && !parent->controlChosen(controlId(), value)) {
        return;
    }
    // Looked up again: the parent may have changed the menu meanwhile.
    if (const MenuItem* item = m_menu->FindItem(value)) {
        m_caption = item->text;
    }
    m_chosenItemId = value;
    update();
    AnnounceChange(*this, Spoken::Value);
}

void SkinComboButton::Activate() {
    if (!isEnabled()) {
        return;
    }
    SkinButtonBase::Activate();
    if (!m_menu) {
        return;
    }
    if (m_menu->isVisible()) {
        m_menu->Close();
    } else {
        OpenMenu();
    }
}

bool SkinComboButton::menuShown() const {
    return m_menu != nullptr && m_menu->isVisible();
}

void SkinComboButton::mousePressEvent(QMouseEvent* event) {
    SkinButtonBase::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_reopenLatch = static_cast<std::uint32_t>(m_ticks() - m_lastVisibleTick) < 200u;
    }
}

void SkinComboButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    SkinButtonBase::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !inside || !m_menu || m_reopenLatch) {
        return;
    }
    m_reopenLatch = true;
    OpenMenu();
}

void SkinComboButton::OpenMenu() {
    if (m_visibleTimer == 0) {
        m_visibleTimer = startTimer(100);
    }
    // The pages may fill the menu before they place the button.
    if (m_menuFollowsWidth) {
        m_menu->resize(MenuWidth(width()), m_menu->height());
    }
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    if (m_openUpward) {
        m_menu->ShowAt(2, topLeft.x(), topLeft.y());
    } else {
        m_menu->ShowAt(0, topLeft.x(), topLeft.y() + height());
    }
}

void SkinComboButton::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_visibleTimer) {
        SkinButtonBase::timerEvent(event);
        return;
    }
    if (m_menu && m_menu->isVisible()) {
        m_lastVisibleTick = m_ticks();
    }
}

void SkinComboButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage* chosen = nullptr;
    if (!isEnabled() && !picture(kDisablePicture).isNull()) {
        chosen = &picture(kDisablePicture);
    } else if (m_selected || m_visualState == kDown) {
        chosen = &picture(kDownPicture);
    } else if (m_visualState == kNormal) {
        chosen = &picture(kNormalPicture);
    } else if (m_visualState == kOver) {
        chosen = &picture(kOverPicture);
    }
    if (chosen) {
        DrawPicture(painter, *chosen);
    }
    if (!m_showCaption) {
        DrawFocusMark(painter);
        return;
    }
    const std::uint32_t color =
        (m_selected || m_visualState == kOver) ? m_highlightCaptionColor : m_captionColor;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(m_font);
    painter.setPen(TextColor(color));
    painter.drawText(CaptionArea(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     shownCaption());
    DrawFocusMark(painter);
}

QRect SkinComboButton::CaptionArea() const {
    return rect().adjusted(9, 0, 0, 0);
}

QString SkinComboButton::shownCaption() const {
    return FitText(m_caption, m_font, CaptionArea().width());
}

}  // namespace solune
