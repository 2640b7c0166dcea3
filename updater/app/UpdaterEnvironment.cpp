#include "updater/app/UpdaterEnvironment.h"

#include <QApplication>
#include <QString>

#include "devicechoice/DeviceChoice.h"
#include "platform/DataFolderFiles.h"
#include "platform/Folders.h"
#include "platform/ProgramInstances.h"
#include "platform/SingleInstance.h"
#include "shared/layout/UpdaterScreenLayout.h"
#include "shared/skin/SkinMessageBox.h"
#include "updater/log/CLOG.h"

namespace solune {

UpdaterEnvironment UpdaterEnvironment::ForProgram() {
    UpdaterEnvironment env(RealClock::Instance());
    const std::filesystem::path folder = ProgramFolder();
    env.packageFolder = folder;
    env.skinFolder = folder / std::string(layout::kUpdaterSkinFolder);
    // The font lives in "Updater_Skins", the pictures in "SOLUNE300Updater_Skins".
    env.fontFile = folder / "Updater_Skins" / "NeoSans-Light.otf";
    env.logFile = LogFilePath();
    env.logRoot = SoluneDataFolder();
    env.makeBackend = [] { return CreateSystemHidBackend(); };
    env.configProgramRunning = [] { return SingleInstance::IsHeld(kVeskInstanceName); };
    env.showMessageBox = [](const std::string& caption, const std::string& text) {
        // A box in the skin's dark look with one OK button, over the window.
        SkinMessageBox box(QString::fromStdString(caption), QString::fromStdString(text),
                           QApplication::activeWindow());
        box.DoModal();
    };
    return env;
}

}  // namespace solune
