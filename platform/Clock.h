#pragma once
// The one source of time for the protocols: fixed waits and the millisecond tick
// count. Programs use RealClock; tests use VirtualClock, which returns at once and
// records every wait so that a test can assert the exact sequence of waits.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace solune {

class Clock {
  public:
    virtual ~Clock() = default;

    // Blocks the calling thread for `duration` (a real clock) or records it and
    // returns at once (a virtual clock). A negative or zero duration returns at once.
    virtual void Sleep(std::chrono::milliseconds duration) = 0;

    // Milliseconds since an arbitrary start, in 32 bits: it wraps after about 49.7
    // days, so callers take differences as unsigned 32-bit values.
    virtual std::uint32_t TickCount() = 0;
};

// The system's steady clock. Safe to share between threads.
class RealClock final : public Clock {
  public:
    void Sleep(std::chrono::milliseconds duration) override;
    std::uint32_t TickCount() override;

    // The process-wide real clock (never destroyed).
    static RealClock& Instance();
};

// A clock for tests. Sleep(d) appends d to Waits(), moves the tick count on by d
// and calls the wait observer, if one is set, after that. Advance() moves the tick
// count without recording a wait. Safe to share between threads; the observer is
// called without the clock's lock held, so it may use the clock.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(std::uint32_t startTick = 0) : m_tick(startTick) {}

    void Sleep(std::chrono::milliseconds duration) override;
    std::uint32_t TickCount() override;

    void Advance(std::chrono::milliseconds duration);
    void SetTickCount(std::uint32_t tick);

    // Every wait so far, in milliseconds, in the order taken (zero and negative
    // durations included, as asked for).
    std::vector<std::int64_t> Waits() const;
    // The sum of Waits().
    std::int64_t TotalWaited() const;
    void ClearWaits();

    // Called after each Sleep with its duration: lets a test change the world while
    // the code under test waits (a device arriving, a mouse answering later).
    void SetWaitObserver(std::function<void(std::chrono::milliseconds)> observer);

  private:
    mutable std::mutex m_mutex;
    std::uint32_t m_tick;
    std::vector<std::int64_t> m_waits;
    std::function<void(std::chrono::milliseconds)> m_observer;
};

}  // namespace solune
