// The real VESK program against a virtual mouse in a state file. Offscreen: a
// second copy ends at once with one line on the error stream, a missing
// session runtime folder does not keep the program from starting, a stale or
// foreign listener never keeps a new copy from starting, and SIGTERM ends the
// program in order. On a virtual X display (Xvfb, with xdotool): a real click
// on "Apply" writes the five profiles on disk into the mouse's five slots.
// Under a window manager (openbox, with trayer as the notification area): a
// quick click on a free point never starts a drag, "Cancel" without a tray
// minimises and a second start shows the window again, and Alt+F4 with a tray
// hides the window, which the tray's double click shows at the same place.

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <QThread>
#include <chrono>
#include <functional>

#include "config/app/CVESKApp.h"
#include "shared/layout/MainWindowLayout.h"
#include "config/device/SettingsImage.h"
#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "shared/layout/MacroPageLayout.h"
#include "config/profiles/ProfileFile.h"
#include "platform/SingleInstance.h"
#include "simulator/MouseStore.h"
#include "tests/support/DesktopSession.h"
#include "tests/support/ProgramSandbox.h"
#include "tests/support/VirtualDisplay.h"

namespace solune::test {
namespace {

class VeskProgramTest : public ::testing::Test {
  protected:
    VeskProgramTest() : m_store(m_sandbox.stateFile()) {
        EXPECT_TRUE(m_store.Create(simulator::MouseState{}));
    }
    ~VeskProgramTest() override {
        for (QProcess* process : {&m_first, &m_second}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(10000);
            }
        }
    }

    void Start(QProcess& process, const QString& display = {}, const QStringList& arguments = {}) {
        process.setProcessEnvironment(m_sandbox.Environment(display));
        process.start(VESK_PATH, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // Waits up to 30 s for the first copy to hold the instance lock.
    bool WaitUntilRunning() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!SingleInstance::IsHeld(kVeskInstanceName) &&
               std::chrono::steady_clock::now() < deadline &&
               m_first.state() == QProcess::Running) {
            m_first.waitForFinished(50);
        }
        return SingleInstance::IsHeld(kVeskInstanceName);
    }

    // What `process` wrote on its error stream, read until it holds `text` or
    // 20 s have passed.
    static std::string ErrorOutputUntil(QProcess& process, const std::string& text) {
        std::string output;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (output.find(text) == std::string::npos &&
               std::chrono::steady_clock::now() < deadline &&
               process.state() == QProcess::Running) {
            process.waitForFinished(50);
            output += process.readAllStandardError().toStdString();
        }
        return output + process.readAllStandardError().toStdString();
    }

    // Starts the first copy on `display`, where it must capture keys
    // desktop-wide; its window, empty when none showed.
    QString StartOnDisplay(const VirtualDisplay& display) {
        Start(m_first, display.name());
        const QString window = display.WindowOf(m_first.processId());
        const std::string log = ErrorOutputUntil(m_first, "VESK: key capture: ");
        EXPECT_FALSE(window.isEmpty()) << log;
        EXPECT_NE(log.find("VESK: key capture: X11 desktop-wide\n"), std::string::npos) << log;
        return window;
    }

    std::filesystem::path DataFolder() const {
        return m_sandbox.configFolder() / "Dravik" / "SOLUNE300";
    }

