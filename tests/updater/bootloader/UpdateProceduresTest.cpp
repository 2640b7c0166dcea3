// Whole updates against the virtual mouse, with the exact waits, log lines,
// events and progress values.

#include "tests/updater/bootloader/UpdateFixture.h"
#include "updater/bootloader/FirmwareVersion.h"

namespace solune {
namespace {

using test::Messages;
using test::Waits;

const Messages kAllOk = {"HC_OK", "HC_OK", "HC_OK", "HC_OK"};

class UpdateProceduresTest : public test::UpdateFixture {};

TEST_F(UpdateProceduresTest, NewerProtocolUpdateTakesTheExactWaitSequence) {
    ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::Normal);
    std::uint16_t mouseVersion = 0;
    ASSERT_EQ(m_link.ReadMouseVersion(mouseVersion), 1);
    EXPECT_EQ(mouseVersion, 107);
    EXPECT_EQ(CompareVersions(m_package.FileVersion(), mouseVersion), UpdateMode::FileNewer);

    m_clock.ClearWaits();
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);

    Waits expected = {10, 30, 10000, 20, 100, 1000};
    const Waits transfer = TransferWaits(3);
    expected.insert(expected.end(), transfer.begin(), transfer.end());
    EXPECT_EQ(m_clock.Waits(), expected);
    EXPECT_EQ(UpdateLog(), kAllOk);
    EXPECT_EQ(m_view.progress, std::vector<int>({2, 2, 35, 68}));
    EXPECT_EQ(m_view.events,
              std::vector<UpdateEvent>({UpdateEvent::TransferDone, UpdateEvent::MouseRestarted}));
    EXPECT_EQ(m_view.mouseVersionTexts, std::vector<std::string>({"1.08"}));
    EXPECT_EQ(m_procedures.VersionAfterUpdate(), std::optional<std::uint16_t>(108));

    const simulator::MouseState mouse = MouseNow();
    EXPECT_EQ(mouse.mode, simulator::MouseMode::Normal);
    EXPECT_EQ(mouse.firmwareVersion, 108);
    EXPECT_FALSE(m_link.IsOpen()) << "the transfer closes the device at the end";
}

TEST_F(UpdateProceduresTest, OlderProtocolUsesReadyPollsAndTheTwoStepBootRequest) {
    ChangeMouse([](simulator::MouseState& s) { s.protocolGeneration = 1; });
    ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::Normal);
    std::uint16_t mouseVersion = 0;
    ASSERT_EQ(m_link.ReadMouseVersion(mouseVersion), 1);
    EXPECT_EQ(mouseVersion, 107);
    EXPECT_EQ(m_clock.Waits(), Waits({50, 10}));

    m_clock.ClearWaits();
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);
    Waits expected = {10, 10, 10000, 20, 100, 1000};
    const Waits transfer = TransferWaits(3, 1);
    expected.insert(expected.end(), transfer.begin(), transfer.end());
    EXPECT_EQ(m_clock.Waits(), expected);
    EXPECT_EQ(MouseNow().firmwareVersion, 108);
}

TEST_F(UpdateProceduresTest, InterruptedUpdateIsResumedByASecondRun) {
    Fault("bl-unplug-after-block", 1, 1);
    ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::Normal);
    std::uint16_t version = 0;
    ASSERT_EQ(m_link.ReadMouseVersion(version), 1);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Failed);
    // The unplugging made the second block's acknowledgement fail (status 0,
    // which has no name); the unplugged device's errno follows.
    EXPECT_EQ(UpdateLog(), Messages({"HC_OK", "HC_OK", "HC_OK", "v2_makesure_block failed",
                                     "hid transfer failed, errno 19 (No such device)"}));
    EXPECT_EQ(m_view.events, std::vector<UpdateEvent>({UpdateEvent::UpdateFailed}));
    EXPECT_EQ(m_view.progress, std::vector<int>({2, 2, 35}));

    // Plugged in again, the mouse is still in its boot loader.
    ChangeMouse([](simulator::MouseState& s) { simulator::Replug(s); });
    EXPECT_EQ(MouseNow().mode, simulator::MouseMode::BootLoader);
    m_clock.ClearWaits();
    ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::BootLoader);
    EXPECT_TRUE(m_clock.Waits().empty()) << "found at the first boot-loader search";
    EXPECT_TRUE(m_view.messageBoxes.empty());
    EXPECT_EQ(m_procedures.TransferImage(m_package), UpdateOutcome::Completed);
    EXPECT_EQ(m_clock.Waits(), TransferWaits(3));
    EXPECT_EQ(MouseNow().firmwareVersion, 108);
    EXPECT_EQ(MouseNow().mode, simulator::MouseMode::Normal);
}

