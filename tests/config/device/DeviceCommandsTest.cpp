#include "config/device/DeviceCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/device/WriteProfileImage.h"
#include "tests/config/device/LinkFixture.h"

namespace solune::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Ms = std::vector<std::int64_t>;

// The 64-byte request 60 <command> <sub> 00 00 <argument> 00 ...
Bytes Request(std::uint8_t command, std::uint8_t sub, std::uint8_t argument) {
    Bytes bytes(64, 0);
    bytes[0] = 0x60;
    bytes[1] = command;
    bytes[2] = sub;
    bytes[5] = argument;
    return bytes;
}

struct CommandCase {
    const char* name;
    std::function<CommandResult(HidLink&)> run;
    Bytes request;
    std::int64_t wait;
    bool waitAlways;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

const CommandCase kCommands[] = {
    {"GetDeviceInfo",
     [](HidLink& l) {
         DeviceInfo info;
         return GetDeviceInfo(l, info);
     },
     Request(0x02, 0, 0), 50, false},
    {"GetActiveProfile",
     [](HidLink& l) {
         int slot = -1;
         return GetActiveProfile(l, slot);
     },
     Request(0x03, 0, 0), 10, false},
    {"SetActiveProfile", [](HidLink& l) { return SetActiveProfile(l, 2); }, Request(0x04, 0, 2),
     1500, false},
    {"StartSurfaceAnalysis", [](HidLink& l) { return StartSurfaceAnalysis(l); },
     Request(0x05, 1, 0), 10, true},
    {"GetSurfaceAnalysis",
     [](HidLink& l) {
         std::uint8_t measure = 0;
         return GetSurfaceAnalysis(l, measure);
     },
     Request(0x05, 2, 0), 10, true},
    {"TestLiftOff", [](HidLink& l) { return TestLiftOff(l, 6); }, Request(0x06, 1, 6), 20, true},
    {"SaveLiftOff", [](HidLink& l) { return SaveLiftOff(l, 31); }, Request(0x06, 2, 31), 200, true},
};

class EveryCommand : public LinkFixture, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(EveryCommand, SendsItsExactRequestWaitsAndPollsOnce) {
    Connect();
    EXPECT_EQ(GetParam().run(link), CommandResult::Done);
    EXPECT_EQ(backend.log.sets, std::vector<Bytes>{GetParam().request});
    EXPECT_EQ(Waits(), Ms{GetParam().wait});
    EXPECT_EQ(backend.log.gets, 1);
}

TEST_P(EveryCommand, AFailedSendWaitsOnlyWhenTheWaitIsAlways) {
    Connect();
    Arm("set-fail", 1);
    EXPECT_EQ(GetParam().run(link), CommandResult::Failed);
    EXPECT_EQ(Waits(), GetParam().waitAlways ? Ms{GetParam().wait} : Ms{});
    EXPECT_EQ(backend.log.gets, 0);
}

TEST_P(EveryCommand, WithoutAMouseFailsAndTakesOnlyAnAlwaysWait) {
    EXPECT_EQ(GetParam().run(link), CommandResult::Failed);
    EXPECT_TRUE(backend.log.sets.empty());
    EXPECT_EQ(Waits(), GetParam().waitAlways ? Ms{GetParam().wait} : Ms{});
}

TEST_P(EveryCommand, ABusyMouseFails) {
    Connect();
    Arm("busy", 3);
    EXPECT_EQ(GetParam().run(link), CommandResult::Failed);
    Ms expected{GetParam().wait, 20, 20};
    EXPECT_EQ(Waits(), expected);
}

// Five replies that are neither done nor busy leave the reply buffer as it was
// passed in; no command takes those zeros for an answer.
TEST_P(EveryCommand, RepliesThatNeverSayDoneFail) {
    Connect();
    Arm("reply-status", 5, 0);
    EXPECT_EQ(GetParam().run(link), CommandResult::Failed);
    EXPECT_EQ(backend.log.gets, 5);
}

INSTANTIATE_TEST_SUITE_P(DeviceCommands, EveryCommand, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

class DeviceCommandsTest : public LinkFixture {};

TEST_F(DeviceCommandsTest, GetDeviceInfoReadsTheVersionInHundredths) {
    sim.Change([](simulator::MouseState& s) { s.firmwareVersion = 0x0203; });
    Connect();
    DeviceInfo info;
    ASSERT_EQ(GetDeviceInfo(link, info), CommandResult::Done);
    EXPECT_EQ(info.firmwareVersion, 0x0203);
    EXPECT_EQ(info.further[0], 0xD4);  // the mouse's identity bytes 22..33
}

TEST_F(DeviceCommandsTest, GetActiveProfileReadsTheSlotAndRefusesOneAboveFour) {
    sim.Change([](simulator::MouseState& s) { s.activeSlot = 4; });
    Connect();
    int slot = -1;
    ASSERT_EQ(GetActiveProfile(link, slot), CommandResult::Done);
    EXPECT_EQ(slot, 4);

    Arm("active-slot", 1, 5);
    slot = -1;
    EXPECT_EQ(GetActiveProfile(link, slot), CommandResult::Failed);
    EXPECT_EQ(slot, -1);
}

TEST_F(DeviceCommandsTest, SetActiveProfileChangesTheMouseAndASlotAboveFourIsRefused) {
    Connect();
    ASSERT_EQ(SetActiveProfile(link, 2), CommandResult::Done);
    EXPECT_EQ(sim.State().activeSlot, 2);
    EXPECT_EQ(SetActiveProfile(link, 5), CommandResult::Failed);
    EXPECT_EQ(sim.State().activeSlot, 2);
}

TEST_F(DeviceCommandsTest, LiftOffAndSurfaceCommandsReachTheMouse) {
    sim.Change([](simulator::MouseState& s) { s.surfaceMeasure = 77; });
    Connect();
    ASSERT_EQ(TestLiftOff(link, 12), CommandResult::Done);
    ASSERT_EQ(SaveLiftOff(link, 13), CommandResult::Done);
    ASSERT_EQ(StartSurfaceAnalysis(link), CommandResult::Done);
    std::uint8_t measure = 0;
    ASSERT_EQ(GetSurfaceAnalysis(link, measure), CommandResult::Done);
    EXPECT_EQ(measure, 77);
    const auto state = sim.State();
    EXPECT_EQ(state.liftOffTest, 12);
    EXPECT_EQ(state.liftOffSaved, 13);
    EXPECT_TRUE(state.surfaceStarted);
}

TEST(DeviceCommands, LiftOffValuesAreClampedAsTheSensorPageSendsThem) {
    const std::pair<int, int> cases[] = {{3, 6},   {5, 6},   {6, 6}, {20, 20},
                                         {31, 31}, {32, 31}, {-1, 6}};
    for (auto [in, out] : cases) {
        EXPECT_EQ(ClampLiftOff(in), out) << in;
    }
}

// ---- WriteProfileImage ----

Profile ProfileInSlot(std::uint8_t slot) {
    Profile p;
    p.slot = slot;
    p.name = u"Image test";
    return p;
}

TEST_F(DeviceCommandsTest, WriteProfileImageSendsBothHalvesIntoTheProfilesSlot) {
    Connect();
    const Profile profile = ProfileInSlot(3);
    SettingsImage image{};
    ASSERT_EQ(BuildSettingsImage(profile, image), CommandResult::Done);

    ASSERT_EQ(WriteProfileImage(link, profile), CommandResult::Done);
    ASSERT_EQ(backend.log.sets.size(), 2u);
    for (int half = 0; half < 2; ++half) {
        const Bytes& sent = backend.log.sets[half];
        ASSERT_EQ(sent.size(), 1041u);
        const Bytes head(sent.begin(), sent.begin() + 16);
        Bytes expectedHead(16, 0);
        expectedHead[0] = 0x61;
        expectedHead[1] = 0x08;
        expectedHead[5] = 3;
        expectedHead[6] = static_cast<std::uint8_t>(half);
        EXPECT_EQ(head, expectedHead);
        EXPECT_TRUE(
            std::equal(sent.begin() + 16, sent.begin() + 1040, image.begin() + 1024 * half));
        EXPECT_EQ(sent[1040], 0);
    }
    EXPECT_EQ(backend.log.sets[0][16], image[0]);
    EXPECT_EQ(backend.log.sets[1][16], image[1024]);
    EXPECT_EQ(Waits(), (Ms{60, 60}));
    EXPECT_EQ(backend.log.gets, 2);
    EXPECT_EQ(sim.State().profileSlots[3], image);
    EXPECT_EQ(sim.State().activeSlot, 0);  // writing never changes the active slot
}

TEST_F(DeviceCommandsTest, WriteProfileImageOverTheMacroLimitSendsNothing) {
    Connect();
    Profile profile = ProfileInSlot(1);
    profile.buttons[3].function = kRecordMacro;
    profile.buttons[3].parameter = 7;
    profile.macros[3] = ButtonMacro{u"m", 7, std::vector<CMacroEvent>(165, {1, 0x41, 0, 10})};
    EXPECT_EQ(WriteProfileImage(link, profile), CommandResult::Limit);
    EXPECT_TRUE(backend.log.sets.empty());
    EXPECT_TRUE(Waits().empty());
}

TEST_F(DeviceCommandsTest, WriteProfileImageStopsAtTheFirstFailedHalf) {
    struct Case {
        const char* fault;
        int count;
        std::size_t sets;
        Ms waits;
    } cases[] = {
        {"set-fail", 1, 1, {60}},                // the send fails: the wait is still taken
        {"get-fail", 1, 1, {60}},                // the poll fails
        {"busy", 3, 1, {60, 20, 20}},            // the mouse stays busy
        {"reply-status", 5, 1, {60}},            // the mouse never says done
        {"set-fail-transient", 1, 3, {60, 60}},  // retried once, then both halves go
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        Connect();
        Arm(c.fault, c.count);
        const CommandResult expected = std::string(c.fault) == "set-fail-transient"
                                           ? CommandResult::Done
                                           : CommandResult::Failed;
        EXPECT_EQ(WriteProfileImage(link, ProfileInSlot(0)), expected);
        EXPECT_EQ(backend.log.sets.size(), c.sets);
        EXPECT_EQ(Waits(), c.waits);
    }
}

TEST_F(DeviceCommandsTest, ARefusedImageHalfIsAFailure) {
    Connect();
    SettingsImage image{};
    EXPECT_EQ(WriteSettingsImage(link, 5, image), CommandResult::Failed);
    EXPECT_EQ(backend.log.sets.size(), 1u);
}

}  // namespace
}  // namespace solune::test
