#pragma once
// A fixture of the link tests: a BootLoaderLink opened on one interface of a
// scripted device, with a virtual clock.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "tests/support/ScriptedHid.h"
#include "updater/bootloader/BootLoaderLink.h"

namespace solune::test {

class ScriptedLinkTest : public ::testing::Test {
  protected:
    // Presents the interface `path` of product `productId` and opens it.
    ScriptedLinkTest(const std::string& path, std::uint16_t productId) {
        m_bus.devices = {Interface(path, productId)};
        EXPECT_EQ(m_link.FindHidDevice(0x22D4, productId), 1);
    }
    // The device's answers to the next reads, in order.
    void script(const std::vector<ScriptedReply>& replies) {
        m_bus.replies.assign(replies.begin(), replies.end());
    }

    ScriptedBus m_bus;
    ScriptedBackend m_backend{m_bus};
    VirtualClock m_clock;
    BootLoaderLink m_link{m_backend, m_clock};
};

}  // namespace solune::test
