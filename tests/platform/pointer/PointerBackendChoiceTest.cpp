// The backend order for each kind of session, from its environment.

#include "platform/pointer/PointerBackendChoice.h"

#include <gtest/gtest.h>

namespace solune {
namespace {

using Kind = PointerBackendKind;

struct ChoiceCase {
    const char* what;
    DesktopSession session;
    std::vector<Kind> order;
};

TEST(PointerBackendChoice, EachSessionGetsItsBackends) {
    const std::vector<ChoiceCase> cases = {
        {"GNOME on Wayland", {"", "GNOME", "wayland", true, true}, {Kind::GSettings, Kind::None}},
        {"GNOME on X11",
         {"", "GNOME", "x11", false, true},
         {Kind::GSettings, Kind::X11, Kind::None}},
        {"Ubuntu's GNOME",
         {"", "ubuntu:GNOME", "wayland", true, true},
         {Kind::GSettings, Kind::None}},
        {"GNOME Flashback",
         {"", "GNOME-Flashback:GNOME", "x11", false, true},
         {Kind::GSettings, Kind::X11, Kind::None}},
        {"GNOME Classic alone",
         {"", "GNOME-Classic", "x11", false, true},
         {Kind::GSettings, Kind::X11, Kind::None}},
        {"Budgie",
         {"", "Budgie:GNOME", "x11", false, true},
         {Kind::GSettings, Kind::X11, Kind::None}},
        {"Pantheon", {"", "Pantheon", "wayland", false, false}, {Kind::GSettings, Kind::None}},
        {"KDE on Wayland (XWayland's DISPLAY)", {"", "KDE", "wayland", true, true}, {Kind::None}},
        {"Sway without a session type", {"", "sway", "", true, true}, {Kind::None}},
        {"Xfce on X11", {"", "XFCE", "x11", false, true}, {Kind::X11, Kind::None}},
        {"a window manager without a desktop name",
         {"", "", "", false, true},
         {Kind::X11, Kind::None}},
        {"a console", {"", "", "tty", false, false}, {Kind::None}},
        {"a name that only contains GNOME",
         {"", "NotGNOME", "x11", false, true},
         {Kind::X11, Kind::None}},
        {"forced GSettings",
         {"gsettings", "KDE", "wayland", true, true},
         {Kind::GSettings, Kind::None}},
        {"forced X11", {"x11", "GNOME", "wayland", true, true}, {Kind::X11, Kind::None}},
        {"forced none", {"none", "GNOME", "x11", false, true}, {Kind::None}},
        {"an unknown forced name", {"kde", "XFCE", "x11", false, true}, {Kind::X11, Kind::None}},
    };
    for (const ChoiceCase& c : cases) {
        EXPECT_EQ(PointerBackendOrder(c.session), c.order) << c.what;
    }
}

TEST(PointerBackendChoice, TheSessionIsReadFromTheEnvironment) {
    ::setenv("SOLUNE300_POINTER_BACKEND", "x11", 1);
    ::setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
    ::setenv("XDG_SESSION_TYPE", "wayland", 1);
    ::setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    ::unsetenv("DISPLAY");
    const DesktopSession session = DesktopSessionFromEnvironment();
    EXPECT_EQ(session.forcedBackend, "x11");
    EXPECT_EQ(session.currentDesktop, "ubuntu:GNOME");
    EXPECT_EQ(session.sessionType, "wayland");
    EXPECT_TRUE(session.waylandDisplay);
    EXPECT_FALSE(session.x11Display);
}

}  // namespace
}  // namespace solune
