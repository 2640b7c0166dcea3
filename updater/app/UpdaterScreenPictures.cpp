#include "updater/app/UpdaterScreenPictures.h"

#include "shared/layout/PictureScales.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {

void UpdaterScreenPictures::Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    m_scale = layout::PictureScaleFor(SkinLibrary::PrimaryScreenRatio());
}

const QImage& UpdaterScreenPictures::Picture(int number, layout::ScreenPicture which) const {
    static const QImage none;
    for (std::size_t s = 0; s < layout::kUpdaterScreens.size(); ++s) {
        const layout::UpdaterScreen& screen = layout::kUpdaterScreens[s];
        if (screen.number != number) {
            continue;
        }
        const int kind = static_cast<int>(which);
        const bool exists = which != layout::ScreenPicture::Push || screen.hasPush;
        if (m_loaded && exists && !m_decoded[s][kind]) {
            m_decoded[s][kind] = true;
            m_pictures[s][kind] = SkinLibrary::LoadSkinPicture(
                m_folder / layout::ScreenPictureFile(screen, which), m_scale);
        }
        return m_pictures[s][kind];
    }
    return none;
}

const layout::UpdaterScreen* UpdaterScreenPictures::Screen(int number) {
    for (const layout::UpdaterScreen& screen : layout::kUpdaterScreens) {
        if (screen.number == number) {
            return &screen;
        }
    }
    return nullptr;
}

}  // namespace solune
