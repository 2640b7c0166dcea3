#include "config/macros/widgets/CVixMacroCtrl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <limits>

#include "config/macros/MacroFile.h"
#include "config/macros/widgets/EventListMenu.h"
#include "config/macros/widgets/EventRowLook.h"
#include "config/macros/widgets/ListScroll.h"
#include "config/macros/widgets/MacroPageNotify.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/CVixScrollCtrl.h"
#include "shared/skin/ControlNotify.h"

namespace solune {
namespace {

constexpr int kDelayEditId = 1002;
constexpr int kDelayEditFontHeight = 13;
constexpr int kDelayEditMaxDigits = 10;
// The delay edit's place relative to its row.
constexpr int kDelayEditLeft = 120;
constexpr int kDelayEditTop = 2;
constexpr int kDelayEditRight = 172;
// The rows are not drawn under the scroll control at the right edge.
constexpr int kScrollStrip = 24;
// A scroll to the lower end of the range moves the rows this much further.
constexpr int kTopScrollExtra = 20;

// News the control acts on; the context menu's id must differ from them.
constexpr std::array<int, 7> kReservedIds = {
    macropage::kNotifyScrolled, kNotifyRowsOverflow,  kNotifyRowDeleted, kNotifyShowRow,
    notify::kMenuClosing,       notify::kEditChanged, kDelayEditId};

bool IsReserved(int id) {
    return std::find(kReservedIds.begin(), kReservedIds.end(), id) != kReservedIds.end() ||
           IsMouseSubMenu(id);
}

bool Contains(const MacroRect& r, QPoint p) {
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

}  // namespace

CVixMacroCtrl::CVixMacroCtrl(int controlId, MacroLibrary& library, const MacroRecorder& recorder,
                             QWidget* parent)
    : QWidget(parent), m_controlId(controlId), m_library(library), m_recorder(recorder) {
    setFocusPolicy(Qt::ClickFocus);
    m_library.SetOwner(this);
}

CVixMacroCtrl::~CVixMacroCtrl() {
    // The library outlives the control; its macros must not tell a control
    // that is gone.
    if (m_library.owner() == this) {
        m_library.SetOwner(nullptr);
    }
}

void CVixMacroCtrl::SetBackground(QImage background) {
    m_background = std::move(background);
    update();
}

void CVixMacroCtrl::CreateScrollCtrl(const ScrollPictures& pictures) {
    m_scrollWidth = pictures[0].isNull() ? kFallbackScrollWidth : pictures[0].width();
    m_scroll = CreateListScroll(this, pictures);
}

void CVixMacroCtrl::BuildContextMenu(std::uint32_t menuId) {
    m_menuId = static_cast<int>(menuId);
    while (IsReserved(m_menuId)) {
        ++m_menuId;
    }
    m_menu = new CVixMenu;
    BuildEventListMenu(*m_menu, m_menuId, this);
}

MacroRect CVixMacroCtrl::ClientRect() const {
    return MacroRect{0, 0, width(), height()};
}

void CVixMacroCtrl::CreateMacro(std::int32_t id, const QString& text) {
    m_library.AppendMacro(
        std::make_unique<CMacro>(nullptr, ClientRect(), id, text.toStdU16String()));
}

void CVixMacroCtrl::SelectOrCreateMacro(std::int32_t id, const QString& name) {
    CommitDelayEdit();
    const CMacro& macro = m_library.SelectOrCreateMacro(id, name.toStdU16String(), ClientRect());
    if (m_scroll != nullptr) {
        m_scroll->setMaxValue(static_cast<int>(macro.events.size()));
        m_scroll->SetPos(m_scroll->minValue());
    }
    update();
}

void CVixMacroCtrl::DeleteMacro(std::int32_t id) {
    CommitDelayEdit();
    m_library.DeleteMacro(id);
    update();
}

bool CVixMacroCtrl::isDelayEditOpen() const {
    return m_delayEdit != nullptr && !m_delayEdit->isHidden();
}

void CVixMacroCtrl::OpenDelayEdit() {
    CMacro* macro = currentMacro();
    if (macro == nullptr) {
        return;
    }
    const int index = macro->FirstSelectedRow();
    if (index == kNoRow) {
        return;
    }
    const CEventItem& row = macro->events[static_cast<std::size_t>(index)];
    if (m_delayEdit == nullptr) {
        m_delayEdit = new CVixEdit(kDelayEditId, this);
        m_delayEdit->setObjectName(QStringLiteral("DelayEdit"));
        m_delayEdit->SetFontHeight(kDelayEditFontHeight);
        m_delayEdit->setMaxLength(kDelayEditMaxDigits);
        m_delayEdit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]*")), m_delayEdit));
    }
    m_delayMacroId = macro->id;
    m_delaySerial = row.serial;
    const int left = row.rect.left + kDelayEditLeft;
    const int top = row.rect.top + kDelayEditTop;
    m_delayEdit->setGeometry(left, top, row.rect.left + kDelayEditRight - left,
                             row.rect.bottom - top);
    m_delayEdit->show();
    m_delayEdit->raise();
    m_delayEdit->setFocus();
}

void CVixMacroCtrl::CommitDelayEdit() {
    if (!isDelayEditOpen()) {
        return;
    }
    const QString text = m_delayEdit->text();
    CMacro* macro = currentMacro();
    if (!text.isEmpty() && macro != nullptr && macro->id == m_delayMacroId) {
        for (CEventItem& row : macro->events) {
            if (row.serial == m_delaySerial) {
                // At most ten digits: the value fits, and is held to the
                // row's signed 32-bit delay.
                const qlonglong value = text.toLongLong();
                row.delay = static_cast<std::int32_t>(
                    std::min<qlonglong>(value, std::numeric_limits<std::int32_t>::max()));
                break;
            }
        }
    }
    if (!text.isEmpty()) {
        m_delayEdit->clear();
    }
    m_delayEdit->hide();
    update();
}

void CVixMacroCtrl::DeleteSelectedRow() {
    CMacro* macro = currentMacro();
    if (macro == nullptr) {
        return;
    }
    const int index = macro->FirstSelectedRow();
    if (index != kNoRow && isDelayEditOpen() && macro->id == m_delayMacroId &&
        macro->events[static_cast<std::size_t>(index)].serial == m_delaySerial) {
        // The row the edit was opened on goes; so does the edit.
        m_delayEdit->clear();
        m_delayEdit->hide();
    }
    macro->DeleteSelectedRow();
}

void CVixMacroCtrl::InsertMouseRows(int item) {
    CMacro* macro = currentMacro();
    if (macro == nullptr) {
        return;
    }
    const auto rows = RowsOfMouseCommand(item);
    if (!MacroHasRoomFor(*macro, rows.size())) {
        NotifyPage(macropage::kNotifyMacroFull, 0);
        return;
    }
    for (const InsertedRow& row : rows) {
        macro->AddEvent(row.kind, row.code, row.edge, 0, kInsertAfterSelected);
    }
}

void CVixMacroCtrl::MenuCommand(int menuId, int item) {
    if (menuId != m_menuId) {
        InsertMouseRows(item);
        return;
    }
    switch (item) {
        case kMenuRecordBefore:
        case kMenuRecordAfter:
            NotifyPage(macropage::kNotifyStartRecord, item);
            break;
        case kMenuInsertDelay:
        case kMenuEditDelay:
            OpenDelayEdit();
            break;
        case kMenuDelete:
            DeleteSelectedRow();
            break;
        default:
            break;
    }
}

void CVixMacroCtrl::ScrollRows(int position) {
    CMacro* macro = currentMacro();
    if (macro == nullptr || macro->events.empty()) {
        return;
    }
    std::vector<CEventItem>& rows = macro->events;
    const int count = static_cast<int>(rows.size());
    const int v = VisibleRows(macro->rect.height());
    int shift = 0;
    if (v > count) {
        // The rows fit: they belong at the top. Rows left scrolled by earlier
        // deletions would otherwise stay out of sight.
        shift = kRowTop - rows.front().rect.top;
    } else {
        const int p = std::min(std::max(position, v), count - 1);
        shift = macro->rect.bottom - rows[static_cast<std::size_t>(p)].rect.bottom;
        if (p == v) {
            shift += kTopScrollExtra;
        }
    }
    for (CEventItem& row : rows) {
        row.rect.top += shift;
        row.rect.bottom += shift;
    }
}

void CVixMacroCtrl::controlNotify(int id, int value) {
    if (id == macropage::kNotifyScrolled) {
        ScrollRows(value);
        update();
    } else if (id == kNotifyRowsOverflow) {
        if (m_scroll != nullptr && !m_scroll->isHidden()) {
            m_scroll->setMaxValue(value);
            m_scroll->SetPos(value);
        }
    } else if (id == kNotifyShowRow) {
        if (m_scroll != nullptr) {
            m_scroll->SetPos(value);
        }
    } else if (id == notify::kMenuClosing) {
        NotifyPage(id, value);
    } else if (id == m_menuId || IsMouseSubMenu(id)) {
        MenuCommand(id, value);
        update();
    }
}

void CVixMacroCtrl::NotifyPage(int code, int value) {
    if (ControlParent* page = FindControlParent(this)) {
        page->controlNotify(code, value);
    }
}

int CVixMacroCtrl::RowAt(QPoint point) const {
    const CMacro* macro = currentMacro();
    if (macro == nullptr) {
        return kNoRow;
    }
    for (std::size_t i = 0; i < macro->events.size(); ++i) {
        if (Contains(macro->events[i].rect, point)) {
            return static_cast<int>(i);
        }
    }
    return kNoRow;
}

void CVixMacroCtrl::SelectRowAt(QPoint point) {
    const int index = RowAt(point);
    if (index == kNoRow) {
        return;
    }
    CMacro* macro = currentMacro();
    macro->DeselectAll();
    macro->events[static_cast<std::size_t>(index)].selected = 1;
}

int CVixMacroCtrl::spokenRowCount() const {
    const CMacro* macro = currentMacro();
    return macro ? static_cast<int>(macro->events.size()) : 0;
}

QString CVixMacroCtrl::spokenRowText(int index) const {
    if (index < 0 || index >= spokenRowCount()) {
        return {};
    }
    const EventRowLook look = DescribeEventRow(currentMacro()->events[static_cast<std::size_t>(index)]);
    return look.label + QLatin1Char(' ') + look.delay;
}

bool CVixMacroCtrl::spokenRowSelected(int index) const {
    return index >= 0 && index < spokenRowCount() &&
           currentMacro()->events[static_cast<std::size_t>(index)].selected != 0;
}

QRect CVixMacroCtrl::spokenRowRect(int index) const {
    if (index < 0 || index >= spokenRowCount()) {
        return {};
    }
    const MacroRect& r = currentMacro()->events[static_cast<std::size_t>(index)].rect;
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CVixMacroCtrl::ChooseSpokenRow(int index) {
    // The press commits an open delay edit, the release selects the row.
    if (isDelayEditOpen()) {
        CommitDelayEdit();
    }
    const QRect r = spokenRowRect(index);
    if (!r.isEmpty()) {
        SelectRowAt(r.center());
    }
    update();
}

void CVixMacroCtrl::ShowContextMenu(QPoint local) {
    if (m_menu == nullptr) {
        return;
    }
    if (m_menu->isVisible()) {
        m_menu->Close();
    }
    const QPoint global = mapToGlobal(local);
    m_menu->ShowAt(0, global.x(), global.y());
}

void CVixMacroCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (!recording()) {
            ShowContextMenu(point);
        }
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (isDelayEditOpen()) {
        CommitDelayEdit();
        return;
    }
    SelectRowAt(point);
    update();
}

void CVixMacroCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SelectRowAt(event->position().toPoint());
    update();
}

bool CVixMacroCtrl::IsMenuWindow(const QWidget* window) const {
    // Sub-menus are windows of their own, children of the menu.
    for (const QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        if (w == m_menu) {
            return true;
        }
    }
    return false;
}

void CVixMacroCtrl::focusOutEvent(QFocusEvent* event) {
    if (m_menu != nullptr && m_menu->isVisible() && !IsMenuWindow(QApplication::activeWindow())) {
        m_menu->Close();
    }
    update();
    QWidget::focusOutEvent(event);
}

void CVixMacroCtrl::resizeEvent(QResizeEvent* event) {
    if (m_scroll != nullptr) {
        PlaceListScroll(m_scroll, this, m_scrollWidth);
    }
    QWidget::resizeEvent(event);
}

void CVixMacroCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(0, 0, std::max(0, width() - kScrollStrip), height());
    if (!m_background.isNull()) {
        painter.drawImage(rect(), m_background);
    }
    if (const CMacro* macro = currentMacro()) {
        for (const CEventItem& row : macro->events) {
            DrawEventRow(painter, row);
        }
    }
}

void CVixMacroCtrl::wheelEvent(QWheelEvent* event) {
    ScrollListByWheel(m_scroll, *event);
    event->accept();
}

}  // namespace solune
