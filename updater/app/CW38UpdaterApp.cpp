#include "updater/app/CW38UpdaterApp.h"

#include <QApplication>
#include <iostream>

#include "platform/DataFolderFiles.h"
#include "platform/DataFolderOwner.h"
#include "platform/Folders.h"
#include "platform/InstanceRefusal.h"
#include "platform/ProgramArguments.h"
#include "platform/ProgramInstances.h"
#include "platform/SingleInstance.h"
#include "shared/skin/SkinAccessibility.h"
#include "updater/app/CW38UpdaterDlg.h"
#include "updater/app/UpdaterArguments.h"
#include "updater/app/UpdaterEnvironment.h"

namespace solune {

namespace {

// The arguments after the program's name, without Qt's own options.
std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(all[i].toStdString());
    }
    return arguments;
}

}  // namespace

int CW38UpdaterApp::Run(int argc, char** argv) {
    if (AsksForUsage(argc, argv)) {
        std::cout << kUpdaterUsage;
        return 0;
    }
    // Before anything is made or shown: another user's data folder is never used.
    if (const std::string problem = DataFolderOwnerProblem(SoluneDataFolder(), "W38Updater");
        !problem.empty()) {
        std::cerr << problem << std::endl;
        return 1;
    }
    // Taken before anything is shown, so a second copy never opens a window.
    std::unique_ptr<SingleInstance> instance = SingleInstance::Acquire(kUpdaterInstanceName);
    if (!instance) {
        std::cerr << InstanceRefusalText(kUpdaterInstanceName, "W38Updater", false) << std::endl;
        // Another copy running is a normal end; a folder that cannot hold the
        // lock is a failure.
        return SingleInstance::IsHeld(kUpdaterInstanceName) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("W38Updater"));
    InstallSkinAccessibility();
    // Its menu entry (packaging/), so the desktop shows that entry's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.dravik.solune300.w38updater"));
    const UpdaterArguments arguments = ParseUpdaterArguments(programArguments(), ProgramFolder());
    if (arguments.action != UpdaterArguments::Action::Run) {
        std::cerr << kUpdaterUsage;
        return 2;
    }
    UpdaterEnvironment env = UpdaterEnvironment::ForProgram();
    env.packageFolder = arguments.packageFolder;
    CW38UpdaterDlg window(std::move(env));
    window.Initialize();
    window.DoModal();
    return 0;
}

}  // namespace solune
