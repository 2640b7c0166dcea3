#pragma once
// Desktop-wide key capture on X11: the raw key events of XInput 2 from every
// window of the display (XInputKeyReader, over a connection of its own), read
// on the GUI thread whenever that connection has input (QSocketNotifier).
// Keys typed into other programs are seen, and still reach them.
//
// Open() connects and checks XI2 once; Start() selects the raw key events and
// Stop() deselects them, so no events queue up while nobody listens.

#include <QSocketNotifier>
#include <memory>
#include <string>

#include "config/keycapture/KeyEventSource.h"
#include "platform/keys/XInputKeyReader.h"

namespace solune {

class X11KeySource final : public KeyEventSource {
  public:
    X11KeySource() = default;
    ~X11KeySource() override;

    // Connects to `displayName` (empty: $DISPLAY). False when there is no X
    // display or it lacks XI2; `why` then says which.
    bool Open(const std::string& displayName = {}, std::string* why = nullptr);

    bool Start(Listener listener) override;
    void Stop() override;
    std::string_view Name() const override { return "X11 desktop-wide"; }

  private:
    void ReadKeys();

    XInputKeyReader m_reader;
    std::unique_ptr<QSocketNotifier> m_notifier;
    Listener m_listener;
};

}  // namespace solune
