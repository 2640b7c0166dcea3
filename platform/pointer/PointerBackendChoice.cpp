#include "platform/pointer/PointerBackendChoice.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace solune {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// GNOME and the desktops that keep their mouse settings in GNOME's schema.
bool isGnomeFamily(std::string_view desktops) {
    static constexpr std::array<std::string_view, 3> kRelatives{"GNOME", "Budgie", "Pantheon"};
    while (!desktops.empty()) {
        const std::size_t colon = desktops.find(':');
        const std::string_view name = desktops.substr(0, colon);
        for (std::string_view relative : kRelatives) {
            if (name == relative) {
                return true;
            }
        }
        if (name.rfind("GNOME-", 0) == 0) {
            return true;  // GNOME-Flashback, GNOME-Classic
        }
        desktops =
            colon == std::string_view::npos ? std::string_view() : desktops.substr(colon + 1);
    }
    return false;
}

}  // namespace

DesktopSession DesktopSessionFromEnvironment() {
    DesktopSession session;
    session.forcedBackend = environment("SOLUNE300_POINTER_BACKEND");
    session.currentDesktop = environment("XDG_CURRENT_DESKTOP");
    session.sessionType = environment("XDG_SESSION_TYPE");
    session.waylandDisplay = !environment("WAYLAND_DISPLAY").empty();
    session.x11Display = !environment("DISPLAY").empty();
    return session;
}

std::vector<PointerBackendKind> PointerBackendOrder(const DesktopSession& session) {
    using Kind = PointerBackendKind;
    if (session.forcedBackend == "gsettings") {
        return {Kind::GSettings, Kind::None};
    }
    if (session.forcedBackend == "x11") {
        return {Kind::X11, Kind::None};
    }
    if (session.forcedBackend == "none") {
        return {Kind::None};
    }
    const bool wayland = session.waylandDisplay || session.sessionType == "wayland";
    const bool x11 = !wayland && session.x11Display;
    std::vector<Kind> order;
    if (isGnomeFamily(session.currentDesktop)) {
        order.push_back(Kind::GSettings);
    }
    if (x11) {
        order.push_back(Kind::X11);
    }
    order.push_back(Kind::None);
    return order;
}

}  // namespace solune
