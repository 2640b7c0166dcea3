#include "tools/skingen/SkinFamily.h"
#include "shared/layout/UpdaterScreenLayout.h"

namespace solune::skinart {

// Every screen has the same size: the close button ends at the right edge and
// the lowest button a few pixels above the bottom.
static const QSize kScreenSize(375, 180);

std::vector<SkinFamily> UpdaterFamilies() {
    std::vector<SkinFamily> families;
    for (const layout::UpdaterScreen& screen : layout::kUpdaterScreens) {
        SkinFamily family;
        family.name = layout::ScreenPictureFile(screen, layout::ScreenPicture::Normal);
        family.name.resize(family.name.size() - std::string_view(" Normal.bmp").size());
        family.stateFiles = {layout::ScreenPictureFile(screen, layout::ScreenPicture::Normal),
                             layout::ScreenPictureFile(screen, layout::ScreenPicture::Hover)};
        if (screen.hasPush) {
            family.stateFiles.push_back(
                layout::ScreenPictureFile(screen, layout::ScreenPicture::Push));
        }
        family.size = kScreenSize;
        family.controls.assign(screen.controls.begin(), screen.controls.end());
        family.texts.assign(screen.texts.begin(), screen.texts.end());
        family.dialog = true;
        family.plainLabels = true;
        families.push_back(family);
    }
    return families;
}

}  // namespace solune::skinart
