// The real W38Updater program against a virtual mouse in a state file:
// offscreen, a second copy ends at once with one line on the error stream, and a mouse left in its boot loader gets
// the whole image and comes back with the package's version, the program then
// waiting on its last screen. On a virtual X display (Xvfb), a user's clicks on
// OK take an older mouse through the whole update and close the program.

#include <gtest/gtest.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <chrono>

#include "platform/ProgramInstances.h"
#include "platform/SingleInstance.h"
#include "simulator/MouseStore.h"
#include "simulator/VirtualFirmware.h"
#include "tests/support/ProgramSandbox.h"
#include "tests/support/VirtualDisplay.h"
#include "shared/layout/UpdaterScreenLayout.h"
#include "updater/bootloader/PackageWriter.h"

namespace solune::test {
namespace {

using Names = std::vector<std::string>;

// The messages of a log file written with the real time: each entry is
// "[stamp],[difference],message" with the difference left out at times.
Names LogMessages(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    const std::string text(bytes.begin(), bytes.end());
    Names messages;
    std::size_t at = 0;
    while ((at = text.find("\r\n[", at)) != std::string::npos) {
        const std::size_t end = text.find("\r\n[", at + 2);
        std::string entry = text.substr(at + 2, end == std::string::npos ? end : end - at - 2);
        entry = entry.substr(entry.find("],") + 2);
        if (entry.size() > 1 && entry[0] == '[' &&
            (entry[1] == '-' || std::isdigit(static_cast<unsigned char>(entry[1])))) {
            entry = entry.substr(entry.find("],") + 2);
        }
        messages.push_back(entry);
        at = end == std::string::npos ? text.size() : end;
    }
    return messages;
}

class UpdaterProgramTest : public ::testing::Test {
  protected:
    UpdaterProgramTest() : m_dir(m_sandbox.dir()), m_store(m_sandbox.stateFile()) {}
    ~UpdaterProgramTest() override {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    // The program with its skin folder and a 3-block package of firmware 1.08
    // in a folder of its own.
    std::filesystem::path InstallProgram() {
        const std::filesystem::path app = m_dir / "app";
        std::filesystem::create_directories(app);
        std::filesystem::copy_file(W38UPDATER_PATH, app / "W38Updater");
        std::filesystem::copy(SOLUNE_UPDATER_SKIN_DIR, app / "SOLUNE300Updater_Skins");
        EXPECT_EQ(WriteFirmwarePackage(app, "SOLUNE300_1.08.fub", "1.08",
                                       simulator::MakeVirtualFirmwareImage(108, 3 * 1024 - 100),
                                       u"SOLUNE 300"),
                  PackResult::Written);
        return app / "W38Updater";
    }

    void Start(const std::filesystem::path& program, const QString& display = {}) {
        m_process.setProcessEnvironment(m_sandbox.Environment(display));
        m_process.start(QString::fromStdString(program.string()), {});
        ASSERT_TRUE(m_process.waitForStarted(10000));
    }

    std::filesystem::path LogFile() const {
        return m_dir / "config" / "Dravik" / "SOLUNE300" / "Log" / "SOLUNELog.log";
    }

    ProgramSandbox m_sandbox;
    const TempDir& m_dir;
    simulator::FileMouseStore m_store;
    QProcess m_process;
};

TEST_F(UpdaterProgramTest, ASecondCopyEndsAtOnceWithOneLineAndNoLogLine) {
    auto first = SingleInstance::Acquire(kUpdaterInstanceName);
    ASSERT_NE(first, nullptr);
    simulator::MouseState mouse;
    mouse.firmwareVersion = 105;
    ASSERT_TRUE(m_store.Create(mouse));
    Start(InstallProgram());
    ASSERT_TRUE(m_process.waitForFinished(20000));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_TRUE(m_process.readAllStandardOutput().isEmpty());
    EXPECT_EQ(m_process.readAllStandardError().toStdString(), "W38Updater is already running\n");
    EXPECT_FALSE(std::filesystem::exists(LogFile()));
}

// A folder for the instance lock that cannot be made ends the updater with a
// line naming it and status 1, before any window or log line.
TEST_F(UpdaterProgramTest, AnInstanceFolderThatCannotBeMadeEndsWithOneLine) {
    const std::string folder = (m_dir / "missing" / "solune300").string();
    QProcessEnvironment env = m_sandbox.Environment();
    env.insert("SOLUNE300_RUNTIME_FOLDER", QString::fromStdString(folder));
    m_process.setProcessEnvironment(env);
    m_process.start(QString::fromStdString(InstallProgram().string()), {});
    ASSERT_TRUE(m_process.waitForFinished(20000));
    EXPECT_EQ(m_process.exitCode(), 1);
    EXPECT_EQ(m_process.readAllStandardError().toStdString(),
              "W38Updater: cannot use the runtime folder " + folder +
                  " (it must be the user's own and writable only by the user)\n");
    EXPECT_FALSE(std::filesystem::exists(LogFile()));
}

// Run as root with a user's data folder (as "sudo -E" leaves XDG_CONFIG_HOME):
// one line on the error stream and status 1, before a display is needed,
// without a log line and without taking the instance lock.
TEST_F(UpdaterProgramTest, AsRootAnotherUsersDataFolderIsRefusedInOneLine) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give the data folder to another user";
    }
    ASSERT_TRUE(m_store.Create(simulator::MouseState{}));
    const std::string name = m_sandbox.GiveDataFolderToAnotherUser();
    ASSERT_FALSE(name.empty());
    const QProcessEnvironment env = m_sandbox.EnvironmentWithoutDisplay();
    m_process.setProcessEnvironment(env);
    m_process.start(QString::fromStdString(InstallProgram().string()), {});
    ASSERT_TRUE(m_process.waitForFinished(20000));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 1);
    EXPECT_EQ(m_process.readAllStandardError().toStdString(),
              "W38Updater: the data folder " + m_sandbox.dataFolder().string() +
                  " belongs to user " + name + ", not to root; run W38Updater as " + name + ".\n");
    EXPECT_FALSE(std::filesystem::exists(LogFile().parent_path()));
    EXPECT_FALSE(SingleInstance::IsHeld(kUpdaterInstanceName));
}

