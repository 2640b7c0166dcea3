// vesk-screenshots: pictures of the main window on each of its five pages, as
// PNG files in the folder given on the command line ("vesk-buttons.png",
// "vesk-sensor.png", "vesk-lighting.png", "vesk-macros.png",
// "vesk-support.png"). scripts/vesk-screenshots.sh runs it offscreen against
// a virtual mouse and writes the README's pictures. With a second folder it
// also writes the close-ups of ScreenshotCrops there.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "config/app/CVESKDlg.h"
#include "config/app/ScreenshotCrops.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vesk-screenshots OUTPUT-FOLDER [CROP-FOLDER]\n");
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
    bool cropsWritten = true;
    if (argc == 3) {
        const QString crops = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(crops);
        cropsWritten = solune::WriteScreenshotCrops(window, crops) > 0;
    }
    window.ExitProgram(solune::CVESKDlg::ExitRequest::FromSystem);
    return written == 5 && cropsWritten ? 0 : 1;
}
