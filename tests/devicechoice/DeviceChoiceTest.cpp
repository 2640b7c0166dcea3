#include "devicechoice/DeviceChoice.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "devicechoice/HardwareForbiddenBackend.h"
#include "platform/HidrawBackend.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatorStateFile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace solune {
namespace {

using test::ScopedEnv;

TEST(DeviceChoice, TheStateFileInTheEnvironmentSelectsTheVirtualMouse) {
    test::TempDir dir;
    const auto file = dir / "mouse.json";
    ASSERT_TRUE(simulator::FileMouseStore(file).Create(simulator::MouseState{}));
    ScopedEnv variable(kSimulatorVariable, file.c_str());

    EXPECT_EQ(SimulatorStateFile(), file.string());
    auto backend = CreateSystemHidBackend();
    EXPECT_EQ(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    const auto devices = backend->Enumerate(0x22D4, 0x1308);
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_NE(backend->Open(devices[2].path), nullptr);
}

TEST(DeviceChoice, WithoutTheVariableItIsTheHidrawBackend) {
    ScopedEnv allowHardware(kNoHardwareVariable, nullptr);
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        ScopedEnv variable(kSimulatorVariable, value);
        EXPECT_EQ(SimulatorStateFile(), "");
        auto backend = CreateSystemHidBackend();  // created only, never asked: no hardware
        EXPECT_NE(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    }
}

TEST(DeviceChoice, TestProgramsNeverGetTheHidrawBackend) {
    // Every test program runs with real hardware forbidden.
    EXPECT_TRUE(RealHardwareForbidden());
    ScopedEnv variable(kSimulatorVariable, nullptr);
    auto backend = CreateSystemHidBackend();
    EXPECT_EQ(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    EXPECT_NE(dynamic_cast<HardwareForbiddenBackend*>(backend.get()), nullptr);
}

TEST(DeviceChoiceDeathTest, ATestThatAsksForAMouseWithoutAVirtualOneEndsSayingSo) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScopedEnv variable(kSimulatorVariable, nullptr);
    auto backend = CreateSystemHidBackend();
    // Starting notices alone is no fault: a window may come up without asking.
    EXPECT_FALSE(backend->StartNotices());
    EXPECT_TRUE(backend->TakeNotices().empty());
    EXPECT_DEATH(backend->Enumerate(0x22D4, 0x1308), "no virtual mouse is named.*Enumerate");
    EXPECT_DEATH(backend->Open("/dev/hidraw0"), "no virtual mouse is named.*Open");
}

}  // namespace
}  // namespace solune
