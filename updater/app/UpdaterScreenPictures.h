#pragma once
// The updater's 32 screen pictures, each decoded the first time it is asked
// for and kept for the life of the object, in the set that suits the primary
// screen's device pixel ratio when Load runs (see SkinLibrary: "NAME@2x.bmp"
// at 2, the ordinary file where that is missing). A missing or unreadable
// file leaves a null picture; the failure shows when a control is cut from it.

#include <QImage>
#include <array>
#include <filesystem>

#include "shared/layout/UpdaterScreenLayout.h"

namespace solune {

class UpdaterScreenPictures {
  public:
    explicit UpdaterScreenPictures(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    // Chooses the set unless that has run already; the pictures wait until
    // they are asked for.
    void Load();
    bool isLoaded() const { return m_loaded; }

    // The picture of screen `number` (1 … 11); null when it is missing, not
    // loaded yet, or the screen has no such picture (screen 10 has no Push).
    const QImage& Picture(int number, layout::ScreenPicture which) const;

    // The layout of screen `number`, or nullptr for a number without a screen.
    static const layout::UpdaterScreen* Screen(int number);

  private:
    static constexpr int kPictureKinds = 3;

    std::filesystem::path m_folder;
    bool m_loaded = false;
    int m_scale = 1;
    // Decoded on first request by the const Picture: a cache, not state.
    mutable std::array<std::array<bool, kPictureKinds>, layout::kUpdaterScreens.size()>
        m_decoded{};
    mutable std::array<std::array<QImage, kPictureKinds>, layout::kUpdaterScreens.size()>
        m_pictures;
};

}  // namespace solune
