// skin-gallery: contact sheets of every skin picture, for reviewing the look.
//
//   skin-gallery <configuration skin folder> <updater skin folder> <output folder>
//
// Writes one PNG per family (every state side by side), one per updater
// screen, and "Pieces.png" (slider thumbs, scroll pictures, colour panel, the
// mouse picture alone and as the lighting preview shows it, the surface scale
// and the analysis frames). A picture missing from the skin folders shows as a
// red "missing" box and makes the exit status 1; 2 for bad arguments or an
// output folder that cannot be written.

#include <QGuiApplication>
#include <iostream>

#include "tools/skin-gallery/GallerySheet.h"
#include "tools/skingen/ExtraPictures.h"
#include "tools/skingen/SkinFamily.h"

namespace {

using solune::gallery::SheetEntry;
namespace fs = std::filesystem;

struct Gallery {
    fs::path out;
    int missing = 0;
    bool failed = false;

    SheetEntry Entry(const fs::path& folder, const std::string& file) {
        SheetEntry e{file, solune::gallery::LoadPicture(folder, file)};
        if (e.image.isNull()) {
            std::cerr << "skin-gallery: missing " << (folder / file).string() << "\n";
            ++missing;
        }
        return e;
    }

    void Write(const std::string& name, const std::vector<SheetEntry>& entries, int columns) {
        const fs::path file = out / (name + ".png");
        if (!solune::gallery::ComposeSheet(name, entries, columns)
                 .save(QString::fromStdString(file.string()), "PNG")) {
            std::cerr << "skin-gallery: cannot write " << file.string() << "\n";
            failed = true;
        }
    }

    void Families(const std::vector<solune::skinart::SkinFamily>& families,
                  const fs::path& folder) {
        for (const auto& family : families) {
            std::vector<SheetEntry> entries;
            if (!family.backgroundFile.empty()) {
                entries.push_back(Entry(folder, family.backgroundFile));
            }
            for (const std::string& file : family.stateFiles) {
                entries.push_back(Entry(folder, file));
            }
            Write(family.name, entries, family.size.width() > 500 ? 2 : 3);
        }
    }

    void Pieces(const fs::path& folder) {
        std::vector<SheetEntry> entries;
        for (const auto& list :
             {solune::skinart::SliderPictures(), solune::skinart::ScrollPictures(),
              std::vector{solune::skinart::ColorPanelPicture(), solune::skinart::MousePicture()},
              solune::skinart::SurfacePictures(), solune::skinart::AnalysisFrames()}) {
            for (const auto& picture : list) {
                entries.push_back(Entry(folder, picture.file));
            }
        }
        const QImage mouse = solune::gallery::LoadPicture(folder, "Mouse.png");
        entries.push_back({"Mouse.png in the preview",
                           solune::gallery::PreviewWithZones(mouse, 0xFFFF2010, 0xFF20A0FF)});
        Write("Pieces", entries, 5);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: skin-gallery <configuration skin folder> <updater skin folder> "
                     "<output folder>\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    Gallery gallery;
    gallery.out = argv[3];
    std::error_code ec;
    fs::create_directories(gallery.out, ec);
    if (ec) {
        std::cerr << "skin-gallery: cannot create " << gallery.out.string() << "\n";
        return 2;
    }
    gallery.Families(solune::skinart::ConfigFamilies(), argv[1]);
    gallery.Pieces(argv[1]);
    gallery.Families(solune::skinart::UpdaterFamilies(), argv[2]);
    if (gallery.failed) {
        return 2;
    }
    return gallery.missing > 0 ? 1 : 0;
}
