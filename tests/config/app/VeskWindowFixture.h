#pragma once
// The main window on the offscreen platform with simple test pages, the
// virtual mouse in memory, a virtual clock, the skin pictures the build draws,
// recorders for message boxes and pointer settings, and scripted file
// dialogs, reset warning and rename dialog. The window's macro saves are
// written to the page log as "save macros" instead of into the data folder.
// With `realPages` the window gets the program's pages and saves its macro
// library into the data folder.

#include <gtest/gtest.h>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTest>

#include <deque>
#include <optional>

#include "config/app/CVESKDlg.h"
#include "config/app/FileDialogs.h"
#include "config/app/RealPages.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixStatic.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/config/app/TestPages.h"
#include "tests/support/ForwardingBackend.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/RecordingPointerSettings.h"
#include "tests/support/SkinTestSupport.h"
#include "tests/support/TempDir.h"

namespace solune::test {

class ScriptedFileDialogs final : public FileDialogs {
  public:
    std::optional<std::filesystem::path> SaveProfileName(
        QWidget*, const std::filesystem::path& start) override {
        starts.push_back(start);
        return next();
    }
    std::optional<std::filesystem::path> OpenProfileName(
        QWidget*, const std::filesystem::path& start) override {
        starts.push_back(start);
        return next();
    }

    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<std::filesystem::path> starts;

  private:
    std::optional<std::filesystem::path> next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Records the message boxes; `onMessage` runs while a box would be open.
class MessageRecorder {
  public:
    std::vector<std::string> messages;
    std::function<void()> onMessage;
};

// The window's message sink, writing to a recorder the fixture keeps.
class SinkProxy final : public MessageSink {
  public:
    explicit SinkProxy(MessageRecorder& recorder) : m_recorder(recorder) {}
    void showMessage(std::string_view text) override {
        m_recorder.messages.emplace_back(text);
        if (m_recorder.onMessage) {
            m_recorder.onMessage();
        }
    }

  private:
    MessageRecorder& m_recorder;
};

class VeskWindowFixture : public GuiFixture {
  protected:
    VeskWindowFixture() { std::filesystem::create_directories(m_dir / "app"); }

    VeskEnvironment Environment() {
        VeskEnvironment env;
        env.programFolder = m_dir / "app";
        env.skinFolder = skinFolder;
        env.userDataFolder = m_dir / "config";
        if (withMouse) {
            env.makeBackend = [this] {
                return std::make_unique<ForwardingBackend>(m_mouse.backend(), &m_injected);
            };
        }
        env.clock = &m_clock;
        env.messages = std::make_unique<SinkProxy>(m_messages);
        auto pointer = std::make_unique<RecordingPointerSettings>();
        m_pointer = pointer.get();
        env.pointer = std::move(pointer);
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        m_fileDialogs = dialogs.get();
        env.fileDialogs = std::move(dialogs);
        env.makePages = [this](const PageContext& context) {
            m_context = context;
            auto pages = std::make_unique<TestPages>(m_log);
            m_pages = pages.get();
            return pages;
        };
        env.saveMacros = [this](MacroLibrary&) {
            m_log.push_back("save macros");
            return macroSave;
        };
        if (realPages) {
            env.makePages = MakeRealPages;
            env.saveMacros = {};
        }
        env.confirmReset = [this](const PageContext&, QWidget*) {
            m_log.push_back("reset warning");
            return confirmReset;
        };
        env.rename = [this](int number, const std::function<void(const std::u16string&)>& store,
                            const PageContext&, QWidget*) {
            m_log.push_back("rename " + std::to_string(number));
            if (newName) {
                store(*newName);
            }
        };
        env.trayAvailable = [this] { return trayAvailable; };
        env.endProgram = [this] { m_log.push_back("end program"); };
        return env;
    }

    CVESKDlg& Open() {
        m_window = std::make_unique<CVESKDlg>(Environment());
        m_window->OnInitDialog();
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }

    template <typename T = QWidget>
    T* Control(const char* name) {
        return Find<T>(m_window.get(), name);
    }

    // A click on the centre of a control, through the window system.
    void ClickOn(const char* name) { Click(Control(name)); }
    void ClickOn(QWidget* control) { Click(control); }

    // The period of the window's timer `id` in milliseconds, -1 when it is not
    // running.
    int TimerInterval(int id) const {
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(m_window.get());
        for (const auto& timer : timers) {
            if (timer.timerId == id) {
                return timer.interval;
            }
        }
        return -1;
    }

    // Sends the window the tick of timer `id`, as the event loop would.
    void Tick(int id) { GuiFixture::Tick(m_window.get(), id); }

    std::filesystem::path skinFolder = SOLUNE_VESK_SKIN_DIR;
    bool withMouse = true;
    bool trayAvailable = true;
    bool confirmReset = true;
    bool realPages = false;
    // What the window's macro saves report.
    MacroSaveResult macroSave = MacroSaveResult::Saved;
    std::optional<std::u16string> newName;

    TempDir m_dir;
    VirtualClock m_clock;
    simulator::SimulatedMouse m_mouse;
    std::vector<HidNotice> m_injected;
    MessageRecorder m_messages;
    RecordingPointerSettings* m_pointer = nullptr;
    ScriptedFileDialogs* m_fileDialogs = nullptr;
    PageLog m_log;
    TestPages* m_pages = nullptr;
    PageContext m_context;
    std::unique_ptr<CVESKDlg> m_window;
};

}  // namespace solune::test
