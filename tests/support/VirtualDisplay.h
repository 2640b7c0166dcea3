#pragma once
// A private X server (Xvfb, started as XvfbServer does: on a free display
// number that the server picks itself) for one test, and keys and clicks on its
// windows through xdotool. Tests that use it skip where Xvfb or xdotool is
// missing (OnPath).

#include <QProcess>
#include <QString>
#include <QStringList>
#include <utility>

#include "tests/support/XvfbServer.h"

namespace solune::test {

// A private X server for one test, and clicks on its windows through xdotool.
class VirtualDisplay {
  public:
    VirtualDisplay()
        : m_server("1024x768x24"), m_name(QString::fromStdString(m_server.display())) {}

    bool ready() const { return !m_name.isEmpty(); }
    // Ends the server under its clients.
    void Stop() { m_server.Stop(); }
    const QString& name() const { return m_name; }

    // Runs xdotool on this display; its standard output. `ok`, when given, says
    // whether xdotool ended with status 0.
    QString Xdotool(const QStringList& arguments, bool* ok = nullptr) const {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_name);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        const bool finished = tool.waitForFinished(30000);
        if (ok != nullptr) {
            *ok = finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
        }
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // The first visible window of process `pid`, waiting up to 30 s for it.
    QString WindowOf(qint64 pid) const {
        return Xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(pid)})
            .section('\n', 0, 0);
    }

    // The visible windows of process `pid` now, without waiting.
    QString VisibleWindowsOf(qint64 pid) const {
        return Xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)});
    }

    void Click(const QString& window, std::pair<int, int> at) const {
        Xdotool({"mousemove", "--window", window, QString::number(at.first),
                 QString::number(at.second), "click", "1"});
    }

  private:
    XvfbServer m_server;
    QString m_name;  // ":N", empty when the server did not start
};

}  // namespace solune::test
