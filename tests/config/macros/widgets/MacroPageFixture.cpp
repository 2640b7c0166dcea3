#include "tests/config/macros/widgets/MacroPageFixture.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>

#include "config/macros/MacroLibrary.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "config/pages/CPopDlg.h"
#include "config/pages/PopUps.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/SkinButtonBase.h"

namespace solune::test {

MacroPageFixture::MacroPageFixture()
    : m_config("XDG_CONFIG_HOME", m_dir.path().string()),
      m_skinFailure(m_messages, kSkinFailureText, [] {}),
      m_skin(m_skinFailure, SOLUNE_VESK_SKIN_DIR) {
    m_context.messages = &m_messages;
    m_context.keys = &m_keys;
    m_context.clock = &m_clock;
    m_context.skin = &m_skin;
    m_context.notices = &m_notices;
}

MacroPageFixture::~MacroPageFixture() {
    m_page.reset();
    m_recorder.reset();
    m_library.reset();
    EXPECT_EQ(PopUps::PendingAnswers(), 0u) << "a pop-up answered in advance never opened";
    PopUps::Clear();
    // No picture the page asked for may be missing.
    EXPECT_FALSE(m_skinFailure.hasFailed());
}

std::filesystem::path MacroPageFixture::macroFolder() const {
    return m_dir.path() / "Dravik" / "SOLUNE300" / "Macros";
}

void MacroPageFixture::WriteLibrary(const std::vector<StoredMacro>& macros) {
    MacroLibrary library;
    library.SetMacroFolder(macroFolder());
    for (const StoredMacro& stored : macros) {
        auto macro =
            std::make_unique<CMacro>(nullptr, MacroRect{0, 0, 200, 199}, stored.id, stored.name);
        for (const auto& [code, edge] : stored.keys) {
            macro->AddEvent(kMacroKey, static_cast<std::int16_t>(code),
                            static_cast<std::uint8_t>(edge), 0, kInsertAppend);
        }
        library.AppendMacro(std::move(macro));
    }
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
}

void MacroPageFixture::OpenPage() {
    m_page.reset();
    m_recorder.reset();
    m_library = std::make_unique<MacroLibrary>();
    m_library->SetMacroFolder(macroFolder());
    m_library->LoadAllMacros();
    m_recorder = std::make_unique<MacroRecorder>(*m_library);
    m_context.macros = m_library.get();
    m_context.recorder = m_recorder.get();
    m_page = std::make_unique<CMacroSettingsDlg>(m_context);
    m_page->move(50, 50);
    m_page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_page.get()));
    // A known pointer position: Qt drops a move to where the pointer is.
    MoveTo(m_page.get(), {1, 1});
    MoveTo(m_page.get(), {2, 2});
}

CVixListBox& MacroPageFixture::list() {
    return *m_page->macroList();
}

CVixMacroCtrl& MacroPageFixture::events() {
    return *m_page->eventList();
}

CVixMenu& MacroPageFixture::menu() {
    return *events().contextMenu();
}

QWidget* MacroPageFixture::Control(const char* name) {
    return Find(m_page.get(), name);
}

CMacro* MacroPageFixture::current() {
    return events().currentMacro();
}

void MacroPageFixture::ClickControl(const char* name) {
    QWidget* widget = Control(name);
    const QPoint centre = widget->rect().center();
    MoveTo(widget, centre - QPoint(1, 1));
    Click(widget, centre);
    MoveTo(m_page.get(), {2, 2});
}

bool MacroPageFixture::IsChecked(const char* name) {
    return static_cast<CVixCheckBox*>(Control(name))->isChecked();
}

void MacroPageFixture::NewMacro(const QString& name) {
    ClickControl("New Macro");
    Type(name, list().nameEdit());
    PressKey(Qt::Key_Return);
}

void MacroPageFixture::ClickListRow(int index) {
    ASSERT_LT(index, list().rowCount());
    Click(&list(), list().rowRect(index).center());
}

