#include "config/macros/widgets/CVixListBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>
#include <vector>

#include "config/macros/MacroNames.h"
#include "config/macros/widgets/ListScroll.h"
#include "config/macros/widgets/MacroPageNotify.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixScrollCtrl.h"

namespace solune {
namespace {

constexpr int kNameEditId = 1001;
constexpr int kNameEditFontHeight = 16;
constexpr int kRowLeft = 4;
constexpr int kRowTop = 5;
constexpr int kRowRightInset = 2;
constexpr int kNewRowLeft = 3;
// A scroll to the lower end of the range moves the rows this much further.
constexpr int kTopScrollExtra = 8;

int BottomOf(const QRect& r) {
    return r.y() + r.height();
}

QRect EdgeRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

QColor ColorOf(std::uint32_t colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

}  // namespace

CVixListBox::CVixListBox(int controlId, QWidget* parent) : QWidget(parent), m_controlId(controlId) {
    setFocusPolicy(Qt::ClickFocus);
}

CVixListBox::~CVixListBox() = default;

void CVixListBox::SetBackground(QImage background) {
    m_background = std::move(background);
    update();
}

void CVixListBox::CreateScrollCtrl(const ScrollPictures& pictures) {
    m_scrollWidth = pictures[0].isNull() ? kFallbackScrollWidth : pictures[0].width();
    m_scroll = CreateListScroll(this, pictures);
    m_scroll->hide();
}

std::int32_t CVixListBox::NewId() const {
    std::vector<std::int32_t> ids;
    for (const auto& row : m_rows) {
        ids.push_back(row->id);
    }
    return NewMacroId(ids);
}

QString CVixListBox::UniqueName(const QString& name) const {
    std::vector<std::u16string> others;
    for (const auto& row : m_rows) {
        others.push_back(row->name.toStdU16String());
    }
    return QString::fromStdU16String(UniqueMacroName(name.toStdU16String(), others));
}

QRect CVixListBox::NextRowRect() {
    const int lastBottom = m_rows.empty() ? 0 : BottomOf(m_rows.back()->rect);
    const int clientBottom = height();
    int top = lastBottom;
    const int overflow = lastBottom - clientBottom + kListRowHeight;
    if (overflow > 0) {
        for (auto& row : m_rows) {
            row->rect.translate(0, -(overflow + 2));
        }
        top = clientBottom - kListRowHeight - 2;
    }
    return EdgeRect(kNewRowLeft, top, width() - kRowRightInset, top + kListRowHeight);
}

void CVixListBox::SetNameCheck(std::function<bool(const QString&)> canAdd) {
    m_canAddName = std::move(canAdd);
}

std::int32_t CVixListBox::AddRow(const QString& name, std::optional<std::int32_t> id) {
    for (auto& row : m_rows) {
        row->selected = false;
    }
    const QString rowName = id ? name : UniqueName(name);
    if (!id && m_canAddName && !m_canAddName(rowName)) {
        return 0;
    }
    auto item = std::make_unique<CBoxItem>();
    item->rect = NextRowRect();
    item->id = id ? *id : NewId();
    item->name = rowName;
    item->selected = true;
    const std::int32_t newId = item->id;
    m_rows.push_back(std::move(item));
    LayOutRows();
    NotifyPage(macropage::kNotifySelectMacro, newId);
    update();
    return newId;
}

bool CVixListBox::DeleteSelectedRow() {
    std::size_t index = 0;
    while (index < m_rows.size() && !m_rows[index]->selected) {
        ++index;
    }
    if (index == m_rows.size()) {
        return false;
    }
    NotifyPage(macropage::kNotifyMacroDeleted, m_rows[index]->id);
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
    std::int32_t selectedId = 0;
    if (!m_rows.empty()) {
        const std::size_t next = index < m_rows.size() ? index : m_rows.size() - 1;
        SelectOnly(static_cast<int>(next));
        selectedId = m_rows[next]->id;
    }
    NotifyPage(macropage::kNotifySelectMacro, selectedId);
    LayOutRows();
    update();
    return true;
}

void CVixListBox::OpenNameEdit() {
    QRect r = NextRowRect();
    if (m_scroll != nullptr && m_scroll->isVisible()) {
        r.setWidth(r.width() - m_scroll->trackRect().width());
    }
    if (m_nameEdit == nullptr) {
        m_nameEdit = new CVixEdit(kNameEditId, this);
        m_nameEdit->setObjectName(QStringLiteral("MacroNameEdit"));
        m_nameEdit->SetFontHeight(kNameEditFontHeight);
    }
    m_nameEdit->setGeometry(r);
    m_nameEdit->show();
    m_nameEdit->raise();
    m_nameEdit->setFocus();
    update();
}

bool CVixListBox::isNameEditOpen() const {
    return m_nameEdit != nullptr && m_nameEdit->isVisible();
}

void CVixListBox::CommitNameEdit() {
    if (!isNameEditOpen()) {
        return;
    }
    const QString text = m_nameEdit->text();
    if (!text.isEmpty()) {
        AddRow(text);
        m_nameEdit->clear();
    }
    m_nameEdit->hide();
    update();
}

const CBoxItem* CVixListBox::SelectedRow() const {
    for (const auto& row : m_rows) {
        if (row->selected) {
            return row.get();
        }
    }
    return nullptr;
}

void CVixListBox::LayOutRows() {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int top = kRowTop + kListRowHeight * static_cast<int>(i);
        m_rows[i]->rect = EdgeRect(kRowLeft, top, width() - kRowRightInset, top + kListRowHeight);
    }
    if (m_scroll == nullptr) {
        return;
    }
    if (!m_rows.empty() && BottomOf(m_rows.back()->rect) > height()) {
        const int count = static_cast<int>(m_rows.size());
        m_scroll->show();
        m_scroll->setMaxValue(count);
        m_scroll->SetPos(count - 1);
    } else {
        m_scroll->hide();
    }
}

void CVixListBox::ScrollRows(int position) {
    const int v = VisibleRows(height());
    if (position < v || position >= static_cast<int>(m_rows.size())) {
        return;
    }
    int shift = height() - BottomOf(m_rows[static_cast<std::size_t>(position)]->rect);
    if (position == v) {
        shift += kTopScrollExtra;
    }
    for (auto& row : m_rows) {
        row->rect.translate(0, shift);
    }
    update();
}

void CVixListBox::controlNotify(int id, int value) {
    if (id == macropage::kNotifyScrolled) {
        ScrollRows(value);
    }
}

int CVixListBox::RowAt(QPoint point) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i]->rect.contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CVixListBox::SelectOnly(int index) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->selected = static_cast<int>(i) == index;
    }
}

void CVixListBox::NotifyPage(int code, int value) {
    if (ControlParent* page = FindControlParent(this)) {
        page->controlNotify(code, value);
    }
}

void CVixListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (isNameEditOpen()) {
        CommitNameEdit();
        return;
    }
    const int index = RowAt(event->position().toPoint());
    if (index >= 0) {
        SelectOnly(index);
    }
    update();
}

void CVixListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int index = RowAt(event->position().toPoint());
    if (index >= 0) {
        SelectOnly(index);
        NotifyPage(macropage::kNotifySelectMacro, m_rows[static_cast<std::size_t>(index)]->id);
    }
    update();
}

void CVixListBox::resizeEvent(QResizeEvent* event) {
    if (m_scroll != nullptr) {
        PlaceListScroll(m_scroll, this, m_scrollWidth);
    }
    QWidget::resizeEvent(event);
}

void CVixListBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull()) {
        painter.drawImage(rect(), m_background);
    }
    painter.setFont(font());
    for (const auto& row : m_rows) {
        painter.setPen(ColorOf(row->selected ? row->selectedTextColor : row->normalTextColor));
        painter.drawText(row->rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         row->name);
    }
}

}  // namespace solune
