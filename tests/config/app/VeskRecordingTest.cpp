// The main window with the real pages and a recording running on the macro
// page: hiding the window ends the recording as "Stop Record" does, and
// every way the program ends (SIGTERM, the tray's "Exit", the close request
// without a notification area) stops it and destroys the pages while the key
// source they listen to still exists.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QPointer>

#include "config/app/VeskTray.h"
#include "config/macros/MacroLibrary.h"
#include "config/macros/widgets/CMacroSettingsDlg.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "config/profiles/set/ProfileFiles.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMenu.h"
#include "tests/config/app/VeskWindowFixture.h"
#include "tests/support/ScriptedKeySource.h"

namespace solune::test {
namespace {

// What a test sees of the window's key source, which the window owns.
struct KeySourceWatch {
    ScriptedKeySource* source = nullptr;  // null once the window destroyed it
    QPointer<QWidget> macroPage;
    bool destroyed = false;
    bool macroPageAliveAtDestruction = false;
};

// A scripted key source that notes, when it is destroyed, whether the macro
// page that listens to it still exists.
class WatchedKeySource final : public KeyEventSource {
  public:
    explicit WatchedKeySource(KeySourceWatch& watch) : m_watch(watch) { watch.source = &m_inner; }
    ~WatchedKeySource() override {
        m_watch.destroyed = true;
        m_watch.macroPageAliveAtDestruction = !m_watch.macroPage.isNull();
        m_watch.source = nullptr;
    }
    bool Start(Listener listener) override { return m_inner.Start(std::move(listener)); }
    void Stop() override { m_inner.Stop(); }
    std::string_view Name() const override { return m_inner.Name(); }

  private:
    ScriptedKeySource m_inner;
    KeySourceWatch& m_watch;
};

constexpr std::uint32_t kKeyA = 0x41;
constexpr std::uint32_t kKeyB = 0x42;

class VeskRecordingTest : public VeskWindowFixture {
  protected:
    CVESKDlg& OpenWithRealPages() {
        realPages = true;
        VeskEnvironment env = Environment();
        env.keys = std::make_unique<WatchedKeySource>(m_keys);
        m_window = std::make_unique<CVESKDlg>(std::move(env));
        m_window->OnInitDialog();
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_page = dynamic_cast<CMacroSettingsDlg*>(
            m_window->findChild<QWidget*>(QStringLiteral("CMacroSettingsDlg")));
        EXPECT_NE(m_page, nullptr);
        m_keys.macroPage = m_page;
        return *m_window;
    }

    // On the macro page: a new macro "Typed", then "Start Record" and A typed.
    void RecordIntoANewMacro() {
        ClickOn("Macro Settings");
        ClickOn("New Macro");
        QTest::keyClicks(m_page->macroList()->nameEdit(), "Typed");
        QTest::keyClick(m_page->macroList()->nameEdit(), Qt::Key_Return);
        ClickOn("Start Record");
        ASSERT_TRUE(m_page->recording());
        m_keys.source->Tap(kKeyA);
        ASSERT_EQ(RowCount(), 2u);
    }

    std::size_t RowCount() const { return m_page->eventList()->currentMacro()->events.size(); }

    // The rows of the macro "Typed" as the macro folder holds them.
    int SavedRows() const {
        MacroLibrary library;
        library.SetMacroFolder(DataFolder(m_dir / "config") / "Macros");
        library.LoadAllMacros();
        for (const auto& macro : library.macros()) {
            if (macro->name == u"Typed") {
                return static_cast<int>(macro->events.size());
            }
        }
        return -1;
    }

    // After the window is gone: the key source went last.
    void ExpectTheKeySourceOutlivedThePages() {
        m_window.reset();
        EXPECT_TRUE(m_keys.destroyed);
        EXPECT_FALSE(m_keys.macroPageAliveAtDestruction);
    }

    KeySourceWatch m_keys;
    CMacroSettingsDlg* m_page = nullptr;
};

// Keys typed after the window hid (in another program, say a password)
// never reach the macro.
TEST_F(VeskRecordingTest, HidingTheWindowStopsTheRecordingAsStopRecordDoes) {
    for (const char* button : {"Cancel", "OK"}) {
        CVESKDlg& window = OpenWithRealPages();
        RecordIntoANewMacro();
        ClickOn(button);
        ASSERT_FALSE(window.isVisible()) << button;

        m_keys.source->Tap(kKeyB);
        EXPECT_EQ(RowCount(), 2u) << button;
        EXPECT_FALSE(m_page->recording()) << button;
        EXPECT_FALSE(m_keys.source->listening()) << button;
        // The page as "Stop Record" leaves it.
        EXPECT_FALSE(Control("Start Record")->isHidden()) << button;
        EXPECT_TRUE(Control("Stop Record")->isHidden()) << button;
        EXPECT_TRUE(Control("Record Delay")->isEnabled()) << button;
        EXPECT_TRUE(Control("Record Hold")->isEnabled()) << button;

        // Shown again, a new recording starts with a click as always.
        window.ShowAndRaise();
        ClickOn("Start Record");
        EXPECT_TRUE(m_page->recording()) << button;
        m_keys.source->Tap(kKeyB);
        EXPECT_EQ(m_page->eventList()->currentMacro()->events.front().code, kKeyB) << button;
        ExpectTheKeySourceOutlivedThePages();
        m_keys = KeySourceWatch{};
        m_messages.messages.clear();
    }
}

TEST_F(VeskRecordingTest, ATerminationSignalWhileRecordingEndsInOrder) {
    CVESKDlg& window = OpenWithRealPages();
    RecordIntoANewMacro();
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    window.WatchTerminationSignals(pipeFds[0]);
    ASSERT_EQ(::write(pipeFds[1], "T", 1), 1);
    EXPECT_TRUE(ProcessUntil([&] { return window.exitRequested(); }));
    EXPECT_FALSE(m_page->recording());
    EXPECT_EQ(SavedRows(), 2);
    ExpectTheKeySourceOutlivedThePages();
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

TEST_F(VeskRecordingTest, TheTraysExitWhileRecordingEndsInOrder) {
    CVESKDlg& window = OpenWithRealPages();
    RecordIntoANewMacro();
    window.tray().Activated(QSystemTrayIcon::Context, QPoint(600, 400));
    CVixMenu* menu = window.tray().menu();
    ASSERT_NE(menu, nullptr);
    const int h = menu->rowHeight();
    Click(menu, QPoint(menu->width() / 2, 4 + h + h / 2));
    EXPECT_TRUE(window.exitRequested());
    EXPECT_FALSE(m_page->recording());
    EXPECT_EQ(SavedRows(), 2);
    ExpectTheKeySourceOutlivedThePages();
}

TEST_F(VeskRecordingTest, ClosingWithoutANotificationAreaWhileRecordingEndsInOrder) {
    trayAvailable = false;
    CVESKDlg& window = OpenWithRealPages();
    RecordIntoANewMacro();
    window.close();
    EXPECT_TRUE(window.exitRequested());
    EXPECT_FALSE(m_page->recording());
    EXPECT_EQ(SavedRows(), 2);
    ExpectTheKeySourceOutlivedThePages();
}

// Destroyed in the middle of a recording (no exit path ran at all): the page
// still goes before the key source it stops.
TEST_F(VeskRecordingTest, DestroyingTheWindowWhileRecordingStopsThePageFirst) {
    OpenWithRealPages();
    RecordIntoANewMacro();
    ExpectTheKeySourceOutlivedThePages();
}

}  // namespace
}  // namespace solune::test
