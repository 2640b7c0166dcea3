// skingen: draws every skin picture of both programs.
//
//   skingen <configuration skin folder> <updater skin folder>
//
// The build runs it with QT_QPA_PLATFORM=offscreen and passes the
// "SOLUNE300_Skins" folder beside VESK and the "SOLUNE300Updater_Skins" folder
// beside W38Updater. Exit status 0 when every picture was written, 1 on a
// write failure, 2 on bad arguments.

#include <QGuiApplication>
#include <iostream>

#include "tools/skingen/SkinSet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: skingen <configuration skin folder> <updater skin folder>\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    std::string error;
    if (!solune::skinart::WritePictures(solune::skinart::ConfigPictures(), argv[1], error) ||
        !solune::skinart::WritePictures(solune::skinart::UpdaterPictures(), argv[2], error)) {
        std::cerr << "skingen: " << error << "\n";
        return 1;
    }
    return 0;
}
