#include "config/macros/widgets/CVixListBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroNames.h"
#include "config/macros/widgets/ListScroll.h"
#include "config/macros/widgets/MacroPageNotify.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixScrollCtrl.h"
#include "shared/skin/DrawTextInRect.h"

namespace solune {
namespace {

constexpr int kNameEditId = 1001;
constexpr int kNameEditFontHeight = 16;
constexpr int kNameRowLeft = 4;
constexpr int kNameRowTop = 5;
constexpr int kNameRowRightInset = 2;
constexpr int kNewRowLeft = 3;
// A scroll to the lower end of the range moves the rows this much further.
constexpr int kTopScrollExtra = 8;
// 0x00BBGGRR colour values of a row's text.
constexpr std::uint32_t kNormalTextColor = 0xBEBEBE;    // RGB(190, 190, 190)
constexpr std::uint32_t kSelectedTextColor = 0x35D3B3;  // RGB(179, 211, 53)

QRect EdgeRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

QColor ColorOf(std::uint32_t colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

}  // namespace

CVixListBox::CVixListBox(int controlId, MacroLibrary& library, QWidget* parent)
    : QWidget(parent), m_controlId(controlId), m_library(library), m_firstRowTop(kNameRowTop) {
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

int CVixListBox::rowCount() const {
    return static_cast<int>(m_library.macros().size());
}

std::int32_t CVixListBox::IdOf(int index) const {
    return m_library.macros()[static_cast<std::size_t>(index)]->id;
}

QString CVixListBox::rowText(int index) const {
    return QString::fromStdU16String(m_library.macros()[static_cast<std::size_t>(index)]->listText);
}

int CVixListBox::RowBottom(int index) const {
    return m_firstRowTop + kListRowHeight * (index + 1);
}

QRect CVixListBox::rowRect(int index) const {
    const int bottom = RowBottom(index);
    return EdgeRect(kNameRowLeft, bottom - kListRowHeight, width() - kNameRowRightInset, bottom);
}

int CVixListBox::selectedRow() const {
    if (!m_selectedId) {
        return -1;
    }
    for (int i = 0; i < rowCount(); ++i) {
        if (IdOf(i) == *m_selectedId) {
            return i;
        }
    }
    return -1;
}

const CMacro* CVixListBox::SelectedMacro() const {
    const int index = selectedRow();
    return index < 0 ? nullptr : m_library.macros()[static_cast<std::size_t>(index)].get();
}

QRect CVixListBox::NextRowRect() {
    const int count = rowCount();
    const int lastBottom = count == 0 ? 0 : RowBottom(count - 1);
    const int clientBottom = height();
    int top = lastBottom;
    const int overflow = lastBottom - clientBottom + kListRowHeight;
    if (overflow > 0) {
        m_firstRowTop -= overflow + 2;
        top = clientBottom - kListRowHeight - 2;
    }
    return EdgeRect(kNewRowLeft, top, width() - kNameRowRightInset, top + kListRowHeight);
}

void CVixListBox::SetMacroMaker(MacroMaker make) {
    m_makeMacro = std::move(make);
}

void CVixListBox::ShowLibrary() {
    LayOutRows();
    std::vector<std::int32_t> ids;
    for (const auto& macro : m_library.macros()) {
        ids.push_back(macro->id);
    }
    for (const std::int32_t id : ids) {
        m_selectedId = id;
        NotifyPage(macropage::kNotifySelectMacro, id);
    }
    update();
}

std::int32_t CVixListBox::AddMacro(const QString& text) {
    m_selectedId.reset();
    std::vector<std::u16string> others;
    std::vector<std::int32_t> ids;
    for (const auto& macro : m_library.macros()) {
        others.push_back(macro->listText);
        ids.push_back(macro->id);
    }
    const QString unique =
        QString::fromStdU16String(UniqueMacroName(text.toStdU16String(), others));
    const std::int32_t id = NewMacroId(ids);
    if (!m_makeMacro || !m_makeMacro(id, unique)) {
        return 0;
    }
    m_selectedId = id;
    LayOutRows();
    NotifyPage(macropage::kNotifySelectMacro, id);
    update();
    return id;
}

bool CVixListBox::DeleteSelectedRow() {
    const int index = selectedRow();
    if (index < 0) {
        return false;
    }
    // The page takes the macro out of the library.
    NotifyPage(macropage::kNotifyMacroDeleted, IdOf(index));
    m_selectedId.reset();
    std::int32_t selectedId = 0;
    if (const int count = rowCount(); count > 0) {
        const int next = index < count ? index : count - 1;
        SelectOnly(next);
        selectedId = IdOf(next);
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
        AddMacro(text);
        m_nameEdit->clear();
    }
    m_nameEdit->hide();
    update();
}

void CVixListBox::LayOutRows() {
    m_firstRowTop = kNameRowTop;
    if (m_scroll == nullptr) {
        return;
    }
    const int count = rowCount();
    if (count > 0 && RowBottom(count - 1) > height()) {
        m_scroll->show();
        m_scroll->setMaxValue(count);
        m_scroll->SetPos(count - 1);
    } else {
        m_scroll->hide();
    }
}

void CVixListBox::ScrollRows(int position) {
    const int v = VisibleRows(height());
    if (position < v || position >= rowCount()) {
        return;
    }
    int shift = height() - RowBottom(position);
    if (position == v) {
        shift += kTopScrollExtra;
    }
    m_firstRowTop += shift;
    update();
}

void CVixListBox::controlNotify(int id, int value) {
    if (id == macropage::kNotifyScrolled) {
        ScrollRows(value);
    }
}

int CVixListBox::RowAt(QPoint point) const {
    for (int i = 0; i < rowCount(); ++i) {
        if (rowRect(i).contains(point)) {
            return i;
        }
    }
    return -1;
}

void CVixListBox::SelectOnly(int index) {
    m_selectedId = IdOf(index);
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
        NotifyPage(macropage::kNotifySelectMacro, IdOf(index));
    }
    update();
}

void CVixListBox::ChooseSpokenRow(int index) {
    // A press commits an open name edit; the release picks the row.
    if (isNameEditOpen()) {
        CommitNameEdit();
    }
    if (index >= 0 && index < rowCount()) {
        SelectOnly(index);
        NotifyPage(macropage::kNotifySelectMacro, IdOf(index));
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
    const int selected = selectedRow();
    for (int i = 0; i < rowCount(); ++i) {
        painter.setPen(ColorOf(i == selected ? kSelectedTextColor : kNormalTextColor));
        const QRect row = rowRect(i);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         shownRowText(i));
    }
}

QString CVixListBox::shownRowText(int index) const {
    return FitText(rowText(index), font(), rowRect(index).width());
}

void CVixListBox::wheelEvent(QWheelEvent* event) {
    ScrollListByWheel(m_scroll, *event);
    event->accept();
}

}  // namespace solune
