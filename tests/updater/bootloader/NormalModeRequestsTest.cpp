#include <gtest/gtest.h>

#include "tests/updater/bootloader/ScriptedLinkTest.h"
#include "updater/bootloader/BootLoaderLink.h"

namespace solune {
namespace {

using test::FailedRead;
using test::Reply;
using test::ScriptedReply;
using Bytes = std::vector<std::uint8_t>;
using Waits = std::vector<std::int64_t>;

Bytes report(std::size_t size, std::initializer_list<std::uint8_t> head) {
    Bytes b(size, 0);
    std::copy(head.begin(), head.end(), b.begin());
    return b;
}

ScriptedReply ready(bool isReady) {
    return Reply(0x20, isReady ? 1 : 0, 9);
}

// A link with the mouse open in normal mode.
class NormalModeTest : public test::ScriptedLinkTest {
  protected:
    NormalModeTest() : ScriptedLinkTest("mouse", 0x1308) {}
};

TEST_F(NormalModeTest, WaitReadyBacksOffAndWaitsAfterTheReadyReadToo) {
    struct Case {
        std::vector<ScriptedReply> replies;
        bool result;
        Waits waits;
    };
    std::vector<ScriptedReply> never(12, ready(false));
    const Case cases[] = {
        {{ready(true)}, true, {10}},
        {{ready(false), FailedRead(), ready(false), ready(true)}, true, {10, 20, 40, 80}},
        {never, false, {10, 20, 40, 80, 80, 80, 80, 80, 80, 80}},
    };
    for (const Case& c : cases) {
        m_clock.ClearWaits();
        m_bus.getIds.clear();
        script(c.replies);
        EXPECT_EQ(m_link.WaitReady(), c.result);
        EXPECT_EQ(m_clock.Waits(), c.waits);
        EXPECT_EQ(m_bus.getIds, Bytes(c.waits.size(), 0x20));
    }
}

TEST_F(NormalModeTest, GenerationTwoReadsTheVersionFromDeviceInfo) {
    script({Reply(0x60, 1, 64, {{16, 2}}), Reply(0x60, 1, 64, {{16, 0x6C}, {17, 0x00}})});
    std::uint16_t version = 0;
    EXPECT_EQ(m_link.ReadMouseVersion(version), 1);
    EXPECT_EQ(version, 108);
    EXPECT_EQ(m_link.ProtocolGeneration(), 2);
    EXPECT_EQ(m_bus.sets, std::vector<Bytes>({report(64, {0x60, 0x01}), report(64, {0x60, 0x02})}));
    EXPECT_EQ(m_clock.Waits(), Waits({50, 50, 10}));
}

TEST_F(NormalModeTest, DeviceInfoFailureHasNoFallback) {
    script({Reply(0x60, 1, 64, {{16, 2}}), FailedRead(), Reply(0x04, 0, 64, {{1, 0x6C}})});
    std::uint16_t version = 7;
    EXPECT_EQ(m_link.ReadMouseVersion(version), 3);
    EXPECT_EQ(version, 7);
    EXPECT_EQ(m_bus.sets.size(), 2u);
}

TEST_F(NormalModeTest, OtherGenerationsUseTheOlderVersionRequest) {
    struct Case {
        const char* name;
        ScriptedReply generation;
    };
    const Case cases[] = {{"generation 1", Reply(0x60, 1, 64, {{16, 1}})},
                          {"generation unreadable", FailedRead()}};
    for (const Case& c : cases) {
        m_bus.sets.clear();
        m_clock.ClearWaits();
        script({c.generation, ready(false), ready(true), Reply(0x04, 0x6B, 64, {{2, 0x00}})});
        std::uint16_t version = 0;
        EXPECT_EQ(m_link.ReadMouseVersion(version), 1) << c.name;
        EXPECT_EQ(version, 0x006B) << c.name;
        EXPECT_EQ(m_bus.sets,
                  std::vector<Bytes>({report(64, {0x60, 0x01}), report(8, {0x03, 0x04})}))
            << c.name;
        EXPECT_EQ(m_clock.Waits(), Waits({50, 10, 20})) << c.name;
    }
}

TEST_F(NormalModeTest, OlderVersionRequestFailsWhenTheMouseNeverGetsReadyOrTheReadFails) {
    std::uint16_t version = 99;
    std::vector<ScriptedReply> never(10, ready(false));
    script(never);
    EXPECT_EQ(m_link.OlderVersionRequest(version), 3);
    script({ready(true), FailedRead()});
    EXPECT_EQ(m_link.OlderVersionRequest(version), 3);
    EXPECT_EQ(version, 99);
}

TEST_F(NormalModeTest, OlderBootRequestSendsBothStepsEachFollowedByWaitReady) {
    script({ready(true), ready(false), ready(true)});
    EXPECT_EQ(m_link.OlderBootRequest(), 1);
    EXPECT_EQ(m_bus.sets, std::vector<Bytes>(
                              {report(8, {0x20, 0x06, 0x09, 0x00, 0x00, 0x08}),
                               report(9, {0x21, 0x6B, 0x96, 0x2E, 0x10, 0x03, 0xCB, 0x00, 0x01})}));
    EXPECT_EQ(m_clock.Waits(), Waits({10, 10, 20}));
}

TEST_F(NormalModeTest, OlderBootRequestFailsOnAnyOfItsFourSteps) {
    std::vector<ScriptedReply> never(10, ready(false));
    script(never);
    EXPECT_EQ(m_link.OlderBootRequest(), 3);
    m_bus.setResults = {true, false};
    script({ready(true)});
    EXPECT_EQ(m_link.OlderBootRequest(), 3);
}

TEST_F(NormalModeTest, NewerBootRequestCarriesTheUnlockCode) {
    script({Reply(0x60, 0)});
    EXPECT_EQ(m_link.NewerBootRequest(), 1) << "the reply's content is not examined";
    EXPECT_EQ(m_bus.sets,
              std::vector<Bytes>({report(64, {0x60, 0x3A, 0, 0, 0, 0x6B, 0x96, 0x2E})}));
    EXPECT_EQ(m_clock.Waits(), Waits({10, 30}));

    m_clock.ClearWaits();
    script({FailedRead()});
    EXPECT_EQ(m_link.NewerBootRequest(), 3);
    EXPECT_EQ(m_clock.Waits(), Waits({10, 30}));

    m_clock.ClearWaits();
    m_bus.setResults = {false};
    EXPECT_EQ(m_link.NewerBootRequest(), 3);
    EXPECT_EQ(m_clock.Waits(), Waits({10}));
}

TEST_F(NormalModeTest, BootRequestFollowsTheProtocolGeneration) {
    script({Reply(0x60, 1, 64, {{16, 2}}), Reply(0x60, 1)});
    EXPECT_EQ(m_link.GetProtocolGeneration(), 1);
    EXPECT_EQ(m_link.SendBootRequest(), 1);
    EXPECT_EQ(m_bus.sets.back()[1], 0x3A);

    script({Reply(0x60, 1, 64, {{16, 1}}), ready(true), ready(true)});
    EXPECT_EQ(m_link.GetProtocolGeneration(), 1);
    EXPECT_EQ(m_link.SendBootRequest(), 1);
    EXPECT_EQ(m_bus.sets.back()[0], 0x21);
}

TEST_F(NormalModeTest, RequestsWithoutAnOpenDeviceFail) {
    m_link.CloseDevice();
    std::uint16_t version = 0;
    EXPECT_EQ(m_link.ReadMouseVersion(version), 3);
    EXPECT_EQ(m_link.NewerBootRequest(), 3);
    EXPECT_EQ(m_link.OlderBootRequest(), 3);
    EXPECT_TRUE(m_bus.sets.empty());
}

}  // namespace
}  // namespace solune
