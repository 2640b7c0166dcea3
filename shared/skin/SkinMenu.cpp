#include "shared/skin/SkinMenu.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/MenuHook.h"
#include "shared/skin/SkinFonts.h"
#include "shared/skin/RepaintingField.h"

namespace solune {
namespace {

// A row's text starts this far from the window's left edge; a row that opens a
// sub-menu keeps room for its arrow after the text, and every text keeps a
// little room before the row's end.
constexpr int kTextLeft = 11;
constexpr int kArrowRoom = 10;
constexpr int kTextRightPad = 6;

}  // namespace

SkinMenu::SkinMenu(const MenuFamily& family)
    : m_family(family), m_font(skin::MakeFont(skin::kArialFace, 15)) {
    setMouseTracking(true);
}

SkinMenu::~SkinMenu() {
    if (m_family.hook.target() == this) {
        m_family.hook.remove();
    }
}

void SkinMenu::setNormalTextColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_normalTextColor, argb);
}

void SkinMenu::setHoverTextColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_hoverTextColor, argb);
}

void SkinMenu::setBackgroundColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_backgroundColor, argb);
}

void SkinMenu::setFrameColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_frameColor, argb);
}

void SkinMenu::setTextFont(const QFont& font) {
    SetAndRepaint(*this, m_font, font);
}

void SkinMenu::Create(int controlId, QWidget* owner, QRect rect) {
    CreateWindow(controlId, owner, owner, rect);
}

void SkinMenu::CreateWindow(int controlId, QWidget* owner, QWidget* qtParent, QRect rect) {
    setParent(qtParent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("menu"));
    m_controlId = controlId;
    m_owner = owner;
    setGeometry(rect);
    hide();
}

void SkinMenu::AddItem(int id, const QString& text) {
    for (const auto& row : m_rows) {
        if (row->id == id) {
            return;
        }
    }
    auto item = std::make_unique<MenuItem>();
    item->id = id;
    item->text = text;
    m_rows.push_back(std::move(item));
}

void SkinMenu::RemoveAllItems() {
    Close();
    m_rows.clear();
    m_hoverIndex = -1;
}

SkinMenu* SkinMenu::GetSubMenu(int id) {
    for (SkinMenu* sub : m_subMenus) {
        if (sub->m_controlId == id) {
            return sub;
        }
    }
    SkinMenu* sub = NewMenu();
    sub->CreateWindow(id, m_owner, this, QRect(0, 0, 50, 10));
    sub->m_parentMenu = this;
    m_subMenus.push_back(sub);
    return sub;
}

void SkinMenu::AddSubItem(int parentId, int id, const QString& text) {
    for (const auto& row : m_rows) {
        if (row->id == parentId) {
            row->hasSubMenu = true;
        }
    }
    GetSubMenu(parentId)->AddItem(id, text);
}

MenuItem* SkinMenu::FindItem(int id) {
    for (const auto& row : m_rows) {
        if (row->id == id) {
            return row.get();
        }
    }
    for (SkinMenu* sub : m_subMenus) {
        if (MenuItem* item = sub->FindItem(id)) {
            return item;
        }
    }
    return nullptr;
}

int SkinMenu::MaxItemTextWidth(int menuId) {
    SkinMenu* menu = menuId == m_controlId ? this : GetSubMenu(menuId);
    const QFontMetrics metrics(menu->m_font);
    int widest = 0;
    for (const auto& row : menu->m_rows) {
        widest = std::max(widest, metrics.horizontalAdvance(row->text));
    }
    return widest;
}

int SkinMenu::rowHeight() const {
    return QFontMetrics(m_font).height();
}

int SkinMenu::WidthForRows() const {
    const QFontMetrics metrics(m_font);
    int widest = 0;
    bool arrow = false;
    for (const auto& row : m_rows) {
        widest = std::max(widest, metrics.horizontalAdvance(row->text));
        arrow = arrow || row->hasSubMenu;
    }
    return kTextLeft + widest + (arrow ? kArrowRoom : 0) + kTextRightPad + m_family.rowRightInset;
}

