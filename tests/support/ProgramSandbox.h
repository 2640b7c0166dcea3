#pragma once
// The world of a real program under test, in one temporary folder: a private
// runtime folder (made the test's own XDG_RUNTIME_DIR for the object's life,
// so instance locks meet the program's), the data folder, and the virtual
// mouse's state file; and the environment a program is started with there.

#include <QProcessEnvironment>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"

namespace solune::test {

class ProgramSandbox {
  public:
    ProgramSandbox() {
        std::filesystem::create_directories(m_dir / "run");
        std::filesystem::permissions(m_dir / "run", std::filesystem::perms::owner_all);
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        m_oldRuntime = old != nullptr ? old : "";
        ::setenv("XDG_RUNTIME_DIR", (m_dir / "run").c_str(), 1);
    }
    ~ProgramSandbox() {
        if (m_oldRuntime.empty()) {
            ::unsetenv("XDG_RUNTIME_DIR");
        } else {
            ::setenv("XDG_RUNTIME_DIR", m_oldRuntime.c_str(), 1);
        }
    }
    ProgramSandbox(const ProgramSandbox&) = delete;
    ProgramSandbox& operator=(const ProgramSandbox&) = delete;

    const TempDir& dir() const { return m_dir; }
    std::filesystem::path stateFile() const { return m_dir / "mouse.json"; }
    std::filesystem::path configFolder() const { return m_dir / "config"; }

    // The environment of a program started here: offscreen, or on the X
    // display `display`.
    QProcessEnvironment Environment(const QString& display = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (display.isEmpty()) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            env.insert("QT_QPA_PLATFORM", "xcb");
            env.insert("DISPLAY", display);
        }
        env.insert("SOLUNE300_SIMULATOR", QString::fromStdString(stateFile().string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(configFolder().string()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString((m_dir / "run").string()));
        return env;
    }

  private:
    TempDir m_dir;
    std::string m_oldRuntime;
};

}  // namespace solune::test
