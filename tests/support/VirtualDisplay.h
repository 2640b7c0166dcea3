#pragma once
// A private X server (Xvfb) for one test, and clicks on its windows through
// xdotool. Tests that use it skip where Xvfb or xdotool is missing
// (OnPath).

#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <utility>

namespace solune::test {

inline bool OnPath(const char* program) {
    return QProcess::execute("sh", {"-c", QString("command -v %1 >/dev/null").arg(program)}) == 0;
}

// A private X server for one test, and clicks on its windows through xdotool.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        int number = 200 + ::getpid() % 500;
        while (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
            ++number;  // taken by another server
        }
        m_name = QString(":%1").arg(number);
        m_server.start("Xvfb", {m_name, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        const std::string socket = "/tmp/.X11-unix/X" + m_name.mid(1).toStdString();
        for (int i = 0; i < 100 && !std::filesystem::exists(socket); ++i) {
            m_server.waitForFinished(100);
        }
        m_ready = std::filesystem::exists(socket) && m_server.state() == QProcess::Running;
    }
    ~VirtualDisplay() {
        m_server.kill();
        m_server.waitForFinished(5000);
    }

    bool ready() const { return m_ready; }
    const QString& name() const { return m_name; }

    // Runs xdotool on this display; its standard output.
    QString Xdotool(const QStringList& arguments) const {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_name);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        tool.waitForFinished(30000);
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
    QProcess m_server;
    QString m_name;
    bool m_ready = false;
};

}  // namespace solune::test
