#pragma once
// The key-capture source the program uses, chosen at run time:
//   - "X11 desktop-wide" (X11KeySource) when the program runs on X11 (Qt's
//     platform "xcb") and the display offers XInput 2, so that keys typed into
//     any window are seen, as the macro recorder needs;
//   - "in-application" (InAppKeySource) otherwise: Wayland, the offscreen
//     platform, or an X display without XI2.
// The source's Name() tells which was chosen; `why`, when given, receives the
// reason for falling back to the in-application source (empty otherwise).
//
// Needs a QGuiApplication; the source is used on its thread.

#include <memory>
#include <string>

#include "config/keycapture/KeyEventSource.h"

namespace solune {

std::unique_ptr<KeyEventSource> MakeKeyEventSource(std::string* why = nullptr);

}  // namespace solune
