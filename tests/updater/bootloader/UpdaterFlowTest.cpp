// The updater's flow without its window, where no window is needed to see it.

#include "updater/bootloader/UpdaterFlow.h"

#include <gtest/gtest.h>

#include "simulator/VirtualFirmware.h"
#include "tests/support/UpdaterTestSupport.h"
#include "updater/bootloader/PackageWriter.h"

namespace solune::test {
namespace {

class UpdaterFlowTest : public ::testing::Test {
  protected:
    UpdaterFlowTest() {
        EXPECT_EQ(WriteFirmwarePackage(m_log.dir / "pkg", "SOLUNE300_1.08.fub", "1.08",
                                       simulator::MakeVirtualFirmwareImage(108, 2500), u"SOLUNE"),
                  PackResult::Written);
    }

    TestLog m_log;
    RecordingView m_view;
    VirtualClock m_clock;
};

// Without any device access there is no mouse to look for: no five-minute
// search, NoMouse at once.
TEST_F(UpdaterFlowTest, NoDeviceAccessShowsCanNotFindAtOnce) {
    UpdaterFlow flow(m_view, m_log.log, nullptr, m_clock);
    EXPECT_EQ(flow.Start(false, m_log.dir / "pkg"), UpdaterFlow::StartResult::Shown);
    EXPECT_EQ(m_view.events, std::vector<UpdateEvent>{UpdateEvent::NoMouse});
    EXPECT_TRUE(m_view.messageBoxes.empty());
    EXPECT_TRUE(m_clock.Waits().empty());
    EXPECT_EQ(m_log.Messages().back(), "mouse bootloader device is not found");
    EXPECT_EQ(flow.Ok(), UpdaterFlow::OkResult::Close);
    EXPECT_EQ(flow.RunUpdate(), UpdateOutcome::Failed);
}

}  // namespace
}  // namespace solune::test
