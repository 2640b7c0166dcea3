// The virtual mouse on a state file: several processes share one mouse, and a
// change from outside reaches a running program as notices.
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/device/WriteProfileImage.h"
#include "platform/Clock.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/support/TempDir.h"

namespace solune::simulator {
namespace {

using test::TempDir;

// Runs `body` in a child process; its exit status is 0 when body returned true.
pid_t Spawn(const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body() ? 0 : 1);
    }
    return pid;
}

int ExitStatusOf(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class StateFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(FileMouseStore(file).Create(MouseState{})); }
    TempDir dir;
    std::filesystem::path file = dir / "mouse.json";
};

TEST_F(StateFile, AMissingOrDamagedFileIsNoMouse) {
    FileMouseStore missing(dir / "none.json");
    MouseState state;
    EXPECT_FALSE(missing.Read(state));
    EXPECT_NE(missing.LastError().find("no virtual mouse state file"), std::string::npos);
    SimulatedMouse sim(dir / "none.json");
    EXPECT_TRUE(sim.backend().Enumerate().empty());

    test::WriteText(file, "{\"activeSlot\": ");
    FileMouseStore damaged(file);
    EXPECT_FALSE(damaged.Read(state));
    EXPECT_NE(damaged.LastError().find("not valid JSON"), std::string::npos);
}

// A pipe, an endless device, a runaway file or a value nested thousands deep
// in place of the state file is refused at once with what is wrong.
TEST_F(StateFile, APipeDeviceHugeOrDeeplyNestedFileIsRefused) {
    ASSERT_EQ(::mkfifo((dir / "pipe.json").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero.json");
    test::WriteText(dir / "deep.json", std::string(100000, '[') + std::string(100000, ']'));
    test::WriteText(dir / "huge.json", "{}");
    std::filesystem::resize_file(dir / "huge.json", kMaxStateFileBytes + 1);
    const std::pair<const char*, const char*> cases[] = {
        {"pipe.json", "is not a regular file"},
        {"zero.json", "is not a regular file"},
        {"deep.json", "nested more than 64 levels deep"},
        {"huge.json", "is larger than 1048576 bytes"},
    };
    for (const auto& [name, says] : cases) {
        FileMouseStore store(dir / name);
        MouseState state;
        EXPECT_FALSE(store.Read(state)) << name;
        EXPECT_NE(store.LastError().find(says), std::string::npos) << store.LastError();
    }
}

TEST_F(StateFile, TwoProcessesShareOneMouseWithoutLosingAChange) {
    constexpr int kRounds = 40;
    auto worker = [this](int slot) {
        return [this, slot] {
            SimulatedMouse sim(file);
            VirtualClock clock;
            HidLink link(sim.backend(), clock);
            if (!link.FindDevice()) {
                return false;
            }
            SettingsImage image{};
            image.fill(static_cast<std::uint8_t>(0x10 + slot));
            for (int i = 0; i < kRounds; ++i) {
                // A read-modify-write of the whole state: a lost update would show.
                sim.Change(
                    [](MouseState& s) { s.extra["presses"] = s.extra.value("presses", 0) + 1; });
                if (WriteSettingsImage(link, static_cast<std::uint8_t>(slot), image) !=
                    CommandResult::Done) {
                    return false;
                }
            }
            return true;
        };
    };
    const pid_t a = Spawn(worker(1));
    const pid_t b = Spawn(worker(3));
    ASSERT_EQ(ExitStatusOf(a), 0);
    ASSERT_EQ(ExitStatusOf(b), 0);

    SimulatedMouse sim(file);
    const MouseState state = sim.State();
    EXPECT_EQ(state.extra.value("presses", 0), 2 * kRounds);
    SettingsImage one{}, three{};
    one.fill(0x11);
    three.fill(0x13);
    EXPECT_EQ(state.profileSlots[1], one);
    EXPECT_EQ(state.profileSlots[3], three);
}

TEST_F(StateFile, AChangeFromAnotherProcessArrivesAsNotices) {
    SimulatedMouse sim(file);
    VirtualClock clock;
    HidLink link(sim.backend(), clock);
    ASSERT_TRUE(link.RegisterArrivalNotification());
    ASSERT_TRUE(link.FindDevice());

    auto waitForNotice = [&link] {
        pollfd fd{link.NoticeDescriptor(), POLLIN, 0};
        return ::poll(&fd, 1, 10'000) == 1;  // a bound, not a pause: returns on the event
    };
    const pid_t unplug = Spawn(
        [this] { return SimulatedMouse(file).Change([](MouseState& s) { s.plugged = false; }); });
    ASSERT_EQ(ExitStatusOf(unplug), 0);
    ASSERT_TRUE(waitForNotice());
    const std::vector<HidNotice> removals = link.TakeNotices();
    ASSERT_FALSE(removals.empty());
    for (const HidNotice& notice : removals) {
        EXPECT_EQ(notice.kind, HidNotice::Kind::Removal);
        EXPECT_TRUE(HidLink::IsOurDevicePath(notice.devicePath)) << notice.devicePath;
    }
    link.DeviceRemoved();
    EXPECT_EQ(link.deviceConnected(), 0);

    // Looking at the state (as TakeNotices does) must not wake the watcher again,
    // or an event loop would spin.
    EXPECT_TRUE(link.TakeNotices().empty());
    pollfd quiet{link.NoticeDescriptor(), POLLIN, 0};
    EXPECT_EQ(::poll(&quiet, 1, 0), 0);

    const pid_t plug = Spawn([this] { return SimulatedMouse(file).Change(Replug); });
    ASSERT_EQ(ExitStatusOf(plug), 0);
    ASSERT_TRUE(waitForNotice());
    const std::vector<HidNotice> arrivals = link.TakeNotices();
    ASSERT_FALSE(arrivals.empty());
    for (const HidNotice& notice : arrivals) {
        EXPECT_EQ(notice.kind, HidNotice::Kind::Arrival);
        EXPECT_TRUE(HidLink::IsOurDevicePath(notice.devicePath)) << notice.devicePath;
    }
    EXPECT_TRUE(link.DeviceArrived());
    EXPECT_EQ(link.deviceConnected(), 1);
    int slot = -1;
    EXPECT_EQ(GetActiveProfile(link, slot), CommandResult::Done);
}

}  // namespace
}  // namespace solune::simulator