    ProgramSandbox m_sandbox;
    simulator::FileMouseStore m_store;
    QProcess m_first;
    QProcess m_second;
};

TEST_F(VeskProgramTest, ASecondCopyEndsAtOnceSayingWhyOnTheErrorStream) {
    Start(m_first);
    ASSERT_TRUE(WaitUntilRunning()) << m_first.readAllStandardError().toStdString();
    Start(m_second);
    ASSERT_TRUE(m_second.waitForFinished(20000));
    EXPECT_EQ(m_second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_TRUE(m_second.readAllStandardOutput().isEmpty());
    EXPECT_EQ(m_second.readAllStandardError().toStdString(),
              "VESK is already running; its window was asked to show\n");
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

// A session's runtime folder that does not exist does not keep the program
// from starting: the instance lock lives in the user's own folder.
TEST_F(VeskProgramTest, AMissingSessionRuntimeFolderStillStartsTheProgram) {
    QProcessEnvironment env = m_sandbox.Environment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString((m_sandbox.dir() / "gone").string()));
    m_first.setProcessEnvironment(env);
    m_first.start(VESK_PATH, {});
    ASSERT_TRUE(m_first.waitForStarted(10000));
    EXPECT_TRUE(WaitUntilRunning()) << m_first.readAllStandardError().toStdString();
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

// A folder for the instance lock that cannot be made ends the program with a
// line naming it and status 1, never silently with 0.
TEST_F(VeskProgramTest, AnInstanceFolderThatCannotBeMadeEndsWithOneLine) {
    const std::string folder = (m_sandbox.dir() / "missing" / "solune300").string();
    QProcessEnvironment env = m_sandbox.Environment();
    env.insert("SOLUNE300_RUNTIME_FOLDER", QString::fromStdString(folder));
    m_first.setProcessEnvironment(env);
    m_first.start(VESK_PATH, {});
    ASSERT_TRUE(m_first.waitForFinished(20000));
    EXPECT_EQ(m_first.exitCode(), 1);
    EXPECT_EQ(m_first.readAllStandardError().toStdString(),
              "VESK: cannot use the runtime folder " + folder +
                  " (it must be the user's own and writable only by the user)\n");
}

TEST_F(VeskProgramTest, AForeignListenerTakesTheShowRequestAndTheNewCopyStillStarts) {
    // Something listens on the program's socket without holding its lock.
    const std::filesystem::path socketPath =
        SingleInstance::RuntimeFolder() / "SOLUNE300_Config.sock";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);

    Start(m_first);
    ASSERT_TRUE(WaitUntilRunning()) << m_first.readAllStandardError().toStdString();
    EXPECT_EQ(m_first.state(), QProcess::Running);
    const int request = ::accept(listener, nullptr, nullptr);
    EXPECT_GE(request, 0) << "the new copy asked first";
    if (request >= 0) {
        ::close(request);
    }
    ::close(listener);
}

// The usage needs no display at all; VESK takes no other argument.
TEST_F(VeskProgramTest, HelpNeedsNoDisplayAndOtherArgumentsAreRefused) {
    struct Case {
        QString argument;
        int status;
        bool usageOnOutput;  // else on the error stream
    };
    for (const Case& c : {Case{"--help", 0, true}, Case{"-h", 0, true},
                          Case{"--frobnicate", 2, false}, Case{"profile.json", 2, false},
                          Case{"--hidden --hidden", 2, false}}) {
        QProcess process;
        QProcessEnvironment env = m_sandbox.Environment();
        if (c.status == 0) {
            env.remove("QT_QPA_PLATFORM");
            env.remove("DISPLAY");
            env.remove("WAYLAND_DISPLAY");
        }
        process.setProcessEnvironment(env);
        process.start(VESK_PATH, {c.argument});
        ASSERT_TRUE(process.waitForFinished(20000)) << c.argument.toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.argument.toStdString();
        EXPECT_EQ(process.exitCode(), c.status) << c.argument.toStdString();
        const QByteArray usage =
            c.usageOnOutput ? process.readAllStandardOutput() : process.readAllStandardError();
        EXPECT_TRUE(usage.startsWith("Usage: VESK [--hidden]\n")) << c.argument.toStdString();
        EXPECT_TRUE(usage.contains("SOLUNE300_SIMULATOR")) << c.argument.toStdString();
    }
    EXPECT_FALSE(SingleInstance::IsHeld(kVeskInstanceName));
}

// Run as root with a user's data folder (as "sudo -E" leaves XDG_CONFIG_HOME):
// one line on the error stream and status 1, before a display is needed or
// anything is made; "--help" still works.
TEST_F(VeskProgramTest, AsRootAnotherUsersDataFolderIsRefusedInOneLine) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give the data folder to another user";
    }
    const std::string name = m_sandbox.GiveDataFolderToAnotherUser();
    ASSERT_FALSE(name.empty());
    const QProcessEnvironment env = m_sandbox.EnvironmentWithoutDisplay();
    for (const QStringList& arguments : {QStringList{}, QStringList{"--help"}}) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(VESK_PATH, arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        if (!arguments.isEmpty()) {
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_TRUE(process.readAllStandardOutput().startsWith("Usage: VESK [--hidden]\n"));
            continue;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(process.readAllStandardError().toStdString(),
                  "VESK: the data folder " + DataFolder().string() + " belongs to user " + name +
                      ", not to root; run VESK as " + name + ".\n");
    }
    EXPECT_FALSE(SingleInstance::IsHeld(kVeskInstanceName));
    EXPECT_FALSE(std::filesystem::exists(DataFolder() / "Profiles"));
}

TEST_F(VeskProgramTest, SigtermEndsTheProgramInOrderWithStatusZero) {
    Start(m_first);
    ASSERT_TRUE(WaitUntilRunning()) << m_first.readAllStandardError().toStdString();
    // Offscreen there is no X display: keys come from the program's own windows.
    const std::string log = ErrorOutputUntil(m_first, "VESK: key capture: ");
    EXPECT_NE(log.find("VESK: key capture: in-application ("), std::string::npos) << log;
    ::kill(static_cast<pid_t>(m_first.processId()), SIGTERM);
    ASSERT_TRUE(m_first.waitForFinished(20000));
    EXPECT_EQ(m_first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_first.exitCode(), 0);
    EXPECT_FALSE(SingleInstance::IsHeld(kVeskInstanceName));
}

// The centre of main-window control `id`, in window coordinates.
std::pair<int, int> CentreOf(int id) {
    for (const layout::LayoutControl& c : layout::kMainControls) {
        if (c.id == id) {
            return {c.rect.x + c.rect.width / 2, c.rect.y + c.rect.height / 2};
        }
    }
    ADD_FAILURE() << "no control " << id;
    return {0, 0};
}

// The centre of macro-page control `id`, in main-window coordinates.
std::pair<int, int> CentreOfMacroPageControl(int id) {
    for (const layout::LayoutControl& c : layout::kMacroPageControls) {
        if (c.id == id) {
            return {layout::kPageRect.x + c.rect.x + c.rect.width / 2,
                    layout::kPageRect.y + c.rect.y + c.rect.height / 2};
        }
    }
    ADD_FAILURE() << "no macro page control " << id;
    return {0, 0};
}

// The rows of macro `name` in the macro folder under `configFolder`; -1 when
// there is no such macro.
int SavedMacroRows(const std::filesystem::path& configFolder, const std::u16string& name) {
    MacroLibrary library;
    library.SetMacroFolder(configFolder / "Dravik" / "SOLUNE300" / "Macros");
    library.LoadAllMacros();
    for (const auto& macro : library.macros()) {
        if (macro->name == name) {
            return static_cast<int>(macro->events.size());
        }
    }
    return -1;
}

// SIGTERM while the desktop-wide key source records: the program ends with
// status 0 (the pages go before the key source they stop).
TEST_F(VeskProgramTest, OnADisplaySigtermWhileRecordingEndsWithStatusZero) {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    const QString window = StartOnDisplay(display);
    ASSERT_FALSE(window.isEmpty());

    display.Click(window, CentreOf(layout::kMacroButtonId));
    display.Click(window, CentreOfMacroPageControl(layout::kNewMacroId));
    display.Xdotool({"type", "--delay", "20", "Rec"});
    display.Xdotool({"key", "Return"});
    display.Click(window, CentreOfMacroPageControl(layout::kStartRecordId));
    display.Xdotool({"key", "--delay", "20", "a"});
    // "Apply" saves the library: the rows on disk show the recording runs.
    display.Click(window, CentreOf(layout::kApplyButtonId));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (SavedMacroRows(m_sandbox.configFolder(), u"Rec") < 2 &&
           std::chrono::steady_clock::now() < deadline && m_first.state() == QProcess::Running) {
        m_first.waitForFinished(200);
    }
    ASSERT_EQ(SavedMacroRows(m_sandbox.configFolder(), u"Rec"), 2)
        << m_first.readAllStandardError().toStdString();

    ::kill(static_cast<pid_t>(m_first.processId()), SIGTERM);
    ASSERT_TRUE(m_first.waitForFinished(20000));
    EXPECT_EQ(m_first.exitStatus(), QProcess::NormalExit)
        << m_first.readAllStandardError().toStdString();
    EXPECT_EQ(m_first.exitCode(), 0);
    EXPECT_FALSE(SingleInstance::IsHeld(kVeskInstanceName));
}

TEST_F(VeskProgramTest, OnADisplayApplyWritesTheFiveProfiles) {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    // Profile 3 on disk differs from the defaults.
    Profile third;
    third.name = u"Third";
    third.pollingInterval = kPolling250Hz;
    third.dpiLevels[1] = {3200, 3200};
    ASSERT_TRUE(SaveProfile(third, DataFolder() / "Profiles" / "Default3.profile"));

    const QString window = StartOnDisplay(display);
    ASSERT_FALSE(window.isEmpty());
    display.Click(window, CentreOf(layout::kApplyButtonId));

    auto written = [this] {
        simulator::MouseState mouse;
        if (!m_store.Read(mouse)) {
            return false;
        }
        for (int k = 1; k <= 5; ++k) {
            Profile profile;
            profile.slot = static_cast<std::uint8_t>(k - 1);
            const auto file =
                DataFolder() / "Profiles" / ("Default" + std::to_string(k) + ".profile");
            SettingsImage image{};
            if (LoadProfile(file, profile) != ProfileReadResult::Complete ||
                BuildSettingsImage(profile, image) != CommandResult::Done ||
                mouse.profileSlots[k - 1] != image) {
                return false;
            }
        }
        return true;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!written() && std::chrono::steady_clock::now() < deadline &&
           m_first.state() == QProcess::Running) {
        m_first.waitForFinished(200);
    }
    ASSERT_TRUE(written()) << m_first.readAllStandardError().toStdString();
    simulator::MouseState mouse;
    ASSERT_TRUE(m_store.Read(mouse));
    EXPECT_EQ(mouse.profileSlots[2][21], kPolling250Hz);

    EXPECT_EQ(m_first.state(), QProcess::Running);
}

// The ends that do not come through the window: SIGHUP (the session or the
// terminal went away) and a display that disappears (Qt then ends the process
// with exit(1)). Both still save the macro library. The library on disk holds
// two macros of one name, which a save writes as "X.macro" and "X1.macro", so
// "X1.macro" shows that the save ran.
TEST_F(VeskProgramTest, HangupAndALostDisplayStillSaveTheMacroLibrary) {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    enum class End { Hangup, DisplayGone };
    struct Case {
        End end;
        int status;
    };
    for (const Case& c : {Case{End::Hangup, 0}, Case{End::DisplayGone, 1}}) {
        const std::string label = c.end == End::Hangup ? "SIGHUP" : "display gone";
        const std::filesystem::path macros = DataFolder() / "Macros";
        std::filesystem::remove_all(macros);
        std::filesystem::create_directories(macros);
        std::vector<std::u16string> listed;
        for (std::int32_t id : {16, 17}) {
            CMacro macro(nullptr, MacroRect{0, 0, 300, 200}, id, u"X");
            const std::filesystem::path file = macros / ("m" + std::to_string(id) + ".macro");
            ASSERT_TRUE(SaveMacroFile(macro, file));
            listed.push_back(file.u16string());
        }
        DataStream index;
        WriteMacroList(index, listed);
        ASSERT_TRUE(index.SaveFile(macros / kMacroListFileName));

        VirtualDisplay display;
        ASSERT_TRUE(display.ready());
        QProcess program;
        program.setProcessEnvironment(m_sandbox.Environment(display.name()));
        program.start(VESK_PATH, {});
        ASSERT_TRUE(program.waitForStarted(10000));
        ASSERT_FALSE(display.WindowOf(program.processId()).isEmpty()) << label;
        if (c.end == End::Hangup) {
            ::kill(static_cast<pid_t>(program.processId()), SIGHUP);
        } else {
            display.Stop();
        }
        ASSERT_TRUE(program.waitForFinished(30000)) << label;
        const std::string errors = program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << label << errors;
        EXPECT_EQ(program.exitCode(), c.status) << label << errors;
        EXPECT_TRUE(std::filesystem::exists(macros / "X1.macro")) << label << errors;
        EXPECT_FALSE(SingleInstance::IsHeld(kVeskInstanceName)) << label;
    }
}

// The main window (titled "SOLUNE300") of the copy `pid` on `display`, not
// its tray icon, waiting up to 30 s for it; empty when none showed.
// The visible main window of process `pid`, looked for again and again for up
// to 30 s: a search that meets a window being destroyed (a second copy's
// windows) ends early with nothing, so one empty answer proves nothing.
QString MainWindowOf(const VirtualDisplay& display, qint64 pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    do {
        const QString window = display
                                   .Xdotool({"search", "--all", "--onlyvisible", "--pid",
                                             QString::number(pid), "--name", "^SOLUNE300$"})
                                   .section('\n', 0, 0);
        if (!window.isEmpty()) {
            return window;
        }
        QThread::msleep(100);
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

// Polls `done` for up to `seconds` while `process` runs.
bool WaitWhileRunning(QProcess& process, const std::function<bool()>& done, int seconds = 20) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done() && std::chrono::steady_clock::now() < deadline &&
           process.state() == QProcess::Running) {
        process.waitForFinished(100);
    }
    return done();
}

// One instant click on a free point of the window (press and release in one
// step, as a touchpad tap sends it), then pointer moves: under a window
// manager the window stays where it was, three times in a row.
TEST_F(VeskProgramTest, OnADesktopAQuickClickOnAFreePointLeavesTheWindowInPlace) {
    if (const std::string missing = DesktopSession::Missing(DesktopSession::Tray::None);
        !missing.empty()) {
        GTEST_SKIP() << "needs " << missing;
    }
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    DesktopSession desktop(display, DesktopSession::Tray::None);
    ASSERT_TRUE(desktop.ready());
    Start(m_first, display.name());
    const QString window = MainWindowOf(display, m_first.processId());
    ASSERT_FALSE(window.isEmpty()) << m_first.readAllStandardError().toStdString();
    const QRect before = display.Geometry(window);
    ASSERT_FALSE(before.isEmpty());
    for (int attempt = 1; attempt <= 3; ++attempt) {
        display.Click(window, {600, 60});
        display.Xdotool({"mousemove_relative", "--sync", "80", "60"});
        display.Xdotool({"mousemove_relative", "--sync", "--", "-30", "45"});
        // A window that follows the pointer moves within a moment; 3 s leave
        // it ample time.
        EXPECT_FALSE(WaitWhileRunning(
            m_first, [&] { return display.Geometry(window) != before; }, 3))
            << "attempt " << attempt;
        display.Xdotool({"mousemove", "--window", window, "600", "60"});
    }
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

// Without a notification area "Cancel" minimises the window (it stays
// mappable, in the task bar); a second start shows it again and ends.
TEST_F(VeskProgramTest, OnADesktopWithoutATrayCancelMinimisesAndASecondStartShowsTheWindow) {
    if (const std::string missing = DesktopSession::Missing(DesktopSession::Tray::None);
        !missing.empty()) {
        GTEST_SKIP() << "needs " << missing;
    }
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    DesktopSession desktop(display, DesktopSession::Tray::None);
    ASSERT_TRUE(desktop.ready());
    Start(m_first, display.name());
    const QString window = MainWindowOf(display, m_first.processId());
    ASSERT_FALSE(window.isEmpty()) << m_first.readAllStandardError().toStdString();

    display.Click(window, CentreOf(layout::kCancelButtonId));
    auto iconic = [&] {
        return display.Xprop({"-id", window, "WM_STATE"}).contains("Iconic");
    };
    ASSERT_TRUE(WaitWhileRunning(m_first, iconic)) << m_first.readAllStandardError().toStdString();
    EXPECT_TRUE(display.VisibleWindowsOf(m_first.processId()).isEmpty());
    Start(m_second, display.name());
    ASSERT_TRUE(m_second.waitForFinished(20000));
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_FALSE(MainWindowOf(display, m_first.processId()).isEmpty());
    EXPECT_FALSE(iconic());
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

// With a notification area the window manager's close (Alt+F4) hides the
// window to the tray as "Cancel" does; the tray icon's double click shows it
// again at the place the user left it.
TEST_F(VeskProgramTest, OnADesktopWithATrayAltF4HidesAndTheTraysDoubleClickShowsItInPlace) {
    if (const std::string missing = DesktopSession::Missing(DesktopSession::Tray::Trayer);
        !missing.empty()) {
        GTEST_SKIP() << "needs " << missing;
    }
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    DesktopSession desktop(display, DesktopSession::Tray::Trayer);
    ASSERT_TRUE(desktop.ready());
    Start(m_first, display.name());
    const QString window = MainWindowOf(display, m_first.processId());
    ASSERT_FALSE(window.isEmpty()) << m_first.readAllStandardError().toStdString();
    const QRect start = display.Geometry(window);
    display.Xdotool({"windowmove", "--sync", window, "150", "90"});
    ASSERT_TRUE(WaitWhileRunning(m_first, [&] { return display.Geometry(window) != start; }));
    const QRect left = display.Geometry(window);

    // The keys go to the focused window; a press that comes before the focus
    // has moved is pressed again.
    auto hidden = [&] { return !display.VisibleWindowsOf(m_first.processId()).contains(window); };
    for (int attempt = 0; attempt < 10 && !hidden() && m_first.state() == QProcess::Running;
         ++attempt) {
        display.Xdotool({"windowactivate", "--sync", window});
        display.Xdotool({"key", "--clearmodifiers", "alt+F4"});
        WaitWhileRunning(m_first, hidden, 2);
    }
    ASSERT_TRUE(hidden()) << m_first.readAllStandardError().toStdString();
    EXPECT_EQ(m_first.state(), QProcess::Running);

    // What the program still shows is its icon in the tray.
    const QString icon = display.VisibleWindowsOf(m_first.processId()).section('\n', 0, 0);
    ASSERT_FALSE(icon.isEmpty());
    // A double click the tray host took while it was busy (a loaded machine)
    // is given again, as a user would.
    auto shown = [&] { return display.VisibleWindowsOf(m_first.processId()).contains(window); };
    for (int attempt = 0; attempt < 5 && !shown() && m_first.state() == QProcess::Running;
         ++attempt) {
        display.Xdotool({"mousemove", "--window", icon, "6", "6", "click", "--repeat", "2",
                         "--delay", "60", "1"});
        WaitWhileRunning(m_first, shown, 4);
    }
    ASSERT_TRUE(shown()) << m_first.readAllStandardError().toStdString();
    EXPECT_TRUE(WaitWhileRunning(m_first, [&] { return display.Geometry(window) == left; }))
        << "left at " << left.x() << "," << left.y() << ", back at "
        << display.Geometry(window).x() << "," << display.Geometry(window).y();
}

// "VESK --hidden" (the start with the session): with a notification area no
// window shows, only the tray icon, whose double click shows the window;
// without one the window starts minimised, never invisible.
TEST_F(VeskProgramTest, HiddenStartsInTheTrayOrMinimisedWithoutOne) {
    for (const DesktopSession::Tray tray : {DesktopSession::Tray::Trayer, DesktopSession::Tray::None}) {
        if (const std::string missing = DesktopSession::Missing(tray); !missing.empty()) {
            GTEST_SKIP() << "needs " << missing;
        }
        SCOPED_TRACE(tray == DesktopSession::Tray::None ? "no tray" : "trayer");
        VirtualDisplay display;
        ASSERT_TRUE(display.ready());
        DesktopSession desktop(display, tray);
        ASSERT_TRUE(desktop.ready());
        QProcess vesk;
        Start(vesk, display.name(), {"--hidden"});
        const QString pid = QString::number(vesk.processId());
        auto mainWindow = [&](bool visibleOnly) {
            QStringList search = {"search", "--all", "--pid", pid, "--name", "^SOLUNE300$"};
            if (visibleOnly) {
                search.insert(2, "--onlyvisible");
            }
            return display.Xdotool(search).section('\n', 0, 0);
        };
        if (tray == DesktopSession::Tray::None) {
            // The window is there, minimised.
            QString window;
            ASSERT_TRUE(WaitWhileRunning(vesk, [&] {
                window = mainWindow(false);
                return !window.isEmpty() &&
                       display.Xprop({"-id", window, "WM_STATE"}).contains("Iconic");
            })) << vesk.readAllStandardError().toStdString();
        } else {
            // What shows is the tray icon alone; its double click brings the window.
            QString icon;
            ASSERT_TRUE(WaitWhileRunning(vesk, [&] {
                icon = display.VisibleWindowsOf(vesk.processId()).section('\n', 0, 0);
                return !icon.isEmpty();
            })) << vesk.readAllStandardError().toStdString();
            EXPECT_TRUE(mainWindow(true).isEmpty());
            auto shown = [&] { return !mainWindow(true).isEmpty(); };
            for (int attempt = 0; attempt < 5 && !shown() && vesk.state() == QProcess::Running;
                 ++attempt) {
                display.Xdotool({"mousemove", "--window", icon, "6", "6", "click", "--repeat",
                                 "2", "--delay", "60", "1"});
                WaitWhileRunning(vesk, shown, 4);
            }
            EXPECT_TRUE(shown());
        }
        EXPECT_EQ(vesk.state(), QProcess::Running);
        vesk.terminate();
        EXPECT_TRUE(vesk.waitForFinished(20000));
    }
}

}  // namespace
}  // namespace solune::test
