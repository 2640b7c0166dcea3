#pragma once
// The pictures of one window family of the skin: the window's background, the
// regions of its state pictures under a control's rectangle, and extra
// picture files of the skin folder.
//
// Without a skin library (PageContext::skin null) every picture is null, so
// the window's controls work but draw nothing. A missing skin file is reported
// by the library ("ui load failed!") when a region is cut from it.

#include <QImage>
#include <array>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune {

class SkinLibrary;

class PagePictures {
  public:
    // The family whose normal picture is `normalFile`; its over, down and
    // disable pictures follow it in the skin's slot order. `skin` is borrowed
    // and may be null.
    PagePictures(SkinLibrary* skin, std::string_view normalFile);

    enum State { kNormal = 0, kOver = 1, kDown = 2, kDisable = 3 };

    // The region `rect` of the family's picture of `state`.
    QImage Cut(int state, const layout::ControlRect& rect) const;
    // The regions `rect` of the first `count` states (normal, over, down,
    // disable); the others are null.
    std::array<QImage, 4> States(const layout::ControlRect& rect, int count) const;
    // A whole picture of the skin (a named slot, such as "Slider1.bmp").
    QImage Whole(std::string_view file) const;
    // A picture file of the skin folder that is no slot of the library
    // ("0.bmp", …); null when missing.
    QImage Extra(std::string_view file) const;

  private:
    SkinLibrary* m_skin;
    int m_normalSlot;
};

}  // namespace solune
