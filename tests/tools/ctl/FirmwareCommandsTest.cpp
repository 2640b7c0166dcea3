// solune300ctl firmware pack / check / update, run in process against the
// virtual mouse and a virtual clock.

#include "tools/ctl/FirmwareCommands.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "simulator/SimulatedHidBackend.h"
#include "simulator/VirtualFirmware.h"
#include "tests/support/CtlRunner.h"
#include "tests/support/TempDir.h"

namespace solune {
namespace {

using simulator::MouseMode;
using simulator::MouseState;

struct CtlRun {
    int exit = -1;
    std::string out;
    std::string err;
};

class FirmwareCommandsTest : public ::testing::Test {
  protected:
    FirmwareCommandsTest() : m_sim(mouse(107)) {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_oldConfig = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
        ctl::SetFirmwareAccess({[this] {
                                    return std::unique_ptr<HidBackend>(
                                        std::make_unique<simulator::SimulatedHidBackend>(
                                            m_sim.store(), m_sim.mouse()));
                                },
                                [] { return LocalTime{7, 9, 8, 5, 3, 45}; }});
        test::WriteBytes(m_dir / "image.bin", simulator::MakeVirtualFirmwareImage(108, 2500));
    }
    ~FirmwareCommandsTest() override {
        ctl::SetFirmwareAccess({});
        if (m_oldConfig) {
            ::setenv("XDG_CONFIG_HOME", m_oldConfig->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }

    static MouseState mouse(std::uint16_t version) {
        MouseState state;
        state.firmwareVersion = version;
        return state;
    }

    CtlRun run(std::vector<std::string> args, const std::string& input = "") {
        test::CtlRun r = test::RunCtlCommand(m_clock, std::move(args), input);
        return {r.status, std::move(r.out), std::move(r.err)};
    }

    std::string pkg() const { return (m_dir / "pkg").string(); }
    CtlRun pack() {
        return run({"firmware", "pack", (m_dir / "image.bin").string(), "--version", "1.08",
                    "--out", pkg()});
    }
    std::string logText() const {
        const auto bytes = test::ReadBytes(m_dir / "config/Dravik/SOLUNE300/Log/SOLUNELog.log");
        return {bytes.begin(), bytes.end()};
    }

    test::TempDir m_dir;
    std::optional<std::string> m_oldConfig;
    simulator::SimulatedMouse m_sim;
    VirtualClock m_clock;
};

TEST_F(FirmwareCommandsTest, PackedPackagePassesTheCheck) {
    const CtlRun packed = pack();
    ASSERT_EQ(packed.exit, 0) << packed.err;
    const auto config = test::ReadBytes(m_dir / "pkg/config.ini");
    EXPECT_EQ(std::string(config.begin(), config.end()),
              "[Firmware]\r\nVersion=1.08\r\nName=SOLUNE300_1.08.fub\r\n");
    const auto file = test::ReadBytes(m_dir / "pkg/SOLUNE300_1.08.fub");
    ASSERT_EQ(file.size(), 2540u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 2, file.begin() + 12),
              std::vector<std::uint8_t>({0xC4, 0x09, 0, 0, 0xD4, 0x22, 0x08, 0x13, 108, 0}));
    EXPECT_EQ(file[16], 'S');  // the label "SOLUNE 300" in UTF-16

    const CtlRun checked = run({"firmware", "check", pkg()});
    EXPECT_EQ(checked.exit, 0) << checked.err;
    EXPECT_NE(checked.out.find("firmware version: 1.08\n"), std::string::npos);
    EXPECT_NE(checked.out.find("2500 bytes in 3 blocks"), std::string::npos);
    EXPECT_NE(checked.out.find("the package is valid"), std::string::npos);
    EXPECT_EQ(logText(),
              "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],[the fub firmware file name "
              "is:]SOLUNE300_1.08.fub");
}

TEST_F(FirmwareCommandsTest, PackRefusesBadInputAndWritesNothing) {
    test::WriteBytes(m_dir / "empty.bin", {});
    test::WriteBytes(m_dir / "huge.bin", std::vector<std::uint8_t>(122881, 1));
    const std::string image = (m_dir / "image.bin").string();
    const std::vector<std::vector<std::string>> cases = {
        {(m_dir / "missing.bin").string(), "--version", "1.08", "--out", pkg()},
        {(m_dir / "empty.bin").string(), "--version", "1.08", "--out", pkg()},
        {(m_dir / "huge.bin").string(), "--version", "1.08", "--out", pkg()},
        {m_dir.path().string(), "--version", "1.08", "--out", pkg()},
        {image, "--version", "1.8", "--out", pkg()},
        {image, "--version", "1.08", "--out", pkg(), "--name", "1.08.fub"},
        {image, "--version", "1.08", "--out", pkg(), "--name", "MOUSE.fub"},
        {image, "--version", "1.08", "--out", pkg(), "--name", "x/M_1.08.fub"},
        {image, "--version", "1.08", "--out", pkg(), "--label", "twelve chars"},
        {image, "--out", pkg()},
    };
    for (std::vector<std::string> args : cases) {
        args.insert(args.begin(), {"firmware", "pack"});
        const CtlRun r = run(args);
        EXPECT_EQ(r.exit, 2) << args[2] << " " << args.back();
        EXPECT_EQ(r.err.rfind("solune300ctl: ", 0), 0u) << r.err;
        EXPECT_FALSE(std::filesystem::exists(m_dir / "pkg")) << args.back();
    }
}

TEST_F(FirmwareCommandsTest, CheckReportsWhatIsWrong) {
    ASSERT_EQ(pack().exit, 0);
    auto file = test::ReadBytes(m_dir / "pkg/SOLUNE300_1.08.fub");
    file[100] ^= 0xFF;
    test::WriteBytes(m_dir / "pkg/SOLUNE300_1.08.fub", file);
    const CtlRun r = run({"firmware", "check", pkg()});
    EXPECT_EQ(r.exit, 2);
    EXPECT_NE(r.err.find("checksunm or check fub filelength is failed"), std::string::npos)
        << r.err;
    EXPECT_NE(logText().find("],checksunm or check fub filelength is failed"), std::string::npos);

    const CtlRun missing = run({"firmware", "check", (m_dir / "nothing").string()});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_NE(missing.err.find("the firmware file is incorrect"), std::string::npos);
}

TEST_F(FirmwareCommandsTest, UpdateWithYesInstallsTheFirmware) {
    ASSERT_EQ(pack().exit, 0);
    const CtlRun r = run({"firmware", "update", pkg(), "--yes"});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_NE(r.out.find("mouse firmware: 1.07"), std::string::npos);
    EXPECT_NE(r.out.find("]  68%"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("The firmware was updated to 1.08."), std::string::npos);
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
    EXPECT_EQ(m_sim.State().mode, MouseMode::Normal);
    EXPECT_EQ(m_clock.TotalWaited(), (50 + 50 + 10) + (10 + 30) + 10000 + 20 + 100 + 1000 +
                                         (50 + 200 + 500) + 3 * (60 + 20 + 30 + 70) + 200 + 50 +
                                         6000 + (50 + 50 + 10));
}

TEST_F(FirmwareCommandsTest, UpdateAsksFirst) {
    ASSERT_EQ(pack().exit, 0);
    const CtlRun declined = run({"firmware", "update", pkg()}, "n\n");
    EXPECT_EQ(declined.exit, 5);
    EXPECT_NE(declined.out.find("Update the firmware from 1.07 to 1.08? [y/N]"), std::string::npos);
    EXPECT_EQ(m_sim.State().firmwareVersion, 107);
    const CtlRun noAnswer = run({"firmware", "update", pkg()}, "");
    EXPECT_EQ(noAnswer.exit, 5);
    EXPECT_EQ(m_sim.State().firmwareVersion, 107);

    const CtlRun accepted = run({"firmware", "update", pkg()}, "y\n");
    EXPECT_EQ(accepted.exit, 0) << accepted.err;
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
}

TEST_F(FirmwareCommandsTest, OlderPackageNeedsItsOwnConfirmation) {
    ASSERT_TRUE(m_sim.Change([](MouseState& s) { s.firmwareVersion = 110; }));
    ASSERT_EQ(pack().exit, 0);
    const CtlRun r = run({"firmware", "update", pkg()}, "yes\n");
    EXPECT_NE(r.out.find("The mouse carries newer firmware than the package."), std::string::npos);
    EXPECT_NE(r.out.find("Install the older firmware 1.08 over 1.10? [y/N]"), std::string::npos);
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
}

TEST_F(FirmwareCommandsTest, UpToDateMouseIsLeftAlone) {
    ASSERT_TRUE(m_sim.Change([](MouseState& s) { s.firmwareVersion = 108; }));
    ASSERT_EQ(pack().exit, 0);
    const CtlRun r = run({"firmware", "update", pkg(), "--yes"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_NE(r.out.find("The firmware is up to date."), std::string::npos);
    EXPECT_EQ(m_clock.Waits(), std::vector<std::int64_t>({50, 50, 10}));
}

TEST_F(FirmwareCommandsTest, NoMouseIsReported) {
    ASSERT_TRUE(m_sim.Change([](MouseState& s) { s.plugged = false; }));
    ASSERT_EQ(pack().exit, 0);
    const CtlRun r = run({"firmware", "update", pkg(), "--yes"});
    EXPECT_EQ(r.exit, 4);
    EXPECT_EQ(r.err, "solune300ctl: SOLUNE 300 mouse not found\n");
    EXPECT_NE(r.out.find("is trying to find the bootloader device"), std::string::npos);
    EXPECT_NE(logText().find("],mouse bootloader device is not found"), std::string::npos);
}

TEST_F(FirmwareCommandsTest, MouseLeftInItsBootLoaderGetsTheImageWithoutAsking) {
    ASSERT_TRUE(m_sim.Change([](MouseState& s) { simulator::EnterBootLoaderMode(s); }));
    ASSERT_EQ(pack().exit, 0);
    const CtlRun r = run({"firmware", "update", pkg()});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(m_clock.Waits().front(), 1000);
    EXPECT_NE(logText().find("],open hid_device failed,into open BL device"), std::string::npos);
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
}

TEST_F(FirmwareCommandsTest, FailedUpdatesExitWithFive) {
    ASSERT_EQ(pack().exit, 0);
    ASSERT_TRUE(
        m_sim.Change([](MouseState& s) { simulator::SetFault(s, "bl-status-complete", 1, 2); }));
    const CtlRun completeFailed = run({"firmware", "update", pkg(), "--yes"});
    EXPECT_EQ(completeFailed.exit, 5);
    EXPECT_NE(completeFailed.err.find("the firmware update failed"), std::string::npos);
    EXPECT_NE(logText().find("], Send_bl_complete failed "), std::string::npos);

    // An image that states no version: the transfer completes, but the mouse
    // does not report the package's version.
    test::WriteBytes(m_dir / "plain.bin", std::vector<std::uint8_t>(3000, 0x42));
    ASSERT_EQ(run({"firmware", "pack", (m_dir / "plain.bin").string(), "--version", "1.09", "--out",
                   (m_dir / "plain").string()})
                  .exit,
              0);
    const CtlRun wrongVersion = run({"firmware", "update", (m_dir / "plain").string(), "--yes"});
    EXPECT_EQ(wrongVersion.exit, 5);
    EXPECT_NE(wrongVersion.err.find("the mouse reports 1.07 instead of 1.09"), std::string::npos)
        << wrongVersion.err;
}

// Run as root with a user's data folder, the commands that write the update
// log refuse with one line and touch nothing there.
TEST_F(FirmwareCommandsTest, AsRootAnotherUsersDataFolderIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give the data folder to another user";
    }
    ASSERT_EQ(pack().exit, 0);
    const std::filesystem::path data = m_dir / "config/Dravik/SOLUNE300";
    std::filesystem::create_directories(data);
    for (const std::filesystem::path& folder : {m_dir / "config", m_dir / "config/Dravik", data}) {
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    const passwd* other = ::getpwuid(65534);
    const std::string name = other != nullptr ? other->pw_name : "65534";
    const std::string line = "solune300ctl: the data folder " + data.string() +
                             " belongs to user " + name + ", not to root; run solune300ctl as " +
                             name + ".\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"firmware", "check", pkg()},
          std::vector<std::string>{"firmware", "update", pkg(), "--yes"}}) {
        const CtlRun r = run(args);
        EXPECT_EQ(r.exit, 5) << args[1];
        EXPECT_EQ(r.err, line) << args[1];
        EXPECT_TRUE(r.out.empty()) << args[1];
    }
    EXPECT_FALSE(std::filesystem::exists(data / "Log"));
}

}  // namespace
}  // namespace solune
