#include "platform/keys/XInputKeyReader.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

#include <array>

#include "platform/keys/KeysymToVirtualKey.h"

namespace solune {

namespace {

void SetWhy(std::string* why, const char* text) {
    if (why != nullptr) {
        *why = text;
    }
}

}  // namespace

XInputKeyReader::~XInputKeyReader() {
    Close();
}

bool XInputKeyReader::Open(const std::string& displayName, std::string* why) {
    Close();
    Display* display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (display == nullptr) {
        SetWhy(why, "no X display");
        return false;
    }
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", &m_xiOpcode, &event, &error)) {
        XCloseDisplay(display);
        SetWhy(why, "no X Input extension");
        return false;
    }
    int major = 2;
    int minor = 2;
    if (XIQueryVersion(display, &major, &minor) != Success || major < 2) {
        XCloseDisplay(display);
        SetWhy(why, "X Input 2 not available");
        return false;
    }
    int xkbOpcode = 0;
    int xkbError = 0;
    int xkbMajor = XkbMajorVersion;
    int xkbMinor = XkbMinorVersion;
    if (XkbQueryExtension(display, &xkbOpcode, &m_xkbEventBase, &xkbError, &xkbMajor, &xkbMinor)) {
        // Keep the key map current when the keyboard or its layout changes.
        XkbSelectEvents(display, XkbUseCoreKbd, XkbMapNotifyMask | XkbNewKeyboardNotifyMask,
                        XkbMapNotifyMask | XkbNewKeyboardNotifyMask);
    } else {
        m_xkbEventBase = -1;
    }
    m_display = display;
    return true;
}

bool XInputKeyReader::Select(bool on) {
    if (m_display == nullptr) {
        return false;
    }
    std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
    if (on) {
        XISetMask(bits.data(), XI_RawKeyPress);
        XISetMask(bits.data(), XI_RawKeyRelease);
    }
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = static_cast<int>(bits.size());
    mask.mask = bits.data();
    XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
    // A round trip, so that keys typed from now on are reported.
    XSync(m_display, False);
    return true;
}

int XInputKeyReader::Descriptor() const {
    return m_display != nullptr ? ConnectionNumber(m_display) : -1;
}

void XInputKeyReader::ReadPending(const Sink& sink) {
    if (m_display == nullptr) {
        return;
    }
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (m_xkbEventBase >= 0 && event.type == m_xkbEventBase) {
            auto* xkb = reinterpret_cast<XkbEvent*>(&event);
            if (xkb->any.xkb_type == XkbMapNotify) {
                XkbRefreshKeyboardMapping(&xkb->map);
            }
            continue;
        }
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_xiOpcode ||
            !XGetEventData(m_display, cookie)) {
            continue;
        }
        const bool press = cookie->evtype == XI_RawKeyPress;
        const bool release = cookie->evtype == XI_RawKeyRelease;
        const unsigned keycode =
            static_cast<unsigned>(static_cast<XIRawEvent*>(cookie->data)->detail);
        XFreeEventData(m_display, cookie);
        if (!press && !release) {
            continue;
        }
        const std::uint32_t key = VirtualKeyOf(keycode);
        if (key != 0 && sink) {
            sink(key, release);
        }
    }
}

std::uint32_t XInputKeyReader::VirtualKeyOf(unsigned keycode) {
    const auto code = static_cast<KeyCode>(keycode);
    KeySym keysym = XkbKeycodeToKeysym(m_display, code, 0, 0);
    if (IsNumLockKeypadKeysym(static_cast<std::uint32_t>(keysym)) && NumLockOn()) {
        keysym = XkbKeycodeToKeysym(m_display, code, 0, 1);
    }
    return KeysymToVirtualKey(static_cast<std::uint32_t>(keysym));
}

bool XInputKeyReader::NumLockOn() {
    XkbStateRec state;
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success) {
        return false;
    }
    const unsigned mask = XkbKeysymToModifiers(m_display, XK_Num_Lock);
    return mask != 0 && (state.locked_mods & mask) != 0;
}

void XInputKeyReader::Close() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
}

}  // namespace solune
