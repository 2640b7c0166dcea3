#include "simulator/VirtualMouse.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "simulator/SimulatedHidBackend.h"

namespace solune::simulator {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Command(std::uint8_t command, std::uint8_t sub = 0, std::uint8_t argument = 0) {
    Bytes r(64, 0);
    r[0] = 0x60;
    r[1] = command;
    r[2] = sub;
    r[5] = argument;
    return r;
}

// A sane mouse in memory with its vendor interface open.
class VirtualMouseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const HidDeviceInfo& info : sim.backend().Enumerate()) {
            if (info.usagePage == 0xFF01) {
                device = sim.backend().Open(info.path);
            }
        }
        ASSERT_NE(device, nullptr);
    }
    Bytes Reply() {
        Bytes r(64, 0);
        r[0] = 0x60;
        EXPECT_TRUE(device->GetFeature(r).Ok());
        return r;
    }

    SimulatedMouse sim;
    std::unique_ptr<HidDevice> device;
};

TEST_F(VirtualMouseTest, NormalModePresentsThreeInterfacesOfTheMouse) {
    const auto all = sim.backend().Enumerate();
    ASSERT_EQ(all.size(), 3u);
    for (const auto& info : all) {
        EXPECT_EQ(info.vendorId, 0x22D4);
        EXPECT_EQ(info.productId, 0x1308);
        EXPECT_NE(info.sysfsPath.find("0003:22D4:1308."), std::string::npos);
    }
    EXPECT_TRUE(sim.backend().Enumerate(0x22D4, 0x1307).empty());
    EXPECT_TRUE(sim.backend().Enumerate(0x046D, 0).empty());
}

TEST_F(VirtualMouseTest, TheBootLoaderModeEnumeratesAsProduct1307WithOneInterface) {
    sim.Change([](MouseState& s) {
        s.mode = MouseMode::BootLoader;
        Replug(s);
    });
    const auto all = sim.backend().Enumerate();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].productId, 0x1307);
    EXPECT_EQ(all[0].usagePage, 0xFF01);
    // The normal-mode handle is dead.
    EXPECT_EQ(device->SetFeature(Command(0x03)).status, HidStatus::Failed);
}

TEST_F(VirtualMouseTest, CommandsAnswerInTheReply) {
    sim.Change([](MouseState& s) {
        s.firmwareVersion = 0x1234;
        s.protocolGeneration = 7;
        s.activeSlot = 3;
    });
    struct Case {
        Bytes request;
        int status;
        int at;
        int value;
    } cases[] = {
        {Command(0x01), 1, 16, 7},        {Command(0x02), 1, 16, 0x34},
        {Command(0x02), 1, 17, 0x12},     {Command(0x03), 1, 16, 3},
        {Command(0x04, 0, 5), 2, 16, 0},  {Command(0x05, 3), 2, 16, 0},
        {Command(0x06, 9, 10), 2, 16, 0}, {Command(0x7F), 2, 16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.request[1]));
        ASSERT_TRUE(device->SetFeature(c.request).Ok());
        const Bytes reply = Reply();
        EXPECT_EQ(reply[1], c.status);
        EXPECT_EQ(reply[c.at], c.value);
    }
    EXPECT_EQ(sim.State().activeSlot, 3);  // slot 5 was refused
}

TEST_F(VirtualMouseTest, ImageHalvesAreStoredInTheSlotTheyName) {
    Bytes report(1041, 0);
    report[0] = 0x61;
    report[1] = 0x08;
    report[5] = 4;
    report[6] = 1;
    report[16] = 0xAA;
    report[1039] = 0xBB;
    ASSERT_TRUE(device->SetFeature(report).Ok());
    EXPECT_EQ(Reply()[1], 1);
    const auto state = sim.State();
    EXPECT_EQ(state.profileSlots[4][1024], 0xAA);
    EXPECT_EQ(state.profileSlots[4][2047], 0xBB);
    EXPECT_EQ(state.profileSlots[4][0], 0);
    EXPECT_EQ(state.activeSlot, 0);

    for (auto [at, value] : {std::pair{5, 5}, std::pair{6, 2}, std::pair{1, 0x09}}) {
        Bytes bad = report;
        bad[at] = static_cast<std::uint8_t>(value);
        ASSERT_TRUE(device->SetFeature(bad).Ok());
        EXPECT_EQ(Reply()[1], 2) << "byte " << at;
    }
}

TEST_F(VirtualMouseTest, WrongLengthsAndUnknownReportsFailTheTransfer) {
    EXPECT_EQ(device->SetFeature(Bytes(63, 0x60)).systemError, EINVAL);
    EXPECT_EQ(device->SetFeature(Bytes(1040, 0x61)).systemError, EINVAL);
    EXPECT_EQ(device->SetFeature(Bytes(64, 0x42)).systemError, EPIPE);
    Bytes get(64, 0);
    get[0] = 0x42;
    EXPECT_EQ(device->GetFeature(get).systemError, EPIPE);
    EXPECT_EQ(get[0], 0x42);
}

TEST_F(VirtualMouseTest, OnlyTheVendorInterfaceAnswersFeatureReports) {
    auto pointer = sim.backend().Open(sim.backend().Enumerate()[0].path);
    ASSERT_NE(pointer, nullptr);
    EXPECT_EQ(pointer->SetFeature(Command(0x03)).status, HidStatus::Failed);
}

TEST_F(VirtualMouseTest, TransferFaultsActTheirCountAndAreUsedUp) {
    sim.Change([](MouseState& s) {
        SetFault(s, "set-fail-transient", 2);
        SetFault(s, "get-fail", 1);
    });
    EXPECT_EQ(device->SetFeature(Command(0x03)).status, HidStatus::Transient);
    EXPECT_EQ(device->SetFeature(Command(0x03)).status, HidStatus::Transient);
    EXPECT_TRUE(device->SetFeature(Command(0x03)).Ok());
    Bytes reply(64, 0);
    reply[0] = 0x60;
    EXPECT_EQ(device->GetFeature(reply).status, HidStatus::Failed);
    EXPECT_TRUE(device->GetFeature(reply).Ok());
    EXPECT_TRUE(sim.State().faults.empty());
}

TEST_F(VirtualMouseTest, TheUnplugFaultUnplugsAtItsTransfer) {
    sim.Change([](MouseState& s) { SetFault(s, "unplug", 2); });
    EXPECT_TRUE(device->SetFeature(Command(0x03)).Ok());
    EXPECT_EQ(device->SetFeature(Command(0x03)).systemError, ENODEV);
    EXPECT_FALSE(sim.State().plugged);
    EXPECT_TRUE(sim.backend().Enumerate().empty());
    sim.Change([](MouseState& s) { Replug(s); });
    EXPECT_EQ(device->SetFeature(Command(0x03)).systemError, ENODEV);  // an old handle
}

TEST_F(VirtualMouseTest, AShortGetBufferTakesOnlyItsLength) {
    ASSERT_TRUE(device->SetFeature(Command(0x02)).Ok());
    Bytes reply(8, 0);
    reply[0] = 0x60;
    const HidResult result = device->GetFeature(reply);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.bytes, 8u);
    EXPECT_EQ(reply[1], 1);
}

}  // namespace
}  // namespace solune::simulator
