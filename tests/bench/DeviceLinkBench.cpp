// How much time the device link adds to the protocol's own waits: five settings
// images and one SetActiveProfile, as "Apply" sends them, against the virtual
// mouse with the real clock. The waits are 5 × (60 + 60) ms + 1500 ms = 2.1 s;
// the counter "added_ms" is what the program takes beyond them per run.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <memory>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/device/WriteProfileImage.h"
#include "platform/Clock.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatedHidBackend.h"

namespace {

using namespace solune;

constexpr double kProtocolWaitsMs = 5 * (60 + 60) + 1500;

void applyFiveProfiles(benchmark::State& state, simulator::SimulatedMouse& sim) {
    HidLink link(sim.backend(), RealClock::Instance());
    if (!link.FindDevice()) {
        state.SkipWithError("no virtual mouse");
        return;
    }
    std::array<Profile, 5> profiles;
    for (std::uint8_t i = 0; i < 5; ++i) {
        profiles[i].slot = i;
    }
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const Profile& p : profiles) {
            if (WriteProfileImage(link, p) != CommandResult::Done) {
                state.SkipWithError("an image write failed");
            }
        }
        if (SetActiveProfile(link, 2) != CommandResult::Done) {
            state.SkipWithError("SetActiveProfile failed");
        }
        totalMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    const double perRun = totalMs / static_cast<double>(state.iterations());
    state.counters["added_ms"] = perRun - kProtocolWaitsMs;
    state.counters["added_percent"] = 100.0 * (perRun - kProtocolWaitsMs) / kProtocolWaitsMs;
}

void BM_ApplyFiveProfilesInMemory(benchmark::State& state) {
    simulator::SimulatedMouse sim;
    applyFiveProfiles(state, sim);
}

void BM_ApplyFiveProfilesOnStateFile(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("solune-bench-" + std::to_string(::getpid()) + ".json");
    simulator::FileMouseStore(file).Create(simulator::MouseState{});
    {
        simulator::SimulatedMouse sim(file);
        applyFiveProfiles(state, sim);
    }
    std::filesystem::remove(file);
    std::filesystem::remove(file.string() + ".lock");
}

BENCHMARK(BM_ApplyFiveProfilesInMemory)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK(BM_ApplyFiveProfilesOnStateFile)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
