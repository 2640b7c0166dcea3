// The main window's life beside the mouse and in the notification area: the
// mouse's arrival (after 900 ms, without freezing the window) and removal on
// the support page, other devices ignored, the two-second follow-up of the
// mouse's active profile, the tray icon and its reused menu, "Exit" and the
// termination signals.
//
// Timers are driven without waiting: a test sends the window the QTimerEvent
// of its timer id (followTimerId(), settleTimerId()).

#include <unistd.h>

#include "config/app/CVESKApp.h"
#include "config/app/VeskTray.h"
#include "config/profiles/set/ProfileMessages.h"
#include "platform/SingleInstance.h"
#include "shared/skin/CVixMenu.h"
#include "tests/support/ProgramSandbox.h"
#include "tests/config/app/VeskWindowFixture.h"

namespace solune::test {
namespace {

using Log = std::vector<std::string>;

class VeskDeviceTrayTest : public VeskWindowFixture {
  protected:
    void Plug(bool plugged) {
        m_mouse.Change([plugged](simulator::MouseState& s) {
            if (plugged) {
                simulator::Replug(s);
            } else {
                s.plugged = false;
            }
        });
    }
    void PressTheMouseButtonTo(int slot) {
        m_mouse.Change([slot](simulator::MouseState& s) { s.activeSlot = slot; });
    }
    bool MakeActive(QWidget& window) {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

TEST_F(VeskDeviceTrayTest, TheMousesRemovalAndArrivalReachTheSupportPage) {
    CVESKDlg& window = Open();
    ASSERT_TRUE(window.link()->FindDevice());
    Plug(false);
    ASSERT_TRUE(ProcessUntil([&] { return m_pages->firmwareText == "-.--"; }));
    EXPECT_EQ(window.link()->deviceConnected(), 0);
    EXPECT_FALSE(window.link()->IsOpen());

    Plug(true);
    ASSERT_TRUE(ProcessUntil([&] { return window.settleTimerId() != 0; }));
    EXPECT_EQ(TimerInterval(window.settleTimerId()), 900);
    // The window goes on working during the 900 ms: nothing has slept.
    EXPECT_EQ(m_clock.TotalWaited(), 0);
    EXPECT_EQ(m_pages->firmwareText, "-.--");
    ClickOn("Sensor Performance");
    EXPECT_TRUE(m_pages->page(VeskPages::kSensor)->isVisible());

    Tick(window.settleTimerId());
    EXPECT_EQ(m_pages->firmwareText, "1.05");
    EXPECT_EQ(window.link()->deviceConnected(), 1);
    EXPECT_EQ(window.settleTimerId(), 0);
}

TEST_F(VeskDeviceTrayTest, AnArrivalShowsTheMousesOwnVersionAndAFailedAnswerShowsNoVersion) {
    m_mouse.Change([](simulator::MouseState& s) { s.firmwareVersion = 121; });
    CVESKDlg& window = Open();
    Plug(false);
    ASSERT_TRUE(ProcessUntil([&] { return m_pages->firmwareText == "-.--"; }));
    Plug(true);
    ASSERT_TRUE(ProcessUntil([&] { return window.settleTimerId() != 0; }));
    Tick(window.settleTimerId());
    EXPECT_EQ(m_pages->firmwareText, "1.21");

    Plug(false);
    ASSERT_TRUE(ProcessUntil([&] { return m_pages->firmwareText == "-.--"; }));
    m_pages->firmwareText.clear();
    Plug(true);
    ASSERT_TRUE(ProcessUntil([&] { return window.settleTimerId() != 0; }));
    m_mouse.Change([](simulator::MouseState& s) { simulator::SetFault(s, "get-fail", 1); });
    Tick(window.settleTimerId());
    EXPECT_EQ(m_pages->firmwareText, "-.--");
}

TEST_F(VeskDeviceTrayTest, AnotherDevicesNoticeIsIgnored) {
    CVESKDlg& window = Open();
    m_injected.push_back({HidNotice::Kind::Arrival,
                          "/sys/devices/pci0000:00/usb1/1-2/0003:046D:C077.0004/hidraw/hidraw5"});
    m_injected.push_back({HidNotice::Kind::Removal,
                          "/sys/devices/pci0000:00/usb1/1-3/0003:22D4:1307.0002/hidraw/hidraw6"});
    PressTheMouseButtonTo(1);  // any change makes the notice descriptor readable
    ASSERT_TRUE(ProcessUntil([&] { return m_injected.empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.settleTimerId(), 0);
    EXPECT_TRUE(m_pages->firmwareText.isEmpty());
    EXPECT_EQ(m_log.size(), 3u);  // only the first load
}

// A shown window selects the mouse's profile whether it or another window is
// the active one.
TEST_F(VeskDeviceTrayTest, TheFollowUpSelectsTheMousesProfileWhileTheWindowIsShown) {
    for (const bool otherActive : {false, true}) {
        SCOPED_TRACE(otherActive ? "another window active" : "the window active");
        PressTheMouseButtonTo(0);
        CVESKDlg& window = Open();
        QWidget other;
        other.setGeometry(10, 10, 100, 100);
        if (otherActive) {
            other.show();
        }
        ASSERT_TRUE(MakeActive(otherActive ? other : window));
        ASSERT_TRUE(window.link()->FindDevice());
        window.profiles().profile(3).pointerSpeed = 7;
        PressTheMouseButtonTo(2);
        Tick(window.followTimerId());
        EXPECT_EQ(window.profiles().currentNumber(), 3);
        EXPECT_TRUE(Control<CVixButton>("Profile3")->isSelected());
        EXPECT_EQ(m_pages->editing(VeskPages::kSensor).slider->value(), 7);
        EXPECT_EQ(m_pointer->calls,
                  (Log{"doubleclick 800", "speed 14", "wheel 2", "accel 0 0 0"}));
        m_window.reset();
    }
}

// While the window is hidden each change of the mouse's profile gives the
// desktop that profile's pointer settings at once; the pages and the profile
// buttons stay until the window is shown, which then shows the last one.
TEST_F(VeskDeviceTrayTest, WhileHiddenTheDesktopFollowsTheMouseAndThePagesFollowWhenShown) {
    struct Case {
        const char* name;
        std::vector<int> presses;  // the slot the mouse's button picks, one per tick
        Log pointer;
        int shownProfile;
        bool slotFourUnused = false;  // profile 5 takes slot 3, so no profile has slot 4
    };
    const Case cases[] = {
        {"one press", {2}, {"doubleclick 800", "speed 14", "wheel 2", "accel 0 0 0"}, 3},
        {"two presses",
         {2, 4},
         {"doubleclick 800", "speed 14", "wheel 2", "accel 0 0 0", "doubleclick 800", "speed 18",
          "wheel 2", "accel 0 0 0"},
         5},
        {"back to the shown profile", {2, 0},
         {"doubleclick 800", "speed 14", "wheel 2", "accel 0 0 0", "doubleclick 800", "speed 4",
          "wheel 2", "accel 0 0 0"},
         1},
        {"then a slot no profile has",
         {2, 4},
         {"doubleclick 800", "speed 14", "wheel 2", "accel 0 0 0", "doubleclick 800", "speed 4",
          "wheel 2", "accel 0 0 0"},
         1,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PressTheMouseButtonTo(0);
        CVESKDlg& window = Open();
        ASSERT_TRUE(window.link()->FindDevice());
        // The first read takes the mouse's slot 0 while the window is shown.
        Tick(window.followTimerId());
        m_pointer->calls.clear();
        window.profiles().profile(1).pointerSpeed = 2;
        window.profiles().profile(3).pointerSpeed = 7;
        window.profiles().profile(5).pointerSpeed = 9;
        if (c.slotFourUnused) {
            window.profiles().profile(5).slot = 3;
        }
        ClickOn("Cancel");
        ASSERT_TRUE(window.isHidden());
        const std::size_t loads = m_log.size();

        for (int slot : c.presses) {
            PressTheMouseButtonTo(slot);
            Tick(window.followTimerId());
        }
        EXPECT_EQ(m_pointer->calls, c.pointer);
        EXPECT_EQ(window.profiles().currentNumber(), 1);
        EXPECT_TRUE(Control<CVixButton>("Profile1")->isSelected());
        EXPECT_EQ(m_log.size(), loads);

        m_pointer->calls.clear();
        window.tray().Activated(QSystemTrayIcon::DoubleClick, QPoint(600, 400));
        ASSERT_TRUE(window.isVisible());
        EXPECT_EQ(window.profiles().currentNumber(), c.shownProfile);
        const std::string shownButton = "Profile" + std::to_string(c.shownProfile);
        EXPECT_TRUE(Control<CVixButton>(shownButton.c_str())->isSelected());
        if (c.slotFourUnused) {
            // Nothing is selected: the pages keep what they showed.
            EXPECT_EQ(m_log.size(), loads);
        } else {
            EXPECT_EQ(m_pages->editing(VeskPages::kSensor).slider->value(),
                      window.profiles().profile(c.shownProfile).pointerSpeed);
        }
        // The desktop has that profile already; showing sends nothing.
        EXPECT_TRUE(m_pointer->calls.empty());
        // Shown again later: nothing more is selected.
        const std::size_t shownLoads = m_log.size();
        ClickOn("Cancel");
        window.tray().Activated(QSystemTrayIcon::DoubleClick, QPoint(600, 400));
        EXPECT_EQ(m_log.size(), shownLoads);
        m_window.reset();
    }
}

TEST_F(VeskDeviceTrayTest, WhileHiddenTheFollowUpReadsOnlyWhenTheMouseIsThere) {
    CVESKDlg& window = Open();
    ClickOn("Cancel");
    window.link()->CloseDevice();
    PressTheMouseButtonTo(2);
    const std::size_t waits = m_clock.Waits().size();
    Tick(window.followTimerId());
    EXPECT_EQ(m_clock.Waits().size(), waits);
    EXPECT_TRUE(m_pointer->calls.empty());

    ASSERT_TRUE(window.link()->FindDevice());
    Tick(window.followTimerId());
    EXPECT_EQ(m_pointer->calls.size(), 4u);
    EXPECT_EQ(window.profiles().lastDeviceSlot(), 2);
}

TEST_F(VeskDeviceTrayTest, TheFollowUpLeavesTheMouseAloneWhileApplyRuns) {
    CVESKDlg& window = Open();
    ASSERT_TRUE(MakeActive(window));
    PressTheMouseButtonTo(4);
    // "Apply" fails to activate, and its message box runs while busy; a tick
    // of the timer arrives meanwhile.
    int halves = 0;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds wait) {
        if (wait.count() == 60 && ++halves == 10) {
            m_mouse.Change([](simulator::MouseState& s) { simulator::SetFault(s, "set-fail", 1); });
        }
    });
    m_messages.onMessage = [&] {
        EXPECT_TRUE(window.profiles().busy());
        const std::size_t waits = m_clock.Waits().size();
        Tick(window.followTimerId());
        EXPECT_EQ(m_clock.Waits().size(), waits);
    };
    ClickOn("Apply");
    EXPECT_EQ(m_messages.messages, (Log{kMouseNoAnswerText}));  // the mouse is there
    EXPECT_EQ(window.profiles().currentNumber(), 1);
    Tick(window.followTimerId());
    EXPECT_EQ(window.profiles().currentNumber(), 5);
}

// The second line names the profile the mouse was last read to have, shown or
// hidden, and goes while the mouse is away.
TEST_F(VeskDeviceTrayTest, TheTrayTipNamesTheMousesProfileOnASecondLine) {
    CVESKDlg& window = Open();
    ASSERT_TRUE(window.link()->FindDevice());
    PressTheMouseButtonTo(2);
    Tick(window.followTimerId());
    EXPECT_EQ(window.tray().icon().toolTip(), "SOLUNE 300 Optical Gaming Mouse\nProfile 3: Profile3");

    ClickOn("Cancel");
    PressTheMouseButtonTo(4);
    Tick(window.followTimerId());
    EXPECT_EQ(window.tray().icon().toolTip(), "SOLUNE 300 Optical Gaming Mouse\nProfile 5: Profile5");

    Plug(false);
    ASSERT_TRUE(ProcessUntil([&] { return !window.link()->IsOpen(); }));
    Tick(window.followTimerId());
    EXPECT_EQ(window.tray().icon().toolTip(), "SOLUNE 300 Optical Gaming Mouse");
}

TEST_F(VeskDeviceTrayTest, TheTrayIconCarriesItsTipAndItsMenuIsMadeOnceAndReused) {
    CVESKDlg& window = Open();
    EXPECT_EQ(window.tray().icon().toolTip(), "SOLUNE 300 Optical Gaming Mouse");
    EXPECT_TRUE(window.tray().icon().isVisible());
    EXPECT_EQ(window.tray().menu(), nullptr);

    window.tray().Activated(QSystemTrayIcon::Context, QPoint(700, 500));
    QPointer<CVixMenu> menu = window.tray().menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->geometry().bottomRight(), QPoint(699, 499));
    ASSERT_EQ(menu->rowCount(), 2);
    EXPECT_EQ(menu->row(0).text, "Config Mouse");
    EXPECT_EQ(menu->row(1).text, "Exit");

    // A click outside closes it; the next right click shows the same menu.
    Click(&window, QPoint(400, 30));
    EXPECT_FALSE(menu->isVisible());
    window.tray().Activated(QSystemTrayIcon::Context, QPoint(600, 400));
    EXPECT_EQ(window.tray().menu(), menu.data());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(window.findChildren<CVixMenu*>(QString("menu")).size(), 1);
}

TEST_F(VeskDeviceTrayTest, ConfigMouseAndADoubleClickShowTheHiddenWindow) {
    CVESKDlg& window = Open();
    ClickOn("Cancel");
    ASSERT_FALSE(window.isVisible());
    window.tray().Activated(QSystemTrayIcon::DoubleClick, QPoint(600, 400));
    EXPECT_TRUE(window.isVisible());

    ClickOn("Cancel");
    window.tray().Activated(QSystemTrayIcon::Context, QPoint(600, 400));
    CVixMenu* menu = window.tray().menu();
    const int h = menu->rowHeight();
    Click(menu, QPoint(menu->width() / 2, 4 + h / 2));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(window.exitRequested());
}

TEST_F(VeskDeviceTrayTest, ExitRemovesTheIconSavesTheMacrosAndEndsTheProgram) {
    CVESKDlg& window = Open();
    window.tray().Activated(QSystemTrayIcon::Context, QPoint(600, 400));
    CVixMenu* menu = window.tray().menu();
    const int h = menu->rowHeight();
    m_log.clear();
    Click(menu, QPoint(menu->width() / 2, 4 + h + h / 2));
    EXPECT_TRUE(window.exitRequested());
    EXPECT_FALSE(window.tray().icon().isVisible());
    EXPECT_EQ(m_log, (Log{"save macros"}));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "config" / "Dravik"));  // no profile is saved
}

TEST_F(VeskDeviceTrayTest, ASecondStartsRequestShowsTheHiddenWindow) {
    ProgramSandbox sandbox;  // a private runtime folder for the instance lock
    auto instance = SingleInstance::Acquire(kVeskInstanceName);
    ASSERT_NE(instance, nullptr);
    CVESKDlg& window = Open();
    window.WatchShowRequests(instance->RequestDescriptor(),
                             [&instance] { return instance->TakeShowRequests(); });
    ClickOn("Cancel");
    ASSERT_FALSE(window.isVisible());
    ASSERT_TRUE(SingleInstance::AskToShow(kVeskInstanceName));
    EXPECT_TRUE(ProcessUntil([&] { return window.isVisible(); }));
    EXPECT_FALSE(window.exitRequested());
}

TEST_F(VeskDeviceTrayTest, ATerminationSignalEndsTheProgramInOrder) {
    CVESKDlg& window = Open();
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    window.WatchTerminationSignals(pipeFds[0]);
    m_log.clear();
    ASSERT_EQ(::write(pipeFds[1], "T", 1), 1);
    EXPECT_TRUE(ProcessUntil([&] { return window.exitRequested(); }));
    EXPECT_EQ(m_log, (Log{"save macros"}));
    EXPECT_FALSE(window.tray().icon().isVisible());
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

// An end the user asked for (the tray's "Exit", closing the window without a
// notification area) says why the macros could not be saved; a termination
// signal ends as quietly as ever, since nobody may be there to close a box.
TEST_F(VeskDeviceTrayTest, AnEndTheUserAskedForSaysWhyTheMacrosWereNotSaved) {
    enum class End { TrayExit, Close, Signal };
    struct Case {
        const char* name;
        End end;
        bool told;
    };
    const Case cases[] = {
        {"tray Exit", End::TrayExit, true},
        {"close without a notification area", End::Close, true},
        {"termination signal", End::Signal, false},
    };
    const std::string why = MacroSaveProblem(MacroSaveResult::Failed);
    ASSERT_FALSE(why.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        trayAvailable = c.end != End::Close;
        macroSave = MacroSaveResult::Failed;
        CVESKDlg& window = Open();
        m_messages.messages.clear();
        if (c.end == End::TrayExit) {
            window.tray().Activated(QSystemTrayIcon::Context, QPoint(600, 400));
            CVixMenu* menu = window.tray().menu();
            const int h = menu->rowHeight();
            Click(menu, QPoint(menu->width() / 2, 4 + h + h / 2));
        } else if (c.end == End::Close) {
            window.close();
        } else {
            int pipeFds[2];
            ASSERT_EQ(::pipe(pipeFds), 0);
            window.WatchTerminationSignals(pipeFds[0]);
            ASSERT_EQ(::write(pipeFds[1], "T", 1), 1);
            EXPECT_TRUE(ProcessUntil([&] { return window.exitRequested(); }));
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
        }
        EXPECT_TRUE(window.exitRequested());
        EXPECT_EQ(m_messages.messages, c.told ? Log{why} : Log{});
    }
}

}  // namespace
}  // namespace solune::test
