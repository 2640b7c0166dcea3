// solune300ctl device ...: run in process against a virtual mouse in memory with a
// virtual clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/device/SettingsImage.h"
#include "config/profiles/ProfileFile.h"
#include "platform/Clock.h"
#include "platform/ForwardingHidBackend.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/support/CtlRunner.h"
#include "tests/support/TempDir.h"
#include "tools/ctl/DeviceCtlCommands.h"

namespace solune::test {
namespace {

class DeviceCtl : public ::testing::Test {
  protected:
    void SetUp() override {
        // The command owns its backend; this one borrows the fixture's mouse.
        ctl::SetDeviceAccess({[this] { return std::make_unique<ForwardingHidBackend>(sim.backend()); }});
    }
    void TearDown() override { ctl::SetDeviceAccess({}); }

    CtlRun Run(std::vector<std::string> args) { return RunCtlCommand(clock, std::move(args)); }
    void Arm(const std::string& fault, int count, int value = 0) {
        sim.Change([&](simulator::MouseState& s) { simulator::SetFault(s, fault, count, value); });
    }

    simulator::SimulatedMouse sim;
    VirtualClock clock;
    TempDir dir;
};

TEST_F(DeviceCtl, InfoPrintsTheFirmwareVersionWithTwoDecimals) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {105, "1.05\n"}, {100, "1.00\n"}, {7, "0.07\n"}, {65535, "655.35\n"}};
    for (auto [version, text] : cases) {
        sim.Change([v = version](simulator::MouseState& s) { s.firmwareVersion = v; });
        const CtlRun run = Run({"device", "info"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, text);
    }
}

TEST_F(DeviceCtl, ActiveAndActivateReadAndChangeTheSlot) {
    EXPECT_EQ(Run({"device", "activate", "4"}).status, 0);
    EXPECT_EQ(sim.State().activeSlot, 4);
    EXPECT_EQ(clock.Waits(), std::vector<std::int64_t>{1500});
    const CtlRun run = Run({"device", "active"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "4\n");
}

TEST_F(DeviceCtl, LiftOffValuesAreClampedLikeTheSensorPage) {
    struct Case {
        const char* action;
        const char* value;
        int sent;
    } cases[] = {{"test", "3", 6}, {"test", "32", 31}, {"save", "12", 12}, {"save", "-4", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + c.value);
        ASSERT_EQ(Run({"device", "lod", c.action, c.value}).status, 0);
        const auto state = sim.State();
        EXPECT_EQ(std::string(c.action) == "test" ? state.liftOffTest : state.liftOffSaved, c.sent);
    }
}

TEST_F(DeviceCtl, SurfaceStartAndGet) {
    sim.Change([](simulator::MouseState& s) { s.surfaceMeasure = 201; });
    EXPECT_EQ(Run({"device", "surface", "start"}).status, 0);
    EXPECT_TRUE(sim.State().surfaceStarted);
    const CtlRun run = Run({"device", "surface", "get"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "201\n");
}

TEST_F(DeviceCtl, WriteProfilePutsTheImageIntoTheGivenSlot) {
    Profile profile;
    profile.name = u"ctl write";
    ASSERT_TRUE(SaveProfile(profile, dir / "p.profile"));
    const CtlRun run =
        Run({"device", "write-profile", (dir / "p.profile").string(), "--slot", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    profile.slot = 2;
    SettingsImage expected{};
    ASSERT_EQ(BuildSettingsImage(profile, expected), CommandResult::Done);
    EXPECT_EQ(sim.State().profileSlots[2], expected);
    EXPECT_EQ(clock.Waits(), (std::vector<std::int64_t>{60, 60}));
}

TEST_F(DeviceCtl, WriteProfileOverTheMacroLimitSendsNothingAndExitsThree) {
    Profile profile;
    profile.buttons[0].function = kRecordMacro;
    profile.buttons[0].parameter = 3;
    profile.macros[0] = ButtonMacro{u"long", 3, std::vector<CMacroEvent>(165, {1, 0x41, 0, 1})};
    ASSERT_TRUE(SaveProfile(profile, dir / "long.profile"));
    const CtlRun run =
        Run({"device", "write-profile", (dir / "long.profile").string(), "--slot", "0"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(sim.State().profileSlots[0], (std::array<std::uint8_t, 2048>{}));
    EXPECT_TRUE(clock.Waits().empty());
}

TEST_F(DeviceCtl, AMissingMouseIsReportedWithStatusFour) {
    sim.Change([](simulator::MouseState& s) { s.plugged = false; });
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{"device", "info"},
                                               {"device", "active"},
                                               {"device", "activate", "1"},
                                               {"device", "lod", "save", "10"},
                                               {"device", "surface", "get"}}) {
        const CtlRun run = Run(args);
        EXPECT_EQ(run.status, 4) << args[1];
        EXPECT_EQ(run.err, "solune300ctl: SOLUNE 300 mouse not found\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(DeviceCtl, AFailingCommandPrintsOneLineAndExitsFive) {
    struct Case {
        std::vector<std::string> args;
        const char* fault;
        int value;
        const char* message;
    } cases[] = {
        {{"device", "info"}, "busy", 0, "the mouse did not report its firmware version"},
        {{"device", "active"}, "active-slot", 5, "the mouse did not report its active slot"},
        {{"device", "lod", "test", "9"}, "set-fail", 0, "Test_LOD failed."},
        {{"device", "lod", "save", "9"}, "get-fail", 0, "Save_LOD failed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Arm(c.fault, 3, c.value);
        const CtlRun run = Run(c.args);
        EXPECT_EQ(run.status, 5);
        EXPECT_EQ(run.err, std::string("solune300ctl: ") + c.message + "\n");
        EXPECT_EQ(run.out, "");
        sim.Change([](simulator::MouseState& s) { s.faults.clear(); });
    }
}

TEST_F(DeviceCtl, BadArgumentsAreRefusedBeforeTheMouseIsTouched) {
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{"device", "activate", "5"},
                                               {"device", "activate"},
                                               {"device", "write-profile", "x.profile"},
                                               {"device", "lod", "test", "many"},
                                               {"device", "lod"}}) {
        EXPECT_EQ(Run(args).status, 2) << args.back();
    }
    EXPECT_EQ(
        Run({"device", "write-profile", (dir / "none.profile").string(), "--slot", "1"}).status, 2);
    EXPECT_TRUE(clock.Waits().empty());
}

// The virtual mouse chosen through SOLUNE300_SIMULATOR: what is wrong with its
// state file is said in one line (exit 2); a valid file with the mouse
// unplugged is still "SOLUNE 300 mouse not found".
TEST(DeviceCtlStateFile, WhatIsWrongWithTheStateFileIsSaid) {
    TempDir dir;
    const std::filesystem::path file = dir / "mouse.json";
    ::setenv("SOLUNE300_SIMULATOR", file.c_str(), 1);
    ctl::SetDeviceAccess({});
    struct Case {
        std::string content;
        int status;
        std::string says;
    };
    const Case cases[] = {
        {std::string(100000, '[') + std::string(100000, ']'), 2, "nested more than 64 levels"},
        {R"({"activeSlot": 255})", 2, "activeSlot: 255 is out of range 0 ... 4"},
        {R"({"instance": 18446744073709551615})", 2,
         "instance: 18446744073709551615 is out of range"},
        {"{\"plugged\": ", 2, "not valid JSON"},
        {R"({"plugged": false})", 4, "SOLUNE 300 mouse not found"},
    };
    for (const Case& c : cases) {
        WriteText(file, c.content);
        const CtlRun run = RunCtlCommand({"device", "info"});
        EXPECT_EQ(run.status, c.status) << c.content.substr(0, 40);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    ::unsetenv("SOLUNE300_SIMULATOR");
}

}  // namespace
}  // namespace solune::test
