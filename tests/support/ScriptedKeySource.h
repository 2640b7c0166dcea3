#pragma once
// A key source for tests: the test plays key events, and they reach the
// current listener at once, on the calling (GUI) thread.

#include <utility>

#include "config/keycapture/KeyEventSource.h"

namespace solune {

class ScriptedKeySource final : public KeyEventSource {
  public:
    // When set, Start() fails, as a capture that cannot start would.
    bool failStart = false;
    // How often Start() was called, and whether a listener is active now.
    int starts = 0;

    bool Start(Listener listener) override {
        ++starts;
        if (failStart) {
            return false;
        }
        m_listener = std::move(listener);
        return true;
    }
    void Stop() override { m_listener = nullptr; }
    std::string_view Name() const override { return "scripted"; }

    bool listening() const { return static_cast<bool>(m_listener); }

    // Delivers one event to the listener, if any.
    void Play(std::uint32_t virtualKey, bool released) {
        if (m_listener) {
            m_listener(virtualKey, released);
        }
    }
    // A press followed by a release.
    void Tap(std::uint32_t virtualKey) {
        Play(virtualKey, false);
        Play(virtualKey, true);
    }

  private:
    Listener m_listener;
};

}  // namespace solune