QRect SkinMenu::ScreenArea() const {
    const QWidget* holder = m_owner ? m_owner->window() : this;
    const QScreen* screen = holder->screen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint SkinMenu::KeepOnScreen(QPoint wanted, QPoint flipped) const {
    const QRect area = ScreenArea();
    if (area.isEmpty()) {
        return wanted;
    }
    QPoint place = wanted;
    if (place.x() + width() > area.x() + area.width()) {
        place.setX(flipped.x());
    }
    if (place.y() + height() > area.y() + area.height()) {
        place.setY(flipped.y());
    }
    place.setX(std::max(area.x(), std::min(place.x(), area.x() + area.width() - width())));
    place.setY(std::max(area.y(), std::min(place.y(), area.y() + area.height() - height())));
    return place;
}

void SkinMenu::ShowSubMenu(const MenuItem& item) {
    SkinMenu* sub = GetSubMenu(item.id);
    if (!sub->Layout()) {
        return;
    }
    // Where there is no room to the right or below, the sub-menu opens to the
    // left of this menu or upward from its row.
    const QRect window = geometry();
    sub->ShowPlaced({window.x() + window.width() - 5, window.y() + item.rect.top - 5},
                    {window.x() + 5 - sub->width(),
                     window.y() + item.rect.bottom + 5 - sub->height()});
}

bool SkinMenu::Layout() {
    if (m_rows.empty()) {
        hide();
        return false;
    }
    const int h = rowHeight();
    // A width the owner gave since the last layout is the menu's own width;
    // the rows' texts may only widen it.
    if (width() != m_laidOutWidth) {
        m_ownWidth = width();
    }
    // Never wider than the screen, though: a row longer than that (a macro
    // name of thousands of letters) ends in "…".
    int widthForRows = WidthForRows();
    const QRect area = ScreenArea();
    if (!area.isEmpty()) {
        widthForRows = std::min(widthForRows, area.width());
    }
    m_laidOutWidth = std::max(m_ownWidth, widthForRows);
    resize(m_laidOutWidth, rowCount() * h + 8);
    for (int i = 0; i < rowCount(); ++i) {
        m_rows[i]->rect = {1, 4 + i * h, width() - m_family.rowRightInset, 4 + (i + 1) * h};
    }
    return true;
}

void SkinMenu::ShowAt(int mode, int x, int y) {
    if (!Layout()) {
        return;
    }
    // The menu stays on the screen that holds the window: where it does not
    // fit on its side of the point it opens on the other (leftward, upward).
    const QPoint beside(x - width(), y - height());
    if (mode == 0) {
        ShowPlaced({x, y}, beside);
    } else if (mode == 2) {
        ShowPlaced({x, y - height()}, beside);
    } else if (mode == 3 && m_family.bottomRightMode) {
        ShowPlaced(beside, beside);
    } else {
        ShowPlaced(pos(), pos());
    }
}

void SkinMenu::ShowPlaced(QPoint wanted, QPoint flipped) {
    m_hoverIndex = -1;
    move(KeepOnScreen(wanted, flipped));
    Layout();
    show();
    raise();
    m_family.hook.setTarget(this);
}

void SkinMenu::SendClosing(int phase) {
    if (auto* owner = dynamic_cast<ControlParent*>(m_owner.data())) {
        owner->controlNotify(notify::kMenuClosing, phase);
    }
}

void SkinMenu::HideOpenSubMenus() {
    for (SkinMenu* sub : m_subMenus) {
        if (sub->isVisible()) {
            SendClosing(notify::kMenuClosingBefore);
            sub->HideOpenSubMenus();
            sub->hide();
            SendClosing(notify::kMenuClosingAfter);
        }
    }
}

void SkinMenu::HideSubMenus() {
    HideOpenSubMenus();
    m_family.hook.setTarget(this);
}

void SkinMenu::Close() {
    if (!isVisible()) {
        return;
    }
    SendClosing(notify::kMenuClosingBefore);
    hide();
    if (m_parentMenu) {
        m_parentMenu->Close();
    }
    HideOpenSubMenus();
    SendClosing(notify::kMenuClosingAfter);
    if (!m_parentMenu) {
        m_family.hook.remove();
    }
}

void SkinMenu::OutsideClick(int eventType, Qt::MouseButton button, QPoint global) {
    if (eventType != QEvent::MouseButtonPress || button != Qt::LeftButton || !isVisible()) {
        return;
    }
    for (const SkinMenu* menu = this; menu; menu = menu->m_parentMenu) {
        if (menu->geometry().contains(global)) {
            return;
        }
    }
    Close();
}

void SkinMenu::controlNotify(int id, int value) {
    if (auto* owner = dynamic_cast<ControlParent*>(m_owner.data())) {
        owner->controlNotify(id, value);
    }
    Close();
}

bool SkinMenu::OpensSubMenu(const MenuItem& item) {
    if (!item.hasSubMenu) {
        return false;
    }
    return !m_family.subMenuNeedsRows || GetSubMenu(item.id)->rowCount() > 0;
}

int SkinMenu::RowAt(QPoint point) const {
    for (int i = 0; i < rowCount(); ++i) {
        if (m_rows[i]->rect.Contains(point)) {
            return i;
        }
    }
    return -1;
}

void SkinMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(m_backgroundColor));
    painter.setPen(QPen(QColor::fromRgba(m_frameColor), 1));
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.setFont(m_font);
    for (int i = 0; i < rowCount(); ++i) {
        const MenuItem& item = *m_rows[i];
        const QRect r(item.rect.left + 10, item.rect.top, item.rect.right - item.rect.left,
                      item.rect.bottom - item.rect.top);
        const QColor normal = TextColor(m_normalTextColor);
        if (OpensSubMenu(item)) {
            const int right = r.x() + r.width();
            const int bottom = r.y() + r.height();
            QPainterPath arrow;
            arrow.moveTo(right - 10, r.y() + 5);
            arrow.lineTo(right - 10, bottom - 5);
            arrow.lineTo(right - 5, (r.y() + bottom) / 2);
            arrow.closeSubpath();
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(normal, 1));
            painter.setBrush(normal);
            painter.drawPath(arrow);
            painter.restore();
        }
        painter.setPen(i == m_hoverIndex ? TextColor(m_hoverTextColor) : normal);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         shownRowText(i));
    }
}

