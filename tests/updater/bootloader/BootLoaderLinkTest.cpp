#include "updater/bootloader/BootLoaderLink.h"

#include <gtest/gtest.h>

#include <numeric>

#include "tests/updater/bootloader/ScriptedLinkTest.h"

namespace solune {
namespace {

using test::FailedRead;
using test::Reply;
using test::ScriptedReply;
using Bytes = std::vector<std::uint8_t>;
using Waits = std::vector<std::int64_t>;

std::array<std::uint8_t, 1024> patternBlock() {
    std::array<std::uint8_t, 1024> block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    return block;
}

// A link with the boot loader open, talking to a scripted device.
class LinkTest : public test::ScriptedLinkTest {
  protected:
    LinkTest() : ScriptedLinkTest("bl", 0x1307) {}
};

TEST_F(LinkTest, FindOpensTheVendorInterfaceOnlyAndClosesTheOldOne) {
    m_bus.devices = {test::Interface("keyboard", 0x1308, 0x0001, 6),
                     test::Interface("other-usage", 0x1308, 0xFF01, 1),
                     test::Interface("vendor", 0x1308), test::Interface("second", 0x1308)};
    m_bus.opened.clear();
    EXPECT_EQ(m_link.FindHidDevice(0x22D4, 0x1308), 1);
    EXPECT_EQ(m_bus.opened, std::vector<std::string>({"vendor"}));
    EXPECT_EQ(m_bus.openDevices, 1) << "the boot-loader handle was closed";

    EXPECT_EQ(m_link.FindHidDevice(0x22D4, 0x1307), 0);
    EXPECT_EQ(m_bus.openDevices, 0);
    EXPECT_FALSE(m_link.IsOpen());
}

struct RetryCase {
    const char* name;
    std::vector<ScriptedReply> replies;
    int result;
    int reads;
    Waits waits;
    std::uint8_t lastStatus;
};

void PrintTo(const RetryCase& c, std::ostream* os) {
    *os << c.name;
}

class GetFeatureWithRetry : public LinkTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(GetFeatureWithRetry, RereadsOnlyANotReadyReply) {
    const RetryCase& c = GetParam();
    m_bus.replies.assign(c.replies.begin(), c.replies.end());
    std::array<std::uint8_t, 64> buffer{0x80};
    EXPECT_EQ(m_link.GetFeatureWithRetry(buffer), c.result);
    EXPECT_EQ(static_cast<int>(m_bus.getIds.size()), c.reads);
    EXPECT_EQ(m_clock.Waits(), c.waits);
    EXPECT_EQ(buffer[1], c.lastStatus);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, GetFeatureWithRetry,
    ::testing::Values(
        RetryCase{"OkAtOnce", {Reply(0x80, 1)}, 1, 1, {}, 1},
        RetryCase{"OtherStatusCountsAsRead", {Reply(0x80, 4)}, 1, 1, {}, 4},
        RetryCase{"NotReadyThenOkWithoutAWait", {Reply(0x80, 3), Reply(0x80, 1)}, 1, 2, {}, 1},
        RetryCase{"WaitFollowsEveryRereadThatIsNotOk",
                  {Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 6), Reply(0x80, 1)},
                  1,
                  4,
                  {50, 50},
                  1},
        RetryCase{"ThreeRereadsThenGivesUp",
                  {Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 1)},
                  0,
                  4,
                  {50, 50, 50},
                  3},
        RetryCase{"FailedRereadIsWaitedOn",
                  {Reply(0x80, 3), FailedRead(), Reply(0x80, 1)},
                  1,
                  3,
                  {50},
                  1},
        RetryCase{"FailedFirstReadGivesZero", {FailedRead(), Reply(0x80, 1)}, 0, 1, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, EchoComparesEveryByteOfTheBlock) {
    const auto block = patternBlock();
    ScriptedReply echoed = Reply(0x81, 1, 1041);
    std::copy(block.begin(), block.end(), echoed.bytes.begin() + 16);
    ScriptedReply changed = echoed;
    changed.bytes[1039] ^= 0x01;

    script({echoed});
    EXPECT_EQ(m_link.SendEcho(block), 1);
    script({changed});
    EXPECT_EQ(m_link.SendEcho(block), 4) << "one changed byte is HC_ERROR despite status 1";
    script({FailedRead()});
    EXPECT_EQ(m_link.SendEcho(block), 0);

    Bytes expected(1041, 0);
    expected[0] = 0x81;
    expected[1] = 0x01;
    expected[2] = 0x01;
    std::copy(block.begin(), block.end(), expected.begin() + 16);
    EXPECT_EQ(m_bus.sets.at(0), expected);
    EXPECT_EQ(m_bus.getIds, Bytes({0x81, 0x81, 0x81}));
    EXPECT_EQ(m_clock.Waits(), Waits({20, 20, 20}));
}

TEST_F(LinkTest, UnsentRequestGivesZeroWithoutWaiting) {
    const auto block = patternBlock();
    std::array<std::uint8_t, kInfoSize> info{};
    std::array<std::uint8_t, kBlockReportSize> reply{};
    m_bus.setResults.assign(8, false);
    script({Reply(0x80, 1), Reply(0x80, 1), Reply(0x80, 1), Reply(0x80, 1), Reply(0x80, 1)});
    EXPECT_EQ(m_link.SendEcho(block), 0);
    EXPECT_EQ(m_link.GetBootLoaderInfo(info), 0);
    EXPECT_EQ(m_link.SendStart(3, 1), 0);
    EXPECT_EQ(m_link.WriteBlock(block, 20), 0);
    EXPECT_EQ(m_link.ReadBlock(20, reply), 0);
    EXPECT_EQ(m_link.SendComplete(), 0);
    EXPECT_EQ(m_link.LastSystemError(), 5) << "the backend's errno is kept for the log";
    EXPECT_TRUE(m_clock.Waits().empty());
    EXPECT_TRUE(m_bus.getIds.empty());
    m_bus.setResults.clear();
    script({Reply(0x80, 1)});
    EXPECT_EQ(m_link.SendComplete(), 1);
    EXPECT_EQ(m_link.LastSystemError(), 0) << "cleared by a transfer that worked";
}

TEST_F(LinkTest, StartCarriesBlockCountAndChecksumAndWaitsAfterTheReply) {
    script({Reply(0x80, 1)});
    EXPECT_EQ(m_link.SendStart(120, static_cast<std::int32_t>(0x89ABCDEF)), 1);
    Bytes expected(64, 0);
    expected[0] = 0x80;
    expected[1] = 0x03;
    expected[16] = 120;
    expected[17] = 0xEF;
    expected[18] = 0xCD;
    expected[19] = 0xAB;
    expected[20] = 0x89;
    EXPECT_EQ(m_bus.sets.at(0), expected);
    EXPECT_EQ(m_clock.Waits(), Waits({50, 200}));
}

TEST_F(LinkTest, StatusIsReturnedWhateverTheReadGave) {
    // Start, write and complete report the status byte even after the retries
    // ran out (3) or the read failed (0).
    const auto block = patternBlock();
    script({Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 3)});
    EXPECT_EQ(m_link.SendComplete(), 3);
    script({FailedRead()});
    EXPECT_EQ(m_link.WriteBlock(block, 20), 0);
    script({Reply(0x80, 2)});
    EXPECT_EQ(m_link.SendStart(1, 0), 2);
}

TEST_F(LinkTest, WriteBlockCarriesNumberAndSixteenBitSum) {
    std::array<std::uint8_t, 1024> block{};
    block.fill(0xFF);  // 1024 * 255 = 0x3FC00: the carry beyond 16 bits is dropped
    script({Reply(0x80, 1)});
    EXPECT_EQ(m_link.WriteBlock(block, 139), 1);
    const Bytes& sent = m_bus.sets.at(0);
    ASSERT_EQ(sent.size(), 1041u);
    EXPECT_EQ(Bytes(sent.begin(), sent.begin() + 16),
              Bytes({0x81, 0x06, 139, 0x00, 0xFC, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::count(sent.begin() + 16, sent.begin() + 1040, 0xFF), 1024);
    EXPECT_EQ(sent[1040], 0);
    EXPECT_EQ(m_bus.getIds, Bytes({0x80}));
    EXPECT_EQ(m_clock.Waits(), Waits({60}));
}

TEST_F(LinkTest, InformationIsHandedOverOnlyWhenTheReplyWasRead) {
    std::array<std::uint8_t, kInfoSize> info{};
    script({Reply(0x80, 1, 64, {{20, 0xD4}, {21, 0x22}, {22, 0x07}, {23, 0x13}, {63, 0x77}})});
    EXPECT_EQ(m_link.GetBootLoaderInfo(info), 1);
    EXPECT_EQ(info[4], 0xD4);
    EXPECT_EQ(info[7], 0x13);
    EXPECT_EQ(info[47], 0x77);
    EXPECT_EQ(m_bus.sets.at(0), [] {
        Bytes b(64, 0);
        b[0] = 0x80;
        b[1] = 0x02;
        return b;
    }());
    EXPECT_EQ(m_clock.Waits(), Waits({100}));

    std::array<std::uint8_t, kInfoSize> untouched{};
    script({Reply(0x80, 3, 64, {{20, 0x11}}), Reply(0x80, 3), Reply(0x80, 3), Reply(0x80, 3)});
    EXPECT_EQ(m_link.GetBootLoaderInfo(untouched), 3);
    EXPECT_EQ(untouched[4], 0);
}

struct VerifyCase {
    const char* name;
    std::vector<ScriptedReply> replies;
    int result;
    Waits waits;
    std::size_t sets;  // read request, plus the second write when the sum differs
};

TEST_F(LinkTest, VerifyRewritesABlockWhoseSumDiffers) {
    const auto block = patternBlock();
    const std::uint16_t sum =
        static_cast<std::uint16_t>(std::accumulate(block.begin(), block.end(), 0u));
    const auto lo = static_cast<std::uint8_t>(sum);
    const auto hi = static_cast<std::uint8_t>(sum >> 8);
    const VerifyCase cases[] = {
        {"sum matches", {Reply(0x81, 1, 1041, {{6, lo}, {7, hi}})}, 1, {20, 30}, 1},
        {"sum differs, second write answers 2",
         {Reply(0x81, 1, 1041, {{6, static_cast<std::uint8_t>(lo + 1)}, {7, hi}}), Reply(0x80, 2)},
         2,
         {20, 30, 60},
         2},
        {"read-back refused", {Reply(0x81, 2, 1041, {{6, lo}, {7, hi}})}, 0, {20}, 1},
    };
    for (const VerifyCase& c : cases) {
        m_bus.sets.clear();
        m_clock.ClearWaits();
        m_bus.replies.assign(c.replies.begin(), c.replies.end());
        EXPECT_EQ(m_link.VerifyBlock(block, 21), c.result) << c.name;
        EXPECT_EQ(m_clock.Waits(), c.waits) << c.name;
        ASSERT_EQ(m_bus.sets.size(), c.sets) << c.name;
        EXPECT_EQ(Bytes(m_bus.sets[0].begin(), m_bus.sets[0].begin() + 3), Bytes({0x80, 0x07, 21}));
        if (c.sets == 2) {
            EXPECT_EQ(Bytes(m_bus.sets[1].begin(), m_bus.sets[1].begin() + 3),
                      Bytes({0x81, 0x06, 21}));
        }
    }
}

TEST_F(LinkTest, ReadBlockHandsTheReplyOverOnlyWithStatusOk) {
    std::array<std::uint8_t, kBlockReportSize> reply{};
    script({Reply(0x81, 2, 1041, {{6, 0x55}})});
    EXPECT_EQ(m_link.ReadBlock(20, reply), 2);
    EXPECT_EQ(reply[6], 0);
    script({Reply(0x81, 1, 1041, {{6, 0x55}})});
    EXPECT_EQ(m_link.ReadBlock(20, reply), 1);
    EXPECT_EQ(reply[6], 0x55);
}

}  // namespace
}  // namespace solune
