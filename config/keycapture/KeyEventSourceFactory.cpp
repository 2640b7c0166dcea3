#include "config/keycapture/KeyEventSourceFactory.h"

#include <QGuiApplication>

#include "config/keycapture/InAppKeySource.h"
#include "config/keycapture/X11KeySource.h"

namespace solune {

std::unique_ptr<KeyEventSource> MakeKeyEventSource(std::string* why) {
    std::string reason;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto x11 = std::make_unique<X11KeySource>();
        if (x11->Open({}, &reason)) {
            if (why != nullptr) {
                why->clear();
            }
            return x11;
        }
    } else {
        reason =
            "not running on X11 (platform " + QGuiApplication::platformName().toStdString() + ")";
    }
    if (why != nullptr) {
        *why = reason;
    }
    return std::make_unique<InAppKeySource>();
}

}  // namespace solune
