#include "devicechoice/DeviceChoice.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "devicechoice/NoMouseBackend.h"
#include "platform/HidrawBackend.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatorStateFile.h"
#include "tests/support/TempDir.h"

namespace solune {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
            m_had = true;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (m_had) {
            ::setenv(m_name, m_old.c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }

  private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(DeviceChoice, TheStateFileInTheEnvironmentSelectsTheVirtualMouse) {
    test::TempDir dir;
    const auto file = dir / "mouse.json";
    ASSERT_TRUE(simulator::FileMouseStore(file).Create(simulator::MouseState{}));
    ScopedVariable variable(kSimulatorVariable, file.c_str());

    EXPECT_EQ(SimulatorStateFile(), file.string());
    auto backend = CreateSystemHidBackend();
    EXPECT_EQ(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    const auto devices = backend->Enumerate(0x22D4, 0x1308);
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_NE(backend->Open(devices[2].path), nullptr);
}

TEST(DeviceChoice, WithoutTheVariableItIsTheHidrawBackend) {
    ScopedVariable allowHardware(kNoHardwareVariable, nullptr);
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        ScopedVariable variable(kSimulatorVariable, value);
        EXPECT_EQ(SimulatorStateFile(), "");
        auto backend = CreateSystemHidBackend();  // created only, never asked: no hardware
        EXPECT_NE(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    }
}

TEST(DeviceChoice, TestProgramsNeverGetTheHidrawBackend) {
    // Every test program runs with real hardware forbidden.
    EXPECT_TRUE(RealHardwareForbidden());
    ScopedVariable variable(kSimulatorVariable, nullptr);
    auto backend = CreateSystemHidBackend();
    EXPECT_EQ(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    ASSERT_NE(dynamic_cast<NoMouseBackend*>(backend.get()), nullptr);
    EXPECT_TRUE(backend->Enumerate(0x22D4, 0x1308).empty());
    EXPECT_EQ(backend->Open("/dev/hidraw0"), nullptr);
}

}  // namespace
}  // namespace solune
