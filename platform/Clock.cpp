#include "platform/Clock.h"

#include <numeric>
#include <thread>

namespace solune {

void RealClock::Sleep(std::chrono::milliseconds duration) {
    if (duration.count() > 0) {
        std::this_thread::sleep_for(duration);
    }
}

std::uint32_t RealClock::TickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

RealClock& RealClock::Instance() {
    static RealClock* clock = new RealClock;
    return *clock;
}

void VirtualClock::Sleep(std::chrono::milliseconds duration) {
    std::function<void(std::chrono::milliseconds)> observer;
    {
        std::lock_guard lock(m_mutex);
        m_waits.push_back(duration.count());
        if (duration.count() > 0) {
            m_tick += static_cast<std::uint32_t>(duration.count());
        }
        observer = m_observer;
    }
    if (observer) {
        observer(duration);
    }
}

std::uint32_t VirtualClock::TickCount() {
    std::lock_guard lock(m_mutex);
    return m_tick;
}

void VirtualClock::Advance(std::chrono::milliseconds duration) {
    std::lock_guard lock(m_mutex);
    m_tick += static_cast<std::uint32_t>(duration.count());
}

void VirtualClock::SetTickCount(std::uint32_t tick) {
    std::lock_guard lock(m_mutex);
    m_tick = tick;
}

std::vector<std::int64_t> VirtualClock::Waits() const {
    std::lock_guard lock(m_mutex);
    return m_waits;
}

std::int64_t VirtualClock::TotalWaited() const {
    std::lock_guard lock(m_mutex);
    return std::accumulate(m_waits.begin(), m_waits.end(), std::int64_t{0});
}

void VirtualClock::ClearWaits() {
    std::lock_guard lock(m_mutex);
    m_waits.clear();
}

void VirtualClock::SetWaitObserver(std::function<void(std::chrono::milliseconds)> observer) {
    std::lock_guard lock(m_mutex);
    m_observer = std::move(observer);
}

}  // namespace solune
