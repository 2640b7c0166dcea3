#pragma once
// Key capture inside this program only: an application-wide event filter that
// sees every key press and release that reaches one of the program's windows,
// on any platform (Wayland, the offscreen platform, X11 without XI2). Keys
// typed into other programs are not seen.
//
// A key event is counted once, where it first arrives: at the window that has
// the keyboard focus (the event then travels on to the focused widget
// unchanged; the filter never stops it). Auto-repeat arrives as repeated
// presses: the repeated releases that some platforms send between them are
// left out. Keys without a virtual-key code are dropped.
//
// Needs a QGuiApplication; used on its thread.

#include <QObject>
#include <memory>

#include "config/keycapture/KeyEventSource.h"

namespace solune {

class InAppKeySource final : public KeyEventSource {
  public:
    InAppKeySource();
    ~InAppKeySource() override;

    bool Start(Listener listener) override;
    void Stop() override;
    std::string_view Name() const override { return "in-application"; }

  private:
    class Filter;
    std::unique_ptr<Filter> m_filter;
};

}  // namespace solune
