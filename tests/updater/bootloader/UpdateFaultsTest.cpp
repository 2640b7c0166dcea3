// Each fault of the mouse and its boot loader, and what the update makes of it.

#include "tests/updater/bootloader/UpdateFixture.h"

namespace solune {
namespace {

using test::Messages;
using test::Waits;

constexpr const char* kEchoFailed = " rtn_int = v2_send_echo failed after try to 3 times";
constexpr const char* kInfoFailed = " rtn_int = v2_get_bl_info failed after try to 3 times";
constexpr const char* kStartFailed = "  v2_send_bl_start failed after try to 3 times";
constexpr const char* kBlockFailed = "v2_makesure_block failed";
constexpr const char* kCompleteFailed = " Send_bl_complete failed ";

struct FaultCase {
    const char* name;
    const char* fault;
    int count;
    int value;
    UpdateOutcome outcome;
    Messages log;
    std::vector<UpdateEvent> events;
    std::uint16_t versionAfter;  // what the mouse reports at the end
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class UpdateFaults : public test::UpdateFixture, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(UpdateFaults, EndAsTheUserShouldSee) {
    const FaultCase& c = GetParam();
    ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::Normal);
    std::uint16_t version = 0;
    ASSERT_EQ(m_link.ReadMouseVersion(version), 1);
    Fault(c.fault, c.count, c.value);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), c.outcome);
    EXPECT_EQ(UpdateLog(), c.log);
    EXPECT_EQ(m_view.events, c.events);
    EXPECT_EQ(MouseNow().firmwareVersion, c.versionAfter);
}

const std::vector<UpdateEvent> kProblem = {UpdateEvent::UpdateFailed};
const std::vector<UpdateEvent> kDone = {UpdateEvent::TransferDone, UpdateEvent::MouseRestarted};

INSTANTIATE_TEST_SUITE_P(
    Faults, UpdateFaults,
    ::testing::Values(FaultCase{"EchoWithOneChangedByte",
                                "bl-echo-byte",
                                1,
                                0,
                                UpdateOutcome::Failed,
                                {"HC_ERROR", kEchoFailed},
                                kProblem,
                                107},
                      FaultCase{"EchoStatusCsError",
                                "bl-status-echo",
                                1,
                                2,
                                UpdateOutcome::Failed,
                                {"HC_CS_ERROR", kEchoFailed},
                                kProblem,
                                107},
                      FaultCase{"InformationStatusWithoutName",
                                "bl-status-info",
                                1,
                                5,
                                UpdateOutcome::Failed,
                                {"HC_OK", kInfoFailed},
                                kProblem,
                                107},
                      FaultCase{"WrongBootLoaderIdentityHasNoLogLine",
                                "bl-identity",
                                1,
                                0x1308,
                                UpdateOutcome::Failed,
                                {"HC_OK", "HC_OK"},
                                kProblem,
                                107},
                      FaultCase{"StartRefused",
                                "bl-status-start",
                                1,
                                4,
                                UpdateOutcome::Failed,
                                {"HC_OK", "HC_OK", "HC_ERROR", kStartFailed},
                                kProblem,
                                107},
                      FaultCase{"BlockWriteReceiving",
                                "bl-status-write",
                                1,
                                6,
                                UpdateOutcome::Failed,
                                {"HC_OK", "HC_OK", "HC_OK", "HC_RCVING", kBlockFailed},
                                kProblem,
                                107},
                      FaultCase{"CompleteFailsAndTheScreenStays",
                                "bl-status-complete",
                                1,
                                2,
                                UpdateOutcome::CompleteFailed,
                                {"HC_OK", "HC_OK", "HC_OK", "HC_CS_ERROR", kCompleteFailed},
                                {},
                                107},
                      FaultCase{"NotReadyRepliesAreReadAgain",
                                "bl-not-ready",
                                2,
                                0,
                                UpdateOutcome::Completed,
                                {"HC_OK", "HC_OK", "HC_OK", "HC_OK"},
                                kDone,
                                108},
                      FaultCase{"ReadBackSumDiffersOnce",
                                "bl-read-sum",
                                1,
                                0,
                                UpdateOutcome::Completed,
                                {"HC_OK", "HC_OK", "HC_OK", "HC_OK"},
                                kDone,
                                108},
                      // A refused read-back is logged and the transfer goes on.
                      FaultCase{"ReadBackRefusedIsLogged",
                                "bl-status-read",
                                1,
                                4,
                                UpdateOutcome::Completed,
                                {"HC_OK", "HC_OK", "HC_OK",
                                 "v2_makesure_block read-back failed, block 20, status 0", "HC_OK"},
                                kDone,
                                108},
                      FaultCase{"BootLoaderNeverAppears",
                                "bl-never-appears",
                                1,
                                0,
                                UpdateOutcome::Failed,
                                {" Open_W38BL_device failed after try to 160 times"},
                                kProblem,
                                107}),
    [](const auto& info) { return std::string(info.param.name); });

