// Desktop-wide key capture on a virtual X display (Xvfb): the program runs on
// X11 (Qt's xcb platform), chooses the desktop-wide source, and a key typed
// with xdotool into another program's window is seen by it, in order, while
// that window still receives the key.
//
// Exits with 77 (skipped) when Xvfb or xdotool is not installed.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "config/keycapture/KeyEventSourceFactory.h"
#include "tests/support/XClientWindow.h"

namespace solune::test {
namespace {

using KeyEvents = std::vector<std::pair<std::uint32_t, bool>>;

constexpr int kTimeoutMs = 60000;

// Runs the Qt event loop until `done` holds or the time is up.
template <typename Done>
bool SpinUntil(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kTimeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

TEST(X11KeyCapture, OnX11WithXInput2TheDesktopWideSourceIsChosen) {
    std::string why = "not cleared";
    std::unique_ptr<KeyEventSource> source = MakeKeyEventSource(&why);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->Name(), "X11 desktop-wide");
    EXPECT_EQ(why, "");
}

TEST(X11KeyCapture, AKeyTypedIntoAnotherWindowIsSeenAndStillReachesIt) {
    XClientWindow other;
    ASSERT_TRUE(other.Open(kTimeoutMs));
    std::unique_ptr<KeyEventSource> source = MakeKeyEventSource();
    KeyEvents events;
    ASSERT_TRUE(source->Start(
        [&events](std::uint32_t key, bool released) { events.emplace_back(key, released); }));
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "a", "F5", "Return"}), 0);
    const KeyEvents expected = {{0x41, false}, {0x41, true},  {0x74, false},
                                {0x74, true},  {0x0D, false}, {0x0D, true}};
    EXPECT_TRUE(SpinUntil([&] { return events.size() >= expected.size(); }));
    EXPECT_EQ(events, expected);
    std::vector<std::string> received;
    EXPECT_TRUE(SpinUntil([&] {
        received = other.ReceivedPresses();
        return std::set<std::string>(received.begin(), received.end()).size() >= 3;
    }));
    // A loaded server may add auto-repeated presses while a key is held:
    // the window gets every key, perhaps more than once.
    received.erase(std::unique(received.begin(), received.end()), received.end());
    EXPECT_EQ(received, (std::vector<std::string>{"a", "F5", "Return"}));

    // After Stop nothing more arrives, and the window still gets its keys.
    source->Stop();
    events.clear();
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "b"}), 0);
    EXPECT_TRUE(SpinUntil([&] { return other.ReceivedPresses().back() == "b"; }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.empty());
}

// A virtual X server on a free display, chosen by the server itself.
class Xvfb {
  public:
    ~Xvfb() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }

    // Starts the server; the display name (":N"), or empty on failure.
    std::string Start() {
        int fds[2];
        if (::pipe(fds) != 0) {
            return {};
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24",
                     "-nolisten", "tcp", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string number;
        pollfd readable{fds[0], POLLIN, 0};
        char c = 0;
        while (m_pid > 0 && ::poll(&readable, 1, kTimeoutMs) == 1 && ::read(fds[0], &c, 1) == 1 &&
               c != '\n') {
            number += c;
        }
        ::close(fds[0]);
        return number.empty() ? std::string() : ":" + number;
    }

  private:
    pid_t m_pid = -1;
};

bool OnPath(const char* program) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

}  // namespace
}  // namespace solune::test

int main(int argc, char** argv) {
    using solune::test::OnPath;
    if (!OnPath("Xvfb") || !OnPath("xdotool")) {
        std::puts("Xvfb or xdotool is not installed: skipped");
        return 77;
    }
    solune::test::Xvfb server;
    const std::string display = server.Start();
    if (display.empty()) {
        std::puts("Xvfb did not start");
        return 1;
    }
    ::setenv("DISPLAY", display.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    ::unsetenv("WAYLAND_DISPLAY");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
