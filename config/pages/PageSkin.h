#pragma once
// The configuration program's skin pictures as the pages see them: one
// SkinLibrary for the whole process, and the cutting of a control's state
// pictures out of its page's family of whole-page pictures.
//
// The program hands its library over once, before it builds the first page
// (UsePageSkin); tests hand over a library on the skin folder the build draws.
// Without one, the first use makes a library on the program's skin folder
// that reports a missing picture with "ui load failed!" in a message box.

#include <QImage>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune {

class SkinLibrary;

// Makes `library` the pages' library (borrowed; it must outlive every page).
// Passing nullptr goes back to the default library.
void UsePageSkin(SkinLibrary* library);
SkinLibrary& PageSkin();

// The state pictures of a family of whole-window pictures that share one
// size, "<prefix>_Normal.bmp", "_Over", "_Down" and "_Disable".
class PageFamily {
  public:
    enum State { kNormal = 0, kOver = 1, kDown = 2, kDisable = 3 };

    // `normalFile` is the family's normal picture ("MouseSetting_Normal.bmp");
    // the other states follow it in the library's slot order.
    explicit PageFamily(std::string_view normalFile);

    // The whole picture of `state`.
    QImage Whole(State state = kNormal) const;
    // The region `rect` of the picture of `state`; a missing picture is
    // reported by the library (and gives a null picture).
    QImage Cut(State state, const layout::ControlRect& rect) const;

  private:
    int m_normalSlot;
};

// A whole picture of the skin folder's slots ("Slider_Normal.bmp"); null when
// missing.
QImage SkinPicture(std::string_view file);

}  // namespace solune