void MacroPageFixture::ClickEventRow(int index) {
    const MacroRect& r = current()->events.at(static_cast<std::size_t>(index)).rect;
    Click(&events(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void MacroPageFixture::RightClickEvents(QPoint pos) {
    MoveTo(&events(), pos);
    Press(&events(), pos, Qt::RightButton);
    Release(&events(), pos, Qt::RightButton);
}

namespace {

QPoint RowCentre(const SkinMenu& menu, int index) {
    const MenuRect& r = menu.row(index).rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

int RowOf(const SkinMenu& menu, const QString& text) {
    for (int i = 0; i < menu.rowCount(); ++i) {
        if (menu.row(i).text == text) {
            return i;
        }
    }
    ADD_FAILURE() << "no menu row " << text.toStdString();
    return 0;
}

}  // namespace

void MacroPageFixture::ChooseFromMenu(const std::vector<QString>& path) {
    RightClickEvents();
    SkinMenu* at = &menu();
    for (std::size_t i = 0; i < path.size(); ++i) {
        ASSERT_TRUE(at->isVisible()) << path[i].toStdString();
        const int row = RowOf(*at, path[i]);
        if (i + 1 < path.size()) {
            // Hovering a row with a sub-menu opens it beside the row.
            MoveTo(at, RowCentre(*at, row) - QPoint(0, 1));
            MoveTo(at, RowCentre(*at, row));
            at = at->GetSubMenu(at->row(row).id);
        } else {
            MoveTo(at, RowCentre(*at, row));
            Press(at, RowCentre(*at, row));
            Release(at, RowCentre(*at, row));
        }
    }
}

void MacroPageFixture::AnswerNextPopUp(const char* buttonName) {
    m_popUpAnswered = false;
    const QString name = QString::fromLatin1(buttonName);
    PopUps::SetNextAnswer([this, name](CPopDlg& popUp) {
        auto* button = popUp.findChild<QWidget*>(name);
        ASSERT_NE(button, nullptr);
        const QPoint centre = button->rect().center();
        MoveTo(button, centre - QPoint(1, 1));
        Click(button, centre);
        m_popUpAnswered = true;
    });
}

void MacroPageFixture::Type(const QString& text, QWidget* target) {
    if (target == nullptr) {
        target = QApplication::focusWidget();
    }
    ASSERT_NE(target, nullptr);
    QTest::keyClicks(target, text);
}

void MacroPageFixture::PressKey(Qt::Key key, QWidget* target) {
    if (target == nullptr) {
        target = QApplication::focusWidget() ? QApplication::focusWidget() : m_page.get();
    }
    QTest::keyClick(target, key);
}

void MacroPageFixture::Tap(std::uint32_t key, std::uint32_t gap) {
    Play(key, false, gap);
    Play(key, true, gap);
}

void MacroPageFixture::Play(std::uint32_t key, bool released, std::uint32_t gap) {
    m_clock.Advance(std::chrono::milliseconds(gap));
    m_keys.Play(key, released);
}

std::vector<std::pair<int, int>> MacroPageFixture::Rows() {
    std::vector<std::pair<int, int>> rows;
    if (CMacro* macro = current()) {
        for (const CEventItem& row : macro->events) {
            rows.emplace_back(row.code, row.edge);
        }
    }
    return rows;
}

std::vector<std::int32_t> MacroPageFixture::Delays() {
    std::vector<std::int32_t> delays;
    if (CMacro* macro = current()) {
        for (const CEventItem& row : macro->events) {
            delays.push_back(row.delay);
        }
    }
    return delays;
}

int MacroPageFixture::SelectedEventRow() {
    return current() != nullptr ? current()->FirstSelectedRow() : kNoRow;
}

std::vector<QString> MacroPageFixture::ListNames() {
    std::vector<QString> names;
    for (int i = 0; i < list().rowCount(); ++i) {
        names.push_back(list().rowText(i));
    }
    return names;
}

int MacroPageFixture::SelectedListRow() {
    return list().selectedRow();
}

}  // namespace solune::test
