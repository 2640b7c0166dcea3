#include "config/app/CVESKApp.h"

#include <QApplication>
#include <iostream>
#include <string>

#include "config/app/CVESKDlg.h"
#include "config/app/TerminationSignals.h"
#include "platform/DataFolderFiles.h"
#include "platform/DataFolderOwner.h"
#include "platform/InstanceRefusal.h"
#include "platform/ProgramArguments.h"
#include "platform/SingleInstance.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {

namespace {

// What follows the program's name, Qt's own arguments taken out: nothing, or
// "--hidden"; anything else is refused.
enum class StartMode { Shown, Hidden, Refused };

StartMode StartModeOf(const QStringList& arguments) {
    if (arguments.size() <= 1) {
        return StartMode::Shown;
    }
    if (arguments.size() == 2 && arguments[1] == QLatin1String("--hidden")) {
        return StartMode::Hidden;
    }
    return StartMode::Refused;
}

// One line on the error stream: which key-capture source runs, and why the
// desktop-wide one could not.
void reportKeyCapture(const VeskEnvironment& env) {
    std::cerr << "VESK: key capture: "
              << (env.keys ? std::string(env.keys->Name()) : std::string("none"));
    if (!env.keysReason.empty()) {
        std::cerr << " (" << env.keysReason << ")";
    }
    std::cerr << std::endl;
}

}  // namespace

int CVESKApp::Run(int argc, char** argv) {
    if (AsksForUsage(argc, argv)) {
        std::cout << kVeskUsage;
        return 0;
    }
    // Before anything is made or shown: another user's data folder is never used.
    if (const std::string problem = DataFolderOwnerProblem(SoluneDataFolder(), "VESK");
        !problem.empty()) {
        std::cerr << problem << std::endl;
        return 1;
    }
    const bool windowAsked = SingleInstance::AskToShow(kVeskInstanceName);
    std::unique_ptr<SingleInstance> instance = SingleInstance::Acquire(kVeskInstanceName);
    if (!instance) {
        std::cerr << InstanceRefusalText(kVeskInstanceName, "VESK", windowAsked) << std::endl;
        // Another copy running is a normal end; a folder that cannot hold the
        // lock is a failure.
        return SingleInstance::IsHeld(kVeskInstanceName) ? 0 : 1;
    }
    const int signalDescriptor = TerminationSignals::Install();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VESK"));
    InstallSkinAccessibility();
    // Hiding the window leaves the program running in the notification area.
    QApplication::setQuitOnLastWindowClosed(false);
    const StartMode mode = StartModeOf(QCoreApplication::arguments());
    if (mode == StartMode::Refused) {
        std::cerr << kVeskUsage;
        return 2;
    }
    VeskEnvironment env = VeskEnvironment::ForProgram();
    reportKeyCapture(env);
    CVESKDlg window(std::move(env));
    window.OnInitDialog();
    window.WatchShowRequests(instance->RequestDescriptor(),
                             [&instance] { return instance->TakeShowRequests(); });
    window.WatchTerminationSignals(signalDescriptor);
    if (mode == StartMode::Hidden) {
        window.StartHidden();
    } else {
        window.show();
    }
    return app.exec();
}

}  // namespace solune
