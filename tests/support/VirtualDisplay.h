#pragma once
// A private X server (Xvfb, started as XvfbServer does: on a free display
// number that the server picks itself) for one test, and keys and clicks on its
// windows through xdotool. Tests that use it skip where Xvfb or xdotool is
// missing (OnPath).

#include <QProcess>
#include <QRect>
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
        return Run("xdotool", arguments, ok);
    }

    // Runs xprop on this display; its standard output.
    QString Xprop(const QStringList& arguments) const { return Run("xprop", arguments); }

    // Where window `window` is on the screen and its size; empty when xdotool
    // could not tell.
    QRect Geometry(const QString& window) const {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        const QStringList lines = Xdotool({"getwindowgeometry", "--shell", window}).split('\n');
        for (const QString& line : lines) {
            const QString value = line.section('=', 1);
            if (line.startsWith("X=")) {
                x = value.toInt();
            } else if (line.startsWith("Y=")) {
                y = value.toInt();
            } else if (line.startsWith("WIDTH=")) {
                width = value.toInt();
            } else if (line.startsWith("HEIGHT=")) {
                height = value.toInt();
            }
        }
        return QRect(x, y, width, height);
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
    QString Run(const QString& program, const QStringList& arguments, bool* ok = nullptr) const {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_name);
        tool.setProcessEnvironment(env);
        tool.start(program, arguments);
        const bool finished = tool.waitForFinished(30000);
        if (ok != nullptr) {
            *ok = finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
        }
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    XvfbServer m_server;
    QString m_name;  // ":N", empty when the server did not start
};

}  // namespace solune::test
