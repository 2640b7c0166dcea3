#pragma once
// A small desktop on a VirtualDisplay for the tests of what a window manager
// does to a window: the openbox window manager and, when asked, trayer as the
// notification area (a tray host). Tests that use it skip where openbox,
// trayer or xprop is missing (Missing()).

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <string>

#include "tests/support/VirtualDisplay.h"

namespace solune::test {

class DesktopSession {
  public:
    enum class Tray { None, Trayer };

    // The programs a session with `tray` needs that are not on PATH, as one
    // text ("" when none is missing), for GTEST_SKIP.
    static std::string Missing(Tray tray) {
        std::string missing;
        for (const char* program : {"Xvfb", "xdotool", "xprop", "openbox"}) {
            if (!OnPath(program)) {
                missing += std::string(missing.empty() ? "" : ", ") + program;
            }
        }
        if (tray == Tray::Trayer && !OnPath("trayer")) {
            missing += std::string(missing.empty() ? "" : ", ") + "trayer";
        }
        return missing;
    }

    // Starts trayer (when asked) and then openbox on `display`, waiting up to
    // 30 s each until the tray's panel shows and the window manager has
    // announced itself. The panel comes first: a window that asks to be shown
    // while openbox is still starting may be left unmapped.
    DesktopSession(const VirtualDisplay& display, Tray tray) : m_display(display) {
        m_ready = true;
        if (tray == Tray::Trayer) {
            Start(m_tray, "trayer",
                  {"--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width",
                   "120", "--heighttype", "pixel", "--height", "32"});
            m_ready = WaitFor([this] {
                return !m_display.Xdotool({"search", "--onlyvisible", "--class", "trayer"})
                            .isEmpty();
            });
        }
        if (m_ready) {
            Start(m_windowManager, "openbox", {});
            m_ready = WaitFor([this] {
                return m_display.Xprop({"-root", "_NET_SUPPORTING_WM_CHECK"})
                    .contains("window id");
            });
        }
    }
    ~DesktopSession() {
        for (QProcess* process : {&m_tray, &m_windowManager}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(10000);
            }
        }
    }
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    bool ready() const { return m_ready; }

  private:
    void Start(QProcess& process, const QString& program, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_display.name());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, arguments);
        process.waitForStarted(10000);
    }

    // Polls `done` until it holds, 30 s at most.
    static bool WaitFor(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!done()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
        }
        return true;
    }

    const VirtualDisplay& m_display;
    QProcess m_windowManager;
    QProcess m_tray;
    bool m_ready = false;
};

}  // namespace solune::test
