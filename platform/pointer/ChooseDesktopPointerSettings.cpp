#include "platform/pointer/ChooseDesktopPointerSettings.h"

#include "platform/pointer/GSettingsPointerSettings.h"
#include "platform/pointer/NoDesktopPointerSettings.h"
#include "platform/pointer/PointerBackendChoice.h"
#include "platform/pointer/X11PointerSettings.h"

namespace solune {

namespace {

std::unique_ptr<DesktopPointerSettings> openBackend(PointerBackendKind kind) {
    switch (kind) {
        case PointerBackendKind::GSettings:
            return GSettingsPointerSettings::Create();
        case PointerBackendKind::X11:
            return X11PointerSettings::Open();
        case PointerBackendKind::None:
            break;
    }
    return std::make_unique<NoDesktopPointerSettings>();
}

}  // namespace

std::unique_ptr<DesktopPointerSettings> ChooseDesktopPointerSettings() {
    for (PointerBackendKind kind : PointerBackendOrder(DesktopSessionFromEnvironment())) {
        if (std::unique_ptr<DesktopPointerSettings> backend = openBackend(kind)) {
            return backend;
        }
    }
    return std::make_unique<NoDesktopPointerSettings>();
}

}  // namespace solune
