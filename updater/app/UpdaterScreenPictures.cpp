#include "updater/app/UpdaterScreenPictures.h"

#include "shared/skin/SkinLibrary.h"

namespace solune {

void UpdaterScreenPictures::Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    for (std::size_t s = 0; s < layout::kUpdaterScreens.size(); ++s) {
        const layout::UpdaterScreen& screen = layout::kUpdaterScreens[s];
        for (int kind = 0; kind < kPictureKinds; ++kind) {
            const auto which = static_cast<layout::ScreenPicture>(kind);
            if (which == layout::ScreenPicture::Push && !screen.hasPush) {
                continue;
            }
            m_pictures[s][kind] =
                SkinLibrary::LoadSkinPicture(m_folder / layout::ScreenPictureFile(screen, which));
        }
    }
}

const QImage& UpdaterScreenPictures::Picture(int number, layout::ScreenPicture which) const {
    static const QImage none;
    for (std::size_t s = 0; s < layout::kUpdaterScreens.size(); ++s) {
        if (layout::kUpdaterScreens[s].number == number) {
            return m_pictures[s][static_cast<int>(which)];
        }
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
