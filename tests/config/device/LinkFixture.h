#pragma once
// A sane virtual mouse in memory, a recording backend over it, a virtual clock
// and a link on them. Tests arm faults and change the mouse through `sim`.

#include <gtest/gtest.h>

#include "config/device/HidLink.h"
#include "platform/Clock.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/support/RecordingHidBackend.h"

namespace solune::test {

class LinkFixture : public ::testing::Test {
  protected:
    void Arm(const std::string& fault, int count, int value = 0) {
        sim.Change([&](simulator::MouseState& s) { simulator::SetFault(s, fault, count, value); });
    }
    void Connect() {
        ASSERT_TRUE(link.FindDevice());
        clock.ClearWaits();
        backend.log = {};
    }
    std::vector<std::int64_t> Waits() const { return clock.Waits(); }

    simulator::SimulatedMouse sim;
    RecordingHidBackend backend{sim.backend()};
    VirtualClock clock;
    HidLink link{backend, clock};
};

}  // namespace solune::test
