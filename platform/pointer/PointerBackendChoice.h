#pragma once
// Which desktop pointer-settings backend a session gets, decided from its
// environment alone (so the decision can be tested without a desktop).
//
//   SOLUNE300_POINTER_BACKEND = gsettings | x11 | none   that backend only
//   a desktop of GNOME's family (XDG_CURRENT_DESKTOP names GNOME, GNOME-...,
//     Budgie or Pantheon)                                GSettings, then X11 on
//                                                        an X11 session
//   a Wayland session (WAYLAND_DISPLAY set, or
//     XDG_SESSION_TYPE=wayland)                          none
//   an X11 session (DISPLAY set)                         X11
//   anything else                                        none
// A backend that cannot be opened (schema missing, no X display) is passed
// over for the next one; when none is left, nothing is changed.

#include <string>
#include <vector>

namespace solune {

enum class PointerBackendKind { GSettings, X11, None };

struct DesktopSession {
    std::string forcedBackend;    // SOLUNE300_POINTER_BACKEND
    std::string currentDesktop;   // XDG_CURRENT_DESKTOP, colon-separated names
    std::string sessionType;      // XDG_SESSION_TYPE
    bool waylandDisplay = false;  // WAYLAND_DISPLAY is set
    bool x11Display = false;      // DISPLAY is set
};

// The session described by this process's environment.
DesktopSession DesktopSessionFromEnvironment();

// The backends to try, in order; the last is always None. An unknown value of
// SOLUNE300_POINTER_BACKEND is passed over as if it were unset.
std::vector<PointerBackendKind> PointerBackendOrder(const DesktopSession& session);

}  // namespace solune
