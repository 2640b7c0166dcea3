// vesk-screenshots: pictures of the main window on each of its five pages, as
// PNG files in the folder given on the command line ("vesk-buttons.png",
// "vesk-sensor.png", "vesk-lighting.png", "vesk-macros.png",
// "vesk-support.png"). scripts/vesk-screenshots.sh runs it offscreen against
// a virtual mouse and writes the README's pictures.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "config/app/CVESKDlg.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vesk-screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    solune::CVESKDlg window(solune::VeskEnvironment::ForProgram());
    window.OnInitDialog();
    window.show();
    QCoreApplication::processEvents();
    const char* names[] = {"buttons", "sensor", "lighting", "macros", "support"};
    int written = 0;
    for (int page = 0; page < 5; ++page) {
        window.ShowPage(page);
        QCoreApplication::processEvents();
        const QString file = folder + QStringLiteral("/vesk-%1.png").arg(names[page]);
        if (window.grab().toImage().save(file)) {
            std::printf("%s\n", qPrintable(file));
            ++written;
        }
    }
    window.ExitProgram(solune::CVESKDlg::ExitRequest::FromSystem);
    return written == 5 ? 0 : 1;
}
