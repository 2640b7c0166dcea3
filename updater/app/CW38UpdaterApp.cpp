#include "updater/app/CW38UpdaterApp.h"

#include <QApplication>

#include "platform/SingleInstance.h"
#include "updater/app/CW38UpdaterDlg.h"
#include "updater/app/UpdaterEnvironment.h"
#include "updater/app/UpdaterFlow.h"

namespace solune {

int CW38UpdaterApp::Run(int argc, char** argv) {
    // Taken before anything is shown, so a second copy never opens a window.
    std::unique_ptr<SingleInstance> instance = SingleInstance::Acquire(kUpdaterInstanceName);
    if (!instance) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("W38Updater"));
    CW38UpdaterDlg window(UpdaterEnvironment::ForProgram());
    window.Initialize();
    window.DoModal();
    return 0;
}

}  // namespace solune