TEST_F(UpdateProceduresTest, NoMouseTakesTheLongSearchAfterTheMessageBox) {
    ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
    EXPECT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::NotFound);
    Waits expected = {1500, 1500};
    test::Repeat(expected, {1000}, 301);
    EXPECT_EQ(m_clock.Waits(), expected);
    ASSERT_EQ(m_view.messageBoxes.size(), 1u);
    EXPECT_EQ(m_view.messageBoxes[0],
              "SOLUNE 300 Firmware Updater Software|SOLUNE 300 Firmware Updater Software is "
              "trying to find the bootloader device, this may take several minutes");
}

TEST_F(UpdateProceduresTest, BootLoaderPluggedInDuringTheLongSearchIsFound) {
    ChangeMouse([](simulator::MouseState& s) {
        s.plugged = false;
        s.mode = simulator::MouseMode::BootLoader;
    });
    int waits = 0;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds) {
        if (++waits == 10) {
            m_sim.Change([](simulator::MouseState& s) { simulator::Replug(s); });
        }
    });
    EXPECT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::BootLoader);
    EXPECT_EQ(m_clock.Waits().size(), 10u);
    EXPECT_TRUE(m_link.IsOpen());
}

TEST_F(UpdateProceduresTest, ForeignPackageIsRefusedAndLooksForNoMouse) {
    std::vector<std::uint8_t> file = BuildFirmwareFile(std::vector<std::uint8_t>(10, 1), 108, u"");
    file[8] = 0x07;  // product 0x1307
    test::WriteBytes(m_log.dir / "pkg" / "SOLUNE300_1.08.fub", file);
    FirmwarePackage foreign(m_log.log, m_view);
    ASSERT_EQ(foreign.LoadFirmwareImage(m_log.dir / "pkg", "SOLUNE300_1.08.fub"), 0);
    // A package without an accepted image names no mouse to look for.
    EXPECT_EQ(m_procedures.DetectDevice(foreign), DeviceMode::NotFound);
    EXPECT_TRUE(m_clock.Waits().empty());
    EXPECT_TRUE(m_view.messageBoxes.empty());
    EXPECT_FALSE(m_link.IsOpen());
}

// The last progress value depends on the block count: 120 blocks end at 101.
class UpdateOfManyBlocks : public test::UpdateFixture,
                           public ::testing::WithParamInterface<std::pair<int, int>> {
  protected:
    UpdateOfManyBlocks()
        : UpdateFixture(test::MouseWithVersion(107),
                        static_cast<std::size_t>(GetParam().first) * 1024) {}
};

TEST_P(UpdateOfManyBlocks, LastProgressValue) {
    ASSERT_EQ(m_procedures.DetectDevice(m_package), DeviceMode::Normal);
    std::uint16_t version = 0;
    ASSERT_EQ(m_link.ReadMouseVersion(version), 1);
    EXPECT_EQ(m_procedures.EnterBootLoader(m_package), UpdateOutcome::Completed);
    ASSERT_EQ(m_view.progress.size(), static_cast<std::size_t>(GetParam().first) + 1);
    EXPECT_EQ(m_view.progress.back(), GetParam().second);
    EXPECT_TRUE(std::is_sorted(m_view.progress.begin(), m_view.progress.end()));
    EXPECT_EQ(MouseNow().firmwareVersion, 108);
}

INSTANTIATE_TEST_SUITE_P(Blocks, UpdateOfManyBlocks,
                         ::testing::Values(std::pair{120, 101}, std::pair{50, 100},
                                           std::pair{1, 2}));

}  // namespace
}  // namespace solune
