#include "simulator/SystemHidBackend.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/HidrawBackend.h"
#include "simulator/MouseStore.h"
#include "tests/support/TempDir.h"

namespace solune {
namespace {

// Sets SOLUNE300_SIMULATOR for one test and restores it afterwards.
class SimulatorVariable {
  public:
    explicit SimulatorVariable(const char* value) {
        if (const char* old = std::getenv(kSimulatorVariable)) {
            m_old = old;
            m_had = true;
        }
        if (value != nullptr) {
            ::setenv(kSimulatorVariable, value, 1);
        } else {
            ::unsetenv(kSimulatorVariable);
        }
    }
    ~SimulatorVariable() {
        if (m_had) {
            ::setenv(kSimulatorVariable, m_old.c_str(), 1);
        } else {
            ::unsetenv(kSimulatorVariable);
        }
    }

  private:
    std::string m_old;
    bool m_had = false;
};

TEST(SystemHidBackend, TheStateFileInTheEnvironmentSelectsTheVirtualMouse) {
    test::TempDir dir;
    const auto file = dir / "mouse.json";
    ASSERT_TRUE(simulator::FileMouseStore(file).Create(simulator::MouseState{}));
    SimulatorVariable variable(file.c_str());

    EXPECT_EQ(SimulatorStateFile(), file.string());
    auto backend = CreateSystemHidBackend();
    EXPECT_EQ(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    const auto devices = backend->Enumerate(0x22D4, 0x1308);
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_NE(backend->Open(devices[2].path), nullptr);
}

TEST(SystemHidBackend, WithoutTheVariableItIsTheHidrawBackend) {
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        SimulatorVariable variable(value);
        EXPECT_EQ(SimulatorStateFile(), "");
        auto backend = CreateSystemHidBackend();  // created only, never asked: no hardware
        EXPECT_NE(dynamic_cast<HidrawBackend*>(backend.get()), nullptr);
    }
}

}  // namespace
}  // namespace solune