QString SkinMenu::shownRowText(int index) const {
    const int arrow = m_rows[index]->hasSubMenu ? kArrowRoom : 0;
    return FitText(m_rows[index]->text, m_font,
                   width() - kTextLeft - kTextRightPad - arrow - m_family.rowRightInset);
}

void SkinMenu::mouseMoveEvent(QMouseEvent* event) {
    const int index = RowAt(event->position().toPoint());
    if (index < 0) {
        return;
    }
    const MenuItem& item = *m_rows[index];
    if (item.hasSubMenu && item.enabled) {
        if (index == m_hoverIndex) {
            return;
        }
        HideSubMenus();
        if (OpensSubMenu(item)) {
            ShowSubMenu(item);
        }
    } else {
        HideSubMenus();
    }
    if (index != m_hoverIndex) {
        m_hoverIndex = index;
        update();
    }
}

void SkinMenu::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_hoverIndex = RowAt(event->position().toPoint());
    if (m_hoverIndex < 0) {
        Close();
    }
    update();
}

void SkinMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_hoverIndex = -1;
    update();
    const int index = RowAt(event->position().toPoint());
    if (index < 0) {
        return;
    }
    const MenuItem item = *m_rows[index];
    if (item.enabled && m_owner) {
        if (item.hasSubMenu) {
            return;
        }
        ChooseEnabledRow(item);
        return;
    }
    if (!item.hasSubMenu) {
        Close();
    }
}

void SkinMenu::ChooseEnabledRow(const MenuItem& item) {
    // The owner may open a modal dialog here, or even drop the menu.
    QPointer<SkinMenu> self(this);
    if (auto* owner = dynamic_cast<ControlParent*>(m_owner.data())) {
        owner->controlNotify(m_controlId, item.id);
    }
    if (self) {
        Close();
    }
}

void SkinMenu::ChooseRow(int index) {
    if (index < 0 || index >= rowCount()) {
        return;
    }
    const MenuItem& item = *m_rows[index];
    if (item.hasSubMenu) {
        if (item.enabled && OpensSubMenu(item)) {
            HideSubMenus();
            ShowSubMenu(item);
        }
        return;
    }
    if (!item.enabled || !m_owner) {
        Close();
        return;
    }
    // A copy: the owner may change the rows while it handles the choice.
    const MenuItem chosen = item;
    ChooseEnabledRow(chosen);
}

void SkinMenu::WalkRows(int delta) {
    if (rowCount() == 0) {
        return;
    }
    const int start = m_hoverIndex < 0 ? (delta > 0 ? -1 : 0) : m_hoverIndex;
    m_hoverIndex = ((start + delta) % rowCount() + rowCount()) % rowCount();
    HideSubMenus();
    update();
}

bool SkinMenu::EnterSubMenu() {
    if (!RowOpensSubMenu(m_hoverIndex) || !m_rows[m_hoverIndex]->enabled) {
        return false;
    }
    HideSubMenus();
    SkinMenu* sub = GetSubMenu(m_rows[m_hoverIndex]->id);
    ShowSubMenu(*m_rows[m_hoverIndex]);
    sub->WalkRows(1);
    return true;
}

SkinMenu* SkinMenu::InnermostOpenMenu() {
    for (SkinMenu* sub : m_subMenus) {
        if (sub->isVisible()) {
            return sub->InnermostOpenMenu();
        }
    }
    return this;
}

bool SkinMenu::RowOpensSubMenu(int index) {
    return index >= 0 && index < rowCount() && OpensSubMenu(*m_rows[index]);
}

}  // namespace solune
