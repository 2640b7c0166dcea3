#pragma once
// The pictures of the macro page, cut from the skin: the page background,
// each control's state pictures at its own place in the page pictures, and
// the seven pictures of the two lists' scroll controls.
//
// Without a skin library every picture is null (the controls then draw only
// their texts); a picture missing from the skin reports the skin failure
// ("ui load failed!") through the library.

#include <QImage>
#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune {

class SkinLibrary;

// The seven scroll pictures in CVixScrollCtrl::SetImages order: background,
// thumb, thumb pressed, first arrow, first arrow pressed, second arrow, second
// arrow pressed.
using ScrollPictures = std::array<QImage, 7>;

class MacroPagePictures {
  public:
    // `skin` is borrowed (may be null) and must outlive this object.
    explicit MacroPagePictures(SkinLibrary* skin) : m_skin(skin) {}

    // "MacroSetting_BK.bmp".
    QImage Background();
    // The region `rect` of the page picture of `state` (0 normal, 1 over,
    // 2 down).
    QImage ControlPicture(int state, const layout::ControlRect& rect);
    ScrollPictures Scroll();

  private:
    SkinLibrary* m_skin;
};

}  // namespace solune