class UpdateFaultWaits : public test::UpdateFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::Normal);
        std::uint16_t version = 0;
        ASSERT_EQ(m_link.ReadMouseVersion(version), 1);
        m_clock.ClearWaits();
    }
    static Waits upToStart() { return {10, 30, 10000, 20, 100, 1000}; }
};

TEST_F(UpdateFaultWaits, NotReadyEchoIsReadAgainWithoutAWait) {
    Fault("bl-not-ready", 1);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);
    Waits expected = upToStart();
    const Waits transfer = TransferWaits(3);
    expected.insert(expected.end(), transfer.begin(), transfer.end());
    EXPECT_EQ(m_clock.Waits(), expected);
}

TEST_F(UpdateFaultWaits, TwoNotReadyRepliesCostOneWait) {
    Fault("bl-not-ready", 2);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);
    Waits expected = {10, 30, 10000, 20, 50, 100, 1000};
    const Waits transfer = TransferWaits(3);
    expected.insert(expected.end(), transfer.begin(), transfer.end());
    EXPECT_EQ(m_clock.Waits(), expected);
}

TEST_F(UpdateFaultWaits, DifferingReadBackSumWritesTheBlockAgain) {
    Fault("bl-read-sum", 1);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);
    Waits expected = upToStart();
    expected.insert(expected.end(), {50, 200, 500, 60, 20, 30, 60, 70});
    test::Repeat(expected, {60, 20, 30, 70}, 2);
    expected.insert(expected.end(), {200, 50, 6000, 50, 50, 10});
    EXPECT_EQ(m_clock.Waits(), expected);
}

TEST_F(UpdateFaultWaits, BootRequestIsTriedThreeMoreTimes) {
    Fault("set-fail", 4);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Failed);
    EXPECT_EQ(m_clock.Waits(), Waits({10, 10, 2000, 10, 2000, 10, 2000}));
    EXPECT_EQ(UpdateLog(), Messages({"V2_Send_bl_request failed first",
                                     " v2_Send_bl_request failed after try to 3 times",
                                     "hid transfer failed, errno 13 (Permission denied)"}));
    EXPECT_EQ(m_view.events, std::vector<UpdateEvent>({UpdateEvent::UpdateFailed}));
    EXPECT_EQ(MouseNow().mode, simulator::MouseMode::Normal);
}

TEST_F(UpdateFaultWaits, BootRequestSucceedingOnARetryGoesOn) {
    Fault("set-fail", 2);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);
    const Waits waits = m_clock.Waits();
    EXPECT_EQ(Waits(waits.begin(), waits.begin() + 6), Waits({10, 10, 2000, 10, 30, 10000}));
    EXPECT_EQ(UpdateLog(),
              Messages({"V2_Send_bl_request failed first", "HC_OK", "HC_OK", "HC_OK", "HC_OK"}));
}

TEST_F(UpdateFaultWaits, BootLoaderThatNeverAppearsIsSearched301Times) {
    Fault("bl-never-appears", 1);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Failed);
    Waits expected = {10, 30};
    test::Repeat(expected, {1000}, 301);
    EXPECT_EQ(m_clock.Waits(), expected);
}

}  // namespace
}  // namespace solune
