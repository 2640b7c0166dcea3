#pragma once
// The world of a real program under test, in one temporary folder: a private
// runtime folder (made the test's own XDG_RUNTIME_DIR and the folder of the
// instance locks, SOLUNE300_RUNTIME_FOLDER, for the object's life, so instance
// locks meet the program's), the data folder, and the virtual mouse's state
// file; and the environment a program is started with there.

#include <pwd.h>
#include <unistd.h>
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
        ::setenv("SOLUNE300_RUNTIME_FOLDER", instanceFolder().c_str(), 1);
    }
    ~ProgramSandbox() {
        ::unsetenv("SOLUNE300_RUNTIME_FOLDER");
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
        env.insert("SOLUNE300_RUNTIME_FOLDER", QString::fromStdString(instanceFolder().string()));
        return env;
    }

    // The environment without any display: what a program may need before it
    // opens a window.
    QProcessEnvironment EnvironmentWithoutDisplay() const {
        QProcessEnvironment env = Environment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

    // The data folder of a program started here.
    std::filesystem::path dataFolder() const { return configFolder() / "Dravik" / "SOLUNE300"; }

    // Makes the data folder and gives it, with the folders above it up to
    // configFolder(), to the user 65534 ("nobody"); that user's name. Needs root.
    std::string GiveDataFolderToAnotherUser() const {
        constexpr uid_t kOtherUser = 65534;
        std::filesystem::create_directories(dataFolder());
        for (const std::filesystem::path& folder :
             {configFolder(), dataFolder().parent_path(), dataFolder()}) {
            if (::chown(folder.c_str(), kOtherUser, kOtherUser) != 0) {
                return {};
            }
        }
        const passwd* other = ::getpwuid(kOtherUser);
        return other != nullptr ? other->pw_name : std::to_string(kOtherUser);
    }

    // The folder of the instance locks (SingleInstance.h).
    std::filesystem::path instanceFolder() const { return m_dir / "run" / "solune300"; }

  private:
    TempDir m_dir;
    std::string m_oldRuntime;
};

}  // namespace solune::test
