#include "config/device/HidLink.h"

#include <gtest/gtest.h>

#include "tests/config/device/LinkFixture.h"

namespace solune::test {
namespace {

using Ms = std::vector<std::int64_t>;

class HidLinkTest : public LinkFixture {};

TEST_F(HidLinkTest, FindDeviceOpensTheVendorInterfaceAndNotTheOtherInterfacesOfTheMouse) {
    const auto present = sim.backend().Enumerate(kMouseVendorId, kMouseProductId);
    ASSERT_EQ(present.size(), 3u);  // pointer, keyboard, vendor: all 22D4:1308
    ASSERT_EQ(present[2].usagePage, kMouseUsagePage);

    EXPECT_TRUE(link.FindDevice());
    EXPECT_EQ(backend.log.opened, std::vector<std::string>{present[2].path});
    EXPECT_EQ(link.deviceConnected(), 1);
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(HidLinkTest, FindDeviceWithoutAMouseLeavesNoDeviceOpen) {
    Connect();
    sim.Change([](simulator::MouseState& s) { s.plugged = false; });
    EXPECT_FALSE(link.FindDevice());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(backend.log.opened.empty());
}

TEST_F(HidLinkTest, FindDeviceDoesNotTakeTheBootLoader) {
    sim.Change([](simulator::MouseState& s) { s.mode = simulator::MouseMode::BootLoader; });
    EXPECT_FALSE(link.FindDevice());
    EXPECT_TRUE(link.FindDevice(kMouseVendorId, 0x1307));
}

struct SendCase {
    const char* fault;
    int count;
    bool expected;
    std::size_t calls;
};

void PrintTo(const SendCase& c, std::ostream* os) {
    *os << c.fault << " x" << c.count;
}

class SendFeatureRetry : public LinkFixture, public ::testing::WithParamInterface<SendCase> {};

TEST_P(SendFeatureRetry, RetriesATransientErrorOnceAtOnceAndNothingElse) {
    Connect();
    if (GetParam().count > 0) {
        Arm(GetParam().fault, GetParam().count);
    }
    CommandReport request{0x60, 0x03};
    EXPECT_EQ(link.SendFeature(request), GetParam().expected);
    ASSERT_EQ(backend.log.sets.size(), GetParam().calls);
    for (const auto& sent : backend.log.sets) {
        EXPECT_EQ(sent, std::vector<std::uint8_t>(request.begin(), request.end()));
    }
    EXPECT_TRUE(Waits().empty());
}

INSTANTIATE_TEST_SUITE_P(HidLink, SendFeatureRetry,
                         ::testing::Values(SendCase{"", 0, true, 1},
                                           SendCase{"set-fail", 1, false, 1},
                                           SendCase{"set-fail-transient", 1, true, 2},
                                           SendCase{"set-fail-transient", 2, false, 2}));

TEST_F(HidLinkTest, SendFeatureWithoutADeviceFailsWithoutATransfer) {
    CommandReport request{0x60, 0x03};
    EXPECT_FALSE(link.SendFeature(request));
    EXPECT_TRUE(backend.log.sets.empty());
}

struct PollCase {
    const char* name;
    std::vector<std::pair<const char*, int>> faults;  // fault, count (value 0)
    int expected;
    int gets;
    Ms waits;
    bool replyCopied;
};

void PrintTo(const PollCase& c, std::ostream* os) {
    *os << c.name;
}

class PollReplyRules : public LinkFixture, public ::testing::WithParamInterface<PollCase> {};

TEST_P(PollReplyRules, FollowsTheBusyAndStatusRules) {
    Connect();
    // A done reply with an answer is waiting in the mouse.
    sim.Change([](simulator::MouseState& s) {
        s.reply.fill(0);
        s.reply[0] = 0x60;
        s.reply[1] = 1;
        s.reply[16] = 0xAB;
    });
    for (const auto& [fault, count] : GetParam().faults) {
        Arm(fault, count);
    }
    CommandReport reply{0x60};
    EXPECT_EQ(link.PollReply(reply), GetParam().expected);
    EXPECT_EQ(backend.log.gets, GetParam().gets);
    EXPECT_EQ(Waits(), GetParam().waits);
    CommandReport untouched{0x60};
    if (GetParam().replyCopied) {
        EXPECT_EQ(reply[1], 1);
        EXPECT_EQ(reply[16], 0xAB);
    } else {
        EXPECT_EQ(reply, untouched);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HidLink, PollReplyRules,
    ::testing::Values(
        PollCase{"DoneAtOnce", {}, 1, 1, {}, true},
        PollCase{"BusyThreeTimesFailsAfterTheThirdRead", {{"busy", 3}}, 0, 3, {20, 20}, false},
        PollCase{"BusyTwiceThenDone", {{"busy", 2}}, 1, 3, {20, 20}, true},
        PollCase{"OtherStatusFiveTimesGivesOneWithTheBufferUntouched",
                 {{"reply-status", 5}},
                 1,
                 5,
                 {},
                 false},
        PollCase{"OtherStatusFourTimesThenDone", {{"reply-status", 4}}, 1, 5, {}, true},
        PollCase{"BusyAtTheThirdReadEndsThePollAfterOtherStatuses",
                 {{"busy", 3}, {"reply-status", 2}},
                 0,
                 3,
                 {},
                 false},
        PollCase{"FailedReadFails", {{"get-fail", 1}}, 0, 1, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HidLinkTest, PollReplyWithoutADeviceFails) {
    CommandReport reply{0x60};
    EXPECT_EQ(link.PollReply(reply), 0);
}

TEST(HidLinkPath, IsOurDevicePathWantsTheVendorInEitherCaseAndTheProduct) {
    struct Case {
        const char* path;
        bool ours;
    } cases[] = {
        {"\\\\?\\hid#vid_22d4&pid_1308&mi_02#7&1a2b&0&0000#{4d1e55b2}", true},
        {"/sys/devices/pci0000:00/usb1/1-2/1-2:1.2/0003:22D4:1308.0005/hidraw/hidraw3", true},
        {"/sys/devices/x/0003:22D4:1307.0005/hidraw/hidraw3", false},
        {"/sys/devices/x/0003:046D:1308.0001/hidraw/hidraw0", false},
        // Notices of the boot loader and of another device are not the mouse's.
        {"/sys/x/0003:22D4:1307.0001", false},
        {"/sys/x/0003:046D:C077.0001", false},
        {"/sys/x/0003:22d4:1308.0009", true},
        {"22d", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HidLink::IsOurDevicePath(c.path), c.ours) << c.path;
    }
}

TEST_F(HidLinkTest, ArrivalOfTheMouseFindsItWithoutWaiting) {
    EXPECT_TRUE(link.DeviceArrived());
    EXPECT_EQ(link.deviceConnected(), 1);
    EXPECT_EQ(backend.log.opened.size(), 1u);
    EXPECT_TRUE(Waits().empty()) << "the settle time is the caller's, never a sleep";
}

TEST_F(HidLinkTest, ArrivalWhileConnectedDoesNotSearchAgain) {
    Connect();
    EXPECT_TRUE(link.DeviceArrived());
    EXPECT_TRUE(backend.log.opened.empty());
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(HidLinkTest, RemovalOfTheMouseDisconnects) {
    Connect();
    link.DeviceRemoved();
    EXPECT_EQ(link.deviceConnected(), 0);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(Waits().empty());
}

// The notices of one interface each, all of them the mouse's.
void ExpectMouseNotices(const std::vector<HidNotice>& notices, HidNotice::Kind kind) {
    ASSERT_EQ(notices.size(), 3u);
    for (const HidNotice& notice : notices) {
        EXPECT_EQ(notice.kind, kind);
        EXPECT_TRUE(HidLink::IsOurDevicePath(notice.devicePath)) << notice.devicePath;
    }
}

TEST_F(HidLinkTest, UnpluggingAndPluggingReachTheLinkAsNotices) {
    ASSERT_TRUE(link.RegisterArrivalNotification());
    EXPECT_GE(link.NoticeDescriptor(), 0);
    Connect();

    sim.Change([](simulator::MouseState& s) { s.plugged = false; });
    ExpectMouseNotices(link.TakeNotices(), HidNotice::Kind::Removal);
    link.DeviceRemoved();
    EXPECT_EQ(link.deviceConnected(), 0);

    sim.Change([](simulator::MouseState& s) { simulator::Replug(s); });
    const std::vector<HidNotice> arrivals = link.TakeNotices();
    ExpectMouseNotices(arrivals, HidNotice::Kind::Arrival);
    // One arrival notice per interface of the mouse; the first finds it, the
    // others do not search again.
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        EXPECT_TRUE(link.DeviceArrived());
    }
    EXPECT_EQ(link.deviceConnected(), 1);
    EXPECT_EQ(backend.log.opened.size(), 1u);
    EXPECT_TRUE(link.TakeNotices().empty());
}

TEST_F(HidLinkTest, AnUnnoticedUnpluggingKeepsTheFlagAndTransfersFail) {
    Connect();
    sim.Change([](simulator::MouseState& s) {
        s.plugged = false;
        simulator::Replug(s);  // back, but as a new device
    });
    EXPECT_EQ(link.deviceConnected(), 1);
    CommandReport request{0x60, 0x03};
    EXPECT_FALSE(link.SendFeature(request));
    CommandReport reply{0x60};
    EXPECT_EQ(link.PollReply(reply), 0);
}

}  // namespace
}  // namespace solune::test
