// skingen: draws every skin picture of both programs, or their desktop icons.
//
//   skingen <configuration skin folder> <updater skin folder>
//   skingen --icons <icon theme folder> <configuration icon name> <updater icon name>
//
// The build runs it with QT_QPA_PLATFORM=offscreen and passes the
// "SOLUNE300_Skins" folder beside VESK and the "SOLUNE300Updater_Skins" folder
// beside W38Updater, and each folder gets every picture at every scale of
// PictureScales.h ("NAME.bmp", "NAME@2x.bmp"); with --icons it writes
// "<N>x<N>/apps/<name>.png" and "<N>x<N>@2/apps/<name>.png" at every size of
// ProgramIcons.h. Exit status 0 when every picture was written, 1 on a
// write failure, 2 on bad arguments.

#include <QGuiApplication>
#include <iostream>
#include <string_view>

#include "shared/layout/PictureScales.h"
#include "tools/skingen/ProgramIcons.h"
#include "tools/skingen/SkinSet.h"

namespace {

// Every scale's set of both folders, one scale after the other.
bool writeSkins(const char* configFolder, const char* updaterFolder, std::string& error) {
    using namespace solune::skinart;
    for (int scale : solune::layout::kPictureScales) {
        if (!WritePictures(ConfigPictures(scale), configFolder, error) ||
            !WritePictures(UpdaterPictures(scale), updaterFolder, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool icons = argc == 5 && std::string_view(argv[1]) == "--icons";
    if (argc != 3 && !icons) {
        std::cerr << "usage: skingen <configuration skin folder> <updater skin folder>\n"
                     "       skingen --icons <icon theme folder> <configuration icon name> "
                     "<updater icon name>\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    std::string error;
    const bool written = icons
                             ? solune::skinart::WriteProgramIcons(argv[2], argv[3], argv[4], error)
                             : writeSkins(argv[1], argv[2], error);
    if (!written) {
        std::cerr << "skingen: " << error << "\n";
        return 1;
    }
    return 0;
}
