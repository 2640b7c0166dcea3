#include "config/app/CVESKApp.h"

#include <QApplication>

#include "config/app/CVESKDlg.h"
#include "config/app/TerminationSignals.h"
#include "platform/SingleInstance.h"

namespace solune {

int CVESKApp::Run(int argc, char** argv) {
    SingleInstance::AskToShow(kVeskInstanceName);
    std::unique_ptr<SingleInstance> instance = SingleInstance::Acquire(kVeskInstanceName);
    if (!instance) {
        return 0;
    }
    const int signalDescriptor = TerminationSignals::Install();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VESK"));
    // Hiding the window leaves the program running in the notification area.
    QApplication::setQuitOnLastWindowClosed(false);
    CVESKDlg window(VeskEnvironment::ForProgram());
    window.OnInitDialog();
    window.WatchShowRequests(instance->RequestDescriptor(),
                             [&instance] { return instance->TakeShowRequests(); });
    window.WatchTerminationSignals(signalDescriptor);
    window.show();
    return app.exec();
}

}  // namespace solune
