#pragma once
// Key capture: the keyboard's key events, as (virtual-key code, released)
// pairs, delivered in order on the GUI thread. A source only watches: it never
// consumes a key, so every key still reaches the window it was typed into.
//
// The key-capture pop-up and the macro recorder listen through this interface.
// As with one process-wide keyboard hook, only the latest listener hears the
// keys: Start() replaces any listener set before.

#include <cstdint>
#include <functional>
#include <string_view>

namespace solune {

class KeyEventSource {
  public:
    // `virtualKey` is a Windows virtual-key code 1 ... 255 (never 0);
    // `released` is true for a key release, false for a press (auto-repeat
    // arrives as repeated presses).
    using Listener = std::function<void(std::uint32_t virtualKey, bool released)>;

    virtual ~KeyEventSource() = default;

    // Starts delivering to `listener`, replacing an earlier one. False when
    // capture cannot start; nothing is delivered then.
    virtual bool Start(Listener listener) = 0;
    // Stops delivering; harmless when not started.
    virtual void Stop() = 0;
    // What the source watches, for the program's log and --help
    // ("X11 desktop-wide", "in-application", "scripted").
    virtual std::string_view Name() const = 0;
};

}  // namespace solune
