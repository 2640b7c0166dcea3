// The virtual mouse's boot loader on its own: its checks, its version
// convention and its state across processes.

#include <gtest/gtest.h>

#include "simulator/SimulatedHidBackend.h"
#include "simulator/VirtualFirmware.h"
#include "tests/support/TempDir.h"
#include "updater/bootloader/BootLoaderLink.h"
#include "updater/bootloader/FirmwareFormat.h"

namespace solune {
namespace {

using simulator::MouseMode;
using simulator::MouseState;

MouseState inBootLoader() {
    MouseState state;
    state.mode = MouseMode::BootLoader;
    state.firmwareVersion = 105;
    return state;
}

class VirtualBootLoader : public ::testing::Test {
  protected:
    VirtualBootLoader() { EXPECT_EQ(m_link.FindHidDevice(0x22D4, 0x1307), 1); }

    std::array<std::uint8_t, 1024> block(std::size_t index) const {
        std::array<std::uint8_t, 1024> b{};
        std::copy_n(m_image.begin() + index * 1024, 1024, b.begin());
        return b;
    }
    std::int32_t checksum() const { return static_cast<std::int32_t>(ImageChecksum(m_image)); }

    std::vector<std::uint8_t> m_image = simulator::MakeVirtualFirmwareImage(121, 2048);
    simulator::SimulatedMouse m_sim{inBootLoader()};
    VirtualClock m_clock;
    BootLoaderLink m_link{m_sim.backend(), m_clock};
};

TEST_F(VirtualBootLoader, InformationNamesTheBootLoader) {
    std::array<std::uint8_t, kInfoSize> info{};
    EXPECT_EQ(m_link.GetBootLoaderInfo(info), 1);
    EXPECT_EQ(info[4] | info[5] << 8, 0x22D4);
    EXPECT_EQ(info[6] | info[7] << 8, 0x1307);
}

TEST_F(VirtualBootLoader, RefusesBlocksOutOfOrderOrWithAWrongSum) {
    EXPECT_EQ(m_link.WriteBlock(block(0), 20), 4) << "no start yet";
    EXPECT_EQ(m_link.SendStart(0, 0), 4) << "no blocks";
    EXPECT_EQ(m_link.SendStart(121, 0), 4) << "more than 120 blocks";
    ASSERT_EQ(m_link.SendStart(2, checksum()), 1);
    EXPECT_EQ(m_link.WriteBlock(block(0), 19), 4);
    EXPECT_EQ(m_link.WriteBlock(block(0), 22), 4);

    // A block whose announced sum is wrong: build the report by hand.
    std::array<std::uint8_t, 1041> report{0x81, 0x06, 20, 0x00, 0x00};
    std::copy(m_image.begin(), m_image.begin() + 1024, report.begin() + 16);
    const std::unique_ptr<HidDevice> device =
        m_sim.backend().Open(m_sim.backend().Enumerate(0x22D4, 0x1307).at(0).path);
    ASSERT_TRUE(device);
    ASSERT_TRUE(device->SetFeature(report).Ok());
    std::array<std::uint8_t, 64> reply{0x80};
    ASSERT_TRUE(device->GetFeature(reply).Ok());
    EXPECT_EQ(reply[1], 2) << "HC_CS_ERROR";
}

TEST_F(VirtualBootLoader, CompleteChecksTheWholeImage) {
    ASSERT_EQ(m_link.SendStart(2, checksum()), 1);
    ASSERT_EQ(m_link.WriteBlock(block(0), 20), 1);
    EXPECT_EQ(m_link.SendComplete(), 2) << "the second block is missing";
    EXPECT_EQ(m_sim.State().mode, MouseMode::BootLoader);

    ASSERT_EQ(m_link.WriteBlock(block(1), 21), 1);
    EXPECT_EQ(m_link.VerifyBlock(block(1), 21), 1);
    EXPECT_EQ(m_link.SendComplete(), 1);
    const MouseState after = m_sim.State();
    EXPECT_EQ(after.mode, MouseMode::Normal);
    EXPECT_EQ(after.firmwareVersion, 121);
    EXPECT_FALSE(after.extra.contains("bootloader"));
    EXPECT_EQ(m_link.FindHidDevice(0x22D4, 0x1307), 0);
    EXPECT_EQ(m_link.FindHidDevice(0x22D4, 0x1308), 1);
}

TEST_F(VirtualBootLoader, ImageWithoutAVersionKeepsTheOldOne) {
    std::fill(m_image.begin(), m_image.end(), 0x11);
    ASSERT_EQ(m_link.SendStart(2, checksum()), 1);
    ASSERT_EQ(m_link.WriteBlock(block(0), 20), 1);
    ASSERT_EQ(m_link.WriteBlock(block(1), 21), 1);
    EXPECT_EQ(m_link.SendComplete(), 1);
    EXPECT_EQ(m_sim.State().firmwareVersion, 105);
    EXPECT_EQ(m_sim.State().mode, MouseMode::Normal);
}

TEST(VirtualFirmware, VersionIsReadFromTheMarker) {
    auto bytes = [](const std::string& text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    };
    const std::pair<std::string, std::optional<std::uint16_t>> cases[] = {
        {"SOLUNE300-FW:1.08", 108},
        {"xxSOLUNE300-FW:12.34yy", 1234},
        {"SOLUNE300-FW:655.35", 65535},
        {"SOLUNE300-FW:655.36", std::nullopt},
        {"SOLUNE300-FW:1.0", std::nullopt},
        {"SOLUNE300-FW:1234.00", std::nullopt},
        {"SOLUNE300-FW:x SOLUNE300-FW:2.00", 200},
        {"SOLUNE300-FW 1.08", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, version] : cases) {
        EXPECT_EQ(simulator::StatedFirmwareVersion(bytes(text)), version) << text;
    }
    EXPECT_EQ(simulator::StatedFirmwareVersion(simulator::MakeVirtualFirmwareImage(7, 5000)), 7);
}

TEST(VirtualBootLoaderFile, TransferStateLivesInTheStateFile) {
    test::TempDir dir;
    const auto file = dir / "mouse.json";
    {
        simulator::FileMouseStore store(file);
        ASSERT_TRUE(store.Create(inBootLoader()));
    }
    const std::vector<std::uint8_t> image = simulator::MakeVirtualFirmwareImage(130, 1024);
    std::array<std::uint8_t, 1024> block{};
    std::copy(image.begin(), image.end(), block.begin());
    VirtualClock clock;
    {
        // One "process" announces the image and writes the block ...
        simulator::SimulatedMouse sim(file);
        BootLoaderLink link(sim.backend(), clock);
        ASSERT_EQ(link.FindHidDevice(0x22D4, 0x1307), 1);
        ASSERT_EQ(link.SendStart(1, static_cast<std::int32_t>(ImageChecksum(image))), 1);
        ASSERT_EQ(link.WriteBlock(block, 20), 1);
    }
    // ... another completes it.
    simulator::SimulatedMouse sim(file);
    BootLoaderLink link(sim.backend(), clock);
    ASSERT_EQ(link.FindHidDevice(0x22D4, 0x1307), 1);
    EXPECT_EQ(link.VerifyBlock(block, 20), 1);
    EXPECT_EQ(link.SendComplete(), 1);
    EXPECT_EQ(sim.State().firmwareVersion, 130);
}

}  // namespace
}  // namespace solune
