#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace solune {
namespace {

using namespace std::chrono_literals;

TEST(VirtualClock, RecordsEveryWaitInOrderAndMovesTheTickCount) {
    VirtualClock clock(1000);
    clock.Sleep(20ms);
    clock.Sleep(0ms);
    clock.Sleep(1500ms);
    EXPECT_EQ(clock.Waits(), (std::vector<std::int64_t>{20, 0, 1500}));
    EXPECT_EQ(clock.TotalWaited(), 1520);
    EXPECT_EQ(clock.TickCount(), 2520u);
    clock.Advance(80ms);  // time passing without a wait
    EXPECT_EQ(clock.TickCount(), 2600u);
    EXPECT_EQ(clock.Waits().size(), 3u);
    clock.ClearWaits();
    EXPECT_TRUE(clock.Waits().empty());
}

TEST(VirtualClock, TheTickCountWrapsLikeA32BitMillisecondCounter) {
    VirtualClock clock(0xFFFFFFF0u);
    clock.Sleep(0x20ms);
    EXPECT_EQ(clock.TickCount(), 0x10u);
    EXPECT_EQ(static_cast<std::uint32_t>(clock.TickCount() - 0xFFFFFFF0u), 0x20u);
}

TEST(VirtualClock, TheObserverSeesEachWaitAfterItIsRecordedAndMayUseTheClock) {
    VirtualClock clock;
    std::vector<std::pair<std::int64_t, std::uint32_t>> seen;
    clock.SetWaitObserver(
        [&](std::chrono::milliseconds d) { seen.emplace_back(d.count(), clock.TickCount()); });
    clock.Sleep(900ms);
    clock.Sleep(20ms);
    EXPECT_EQ(seen, (std::vector<std::pair<std::int64_t, std::uint32_t>>{{900, 900}, {20, 920}}));
}

}  // namespace
}  // namespace solune