TEST_F(UpdaterProgramTest, AMouseLeftInItsBootLoaderIsUpdatedToThePackage) {
    simulator::MouseState mouse;
    mouse.firmwareVersion = 105;
    simulator::EnterBootLoaderMode(mouse);
    ASSERT_TRUE(m_store.Create(mouse));
    Start(InstallProgram());

    // Done when the mouse is back in normal mode with 1.08 and the program has
    // read that version again for its last screen (the reply to the version
    // request names 1.08).
    auto done = [this] {
        simulator::MouseState now;
        return m_store.Read(now) && now.mode == simulator::MouseMode::Normal &&
               now.firmwareVersion == 108 && now.reply[16] == 108 && now.reply[17] == 0;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (!done() && std::chrono::steady_clock::now() < deadline &&
           m_process.state() == QProcess::Running) {
        m_process.waitForFinished(100);  // returns after 100 ms while it runs
    }
    ASSERT_TRUE(done()) << m_process.readAllStandardError().toStdString();
    EXPECT_EQ(LogMessages(LogFile()),
              (Names{"[the fub firmware file name is:]SOLUNE300_1.08.fub",
                     "open hid_device failed,into open BL device", "HC_OK", "HC_OK"}));
    // The program waits on its last screen for the user's OK.
    EXPECT_EQ(m_process.state(), QProcess::Running);
}

// The centre of the OK button of updater screen `screen`, in window coordinates.
std::pair<int, int> OkCentre(int screen) {
    for (const layout::LayoutControl& c : layout::kUpdaterScreens[screen - 1].controls) {
        if (c.id == layout::kUpdaterOkId) {
            return {c.rect.x + c.rect.width / 2, c.rect.y + c.rect.height / 2};
        }
    }
    ADD_FAILURE() << "screen " << screen << " has no OK button";
    return {0, 0};
}

TEST_F(UpdaterProgramTest, OnADisplayOkUpdatesAnOlderMouseAndOkThenCloses) {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    simulator::MouseState mouse;
    mouse.firmwareVersion = 105;
    ASSERT_TRUE(m_store.Create(mouse));
    Start(InstallProgram(), display.name());
    const QString window = display.WindowOf(m_process.processId());
    ASSERT_FALSE(window.isEmpty()) << m_process.readAllStandardError().toStdString();

    // "Update firmware": OK. The start check runs beside the window, so on a
    // slow machine the window may show before screen 5 does and a click would
    // be lost: OK is clicked again until the update has begun. Nothing lies
    // under that point on the screens that follow it.
    auto begun = [this] {
        simulator::MouseState now;
        return m_store.Read(now) &&
               (now.mode != simulator::MouseMode::Normal || now.firmwareVersion != 105);
    };
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!begun() && std::chrono::steady_clock::now() < deadline &&
           m_process.state() == QProcess::Running) {
        display.Click(window, OkCentre(5));
        for (int i = 0; i < 10 && !begun() && m_process.state() == QProcess::Running; ++i) {
            m_process.waitForFinished(300);
        }
    }
    ASSERT_TRUE(begun()) << m_process.readAllStandardError().toStdString();
    auto updated = [this] {
        simulator::MouseState now;
        return m_store.Read(now) && now.mode == simulator::MouseMode::Normal &&
               now.firmwareVersion == 108 && now.reply[16] == 108 && now.reply[17] == 0;
    };
    deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!updated() && std::chrono::steady_clock::now() < deadline &&
           m_process.state() == QProcess::Running) {
        m_process.waitForFinished(200);
    }
    ASSERT_TRUE(updated()) << m_process.readAllStandardError().toStdString();

    // "Successfully update" shows once the version has been read again; its OK
    // ends the program.
    deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (m_process.state() == QProcess::Running && std::chrono::steady_clock::now() < deadline) {
        display.Click(window, OkCentre(9));
        m_process.waitForFinished(500);
    }
    ASSERT_EQ(m_process.state(), QProcess::NotRunning);
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_EQ(LogMessages(LogFile()), (Names{"[the fub firmware file name is:]SOLUNE300_1.08.fub",
                                             "HC_OK", "HC_OK", "HC_OK", "HC_OK"}));
}

}  // namespace
}  // namespace solune::test
