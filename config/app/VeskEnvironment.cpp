#include "config/app/VeskEnvironment.h"

#include <QSystemTrayIcon>

#include "config/app/QtFileDialogs.h"
#include "config/app/RealPages.h"
#include "config/keycapture/KeyEventSourceFactory.h"
#include "devicechoice/DeviceChoice.h"
#include "platform/Folders.h"
#include "platform/pointer/ChooseDesktopPointerSettings.h"
#include "config/pages/SkinMessageSink.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {

VeskEnvironment VeskEnvironment::ForProgram() {
    VeskEnvironment env;
    env.programFolder = ProgramFolder();
    env.skinFolder = SkinLibrary::DefaultSkinFolder();
    env.userDataFolder = UserDataFolder();
    env.makeBackend = [] { return CreateSystemHidBackend(); };
    env.clock = &RealClock::Instance();
    env.messages = std::make_unique<SkinMessageSink>(QStringLiteral("VESK"));
    env.pointer = ChooseDesktopPointerSettings();
    env.fileDialogs = std::make_unique<QtFileDialogs>();
    env.keys = MakeKeyEventSource(&env.keysReason);
    env.makePages = MakeRealPages;
    env.confirmReset = ConfirmResetWithPopUp;
    env.rename = RenameWithDialog;
    env.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return env;
}

}  // namespace solune
