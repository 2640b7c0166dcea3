#include "tools/skingen/SkinSet.h"

#include <system_error>

#include "shared/layout/PictureScales.h"
#include "tools/skingen/SkinFamily.h"

namespace solune::skinart {
namespace {

void AddFamilies(const std::vector<SkinFamily>& families, int scale,
                 std::vector<NamedPicture>& out) {
    for (const SkinFamily& family : families) {
        if (!family.backgroundFile.empty()) {
            out.push_back(
                {family.backgroundFile, RenderFamilyPicture(family, ArtState::Background, scale)});
        }
        for (std::size_t state = 0; state < family.stateFiles.size(); ++state) {
            out.push_back({family.stateFiles[state],
                           RenderFamilyPicture(family, static_cast<ArtState>(state), scale)});
        }
    }
}

void NameForScale(std::vector<NamedPicture>& pictures, int scale) {
    for (NamedPicture& picture : pictures) {
        picture.file = layout::ScaledPictureFile(picture.file, scale);
    }
}

}  // namespace

std::vector<NamedPicture> ConfigPictures(int scale) {
    std::vector<NamedPicture> pictures;
    AddFamilies(ConfigFamilies(), scale, pictures);
    for (auto& p : SliderPictures(scale)) {
        pictures.push_back(std::move(p));
    }
    for (auto& p : ScrollPictures(scale)) {
        pictures.push_back(std::move(p));
    }
    pictures.push_back(ColorPanelPicture(scale));
    pictures.push_back(MousePicture(scale));
    for (auto& p : SurfacePictures(scale)) {
        pictures.push_back(std::move(p));
    }
    for (auto& p : AnalysisFrames(scale)) {
        pictures.push_back(std::move(p));
    }
    NameForScale(pictures, scale);
    return pictures;
}

std::vector<NamedPicture> UpdaterPictures(int scale) {
    std::vector<NamedPicture> pictures;
    AddFamilies(UpdaterFamilies(), scale, pictures);
    NameForScale(pictures, scale);
    return pictures;
}

bool WritePictures(const std::vector<NamedPicture>& pictures, const std::filesystem::path& folder,
                   std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder.string() + ": " + ec.message();
        return false;
    }
    for (const NamedPicture& picture : pictures) {
        const std::filesystem::path target = folder / picture.file;
        const std::filesystem::path partial = folder / (picture.file + ".part");
        const char* format = target.extension() == ".png" ? "PNG" : "BMP";
        if (!picture.image.save(QString::fromStdString(partial.string()), format)) {
            std::filesystem::remove(partial, ec);
            error = "cannot write " + target.string();
            return false;
        }
        std::filesystem::rename(partial, target, ec);
        if (ec) {
            std::filesystem::remove(partial, ec);
            error = "cannot replace " + target.string();
            return false;
        }
    }
    return true;
}

}  // namespace solune::skinart
