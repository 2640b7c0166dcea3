#pragma once
// The updater window on the offscreen platform against the virtual mouse (in
// memory) and the virtual clock: a package of a virtual firmware image in a
// temporary folder, the skin pictures the build draws, a log with a fixed time,
// and recorders for the message boxes and the program's end.

#include <gtest/gtest.h>
#include <QApplication>
#include <QMetaObject>
#include <QTest>
#include <QThread>

#include <cstdlib>
#include <memory>
#include <optional>

#include "platform/ProgramInstances.h"
#include "platform/SingleInstance.h"
#include "shared/skin/CVixStatic.h"
#include "simulator/SimulatedHidBackend.h"
#include "simulator/VirtualFirmware.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/UpdaterTestSupport.h"
#include "updater/app/CW38UpdaterDlg.h"
#include "updater/bootloader/PackageWriter.h"

namespace solune::test {

inline simulator::MouseState Mouse(std::uint16_t version, std::uint8_t generation = 2) {
    simulator::MouseState state;
    state.firmwareVersion = version;
    state.protocolGeneration = generation;
    return state;
}

// Runs `f` on the window's thread and waits for it (directly when already there).
template <typename F>
void OnWindowThread(QObject* window, F f) {
    if (QThread::currentThread() == window->thread()) {
        f();
    } else {
        QMetaObject::invokeMethod(window, f, Qt::BlockingQueuedConnection);
    }
}

class UpdaterWindowFixture : public GuiFixture {
  public:
    static constexpr std::size_t kThreeBlocks = 3 * 1024 - 100;

    explicit UpdaterWindowFixture(simulator::MouseState mouse = Mouse(107))
        : m_runtime("XDG_RUNTIME_DIR", (m_dir / "run").string()),
          m_instances("SOLUNE300_RUNTIME_FOLDER", (m_dir / "run" / "solune300").string()),
          m_sim(std::move(mouse)) {
        std::filesystem::create_directories(m_dir / "run");
        std::filesystem::permissions(m_dir / "run", std::filesystem::perms::owner_all);
        WritePackage(kThreeBlocks);
    }

    // A package of `imageSize` bytes of firmware 1.08 in the package folder.
    void WritePackage(std::size_t imageSize, std::uint16_t version = 108) {
        const std::vector<std::uint8_t> image =
            simulator::MakeVirtualFirmwareImage(version, imageSize);
        ASSERT_EQ(WriteFirmwarePackage(packageFolder(), "SOLUNE300_1.08.fub", "1.08", image,
                                       u"SOLUNE 300"),
                  PackResult::Written);
    }

    std::filesystem::path packageFolder() const { return m_dir / "pkg"; }

    UpdaterEnvironment Environment() {
        UpdaterEnvironment env(m_clock);
        env.packageFolder = packageFolder();
        env.skinFolder = m_skinFolder;
        env.fontFile = m_dir / "Updater_Skins" / "NeoSans-Light.otf";
        env.logFile = m_log.dir / "SOLUNELog.log";
        env.makeBackend = [this]() -> std::unique_ptr<HidBackend> {
            ++m_backendsMade;
            return std::make_unique<simulator::SimulatedHidBackend>(m_sim.store(), m_sim.mouse());
        };
        env.localTime = [] { return LocalTime{7, 9, 8, 5, 3, 45}; };
        env.configProgramRunning = [] { return SingleInstance::IsHeld(kVeskInstanceName); };
        env.showMessageBox = [this](const std::string& caption, const std::string& text) {
            m_messageBoxes.push_back(caption + "|" + text);
        };
        env.endProgram = [this] { ++m_endRequests; };
        return env;
    }

    // Opens the window as the program does (the check at start begins, the
    // window is shown) and waits until the check has ended.
    CW38UpdaterDlg& Open() {
        m_window = std::make_unique<CW38UpdaterDlg>(Environment());
        m_window->Initialize();
        m_window->show();
        FinishCheck();
        return *m_window;
    }

    // Lets the check at start end on its worker and the window show what it queued.
    void FinishCheck() {
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isChecking(), 60000);
        QCoreApplication::processEvents();
    }

    // Lets the worker finish and the window show what it queued.
    void FinishUpdate() {
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isUpdating(), 60000);
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget>
    T* Control(const char* name) {
        return Find<T>(m_window.get(), name);
    }

    // The names of the visible controls, sorted.
    std::vector<std::string> VisibleControls() {
        std::vector<std::string> names;
        for (const char* name : {"progress", "OK", "Cancel", "Close", "softVersion",
                                 "Mouse FWVersion", "File FWVersion"}) {
            if (Control(name)->isVisibleTo(m_window.get())) {
                names.emplace_back(name);
            }
        }
        return names;
    }

    std::string LabelText(const char* name) {
        return Control<CVixStatic>(name)->GetText().toStdString();
    }

    void Click(const char* name) {
        QWidget* button = Control(name);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible()) << name;
        GuiFixture::Click(button);
    }

    void ChangeMouse(const std::function<void(simulator::MouseState&)>& change) {
        ASSERT_TRUE(m_sim.Change(change));
    }
    void Fault(const std::string& name, int count, int value = 0) {
        ChangeMouse([&](simulator::MouseState& s) { simulator::SetFault(s, name, count, value); });
    }

    std::vector<std::string> LogLines() const { return m_log.Messages(); }

    TestLog m_log;
    TempDir m_dir;
    ScopedEnv m_runtime;
    ScopedEnv m_instances;  // the folder of the instance locks
    std::filesystem::path m_skinFolder = SOLUNE_UPDATER_SKIN_DIR;
    simulator::SimulatedMouse m_sim;
    VirtualClock m_clock;
    std::vector<std::string> m_messageBoxes;
    int m_endRequests = 0;
    int m_backendsMade = 0;
    std::unique_ptr<SingleInstance> m_configProgram;  // a configuration program, when held
    std::unique_ptr<CW38UpdaterDlg> m_window;
};

}  // namespace solune::test
