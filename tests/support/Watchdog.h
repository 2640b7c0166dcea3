#pragma once
// Ends the test program with a message when a step that could deadlock takes
// longer than it ever should, so that the fault shows as a failure at once
// instead of as a test that hangs until CTest's timeout.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace solune::test {

class Watchdog {
  public:
    Watchdog(std::chrono::seconds limit, std::string what)
        : m_thread([this, limit, what = std::move(what)] {
              std::unique_lock lock(m_mutex);
              if (!m_stopped.wait_for(lock, limit, [this] { return m_done; })) {
                  std::fprintf(stderr, "Watchdog: still waiting after %lld s: %s\n",
                               static_cast<long long>(limit.count()), what.c_str());
                  std::_Exit(1);
              }
          }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_stopped.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_done = false;
    std::thread m_thread;  // last: starts once the members above exist
};

}  // namespace solune::test
