#pragma once
// The desktop pointer-settings backend of this session, chosen at run time
// (PointerBackendChoice.h): GSettings on GNOME-like desktops, the X server's
// pointer control on other X11 sessions, none elsewhere. Name() says which.

#include <memory>

#include "platform/pointer/DesktopPointerSettings.h"

namespace solune {

// Never null: with no usable backend, one that changes nothing ("none").
std::unique_ptr<DesktopPointerSettings> ChooseDesktopPointerSettings();

}  // namespace solune
