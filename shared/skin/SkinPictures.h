#pragma once
// The pictures of one window family of the configuration program's skin:
// the regions of its state pictures under a control's rectangle, whole skin
// pictures and elements, extra picture files of the skin folder, and the
// pictures of the lists' scroll controls.
//
// Without a skin library every picture is null, so a window's controls work
// but draw nothing. A missing skin picture is reported by the library ("ui
// load failed!") when a region is cut from it, or when an element is asked
// for; Whole and Extra give a null picture without a message.

#include <QImage>
#include <array>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune {

class SkinLibrary;

// The seven scroll pictures in CVixScrollCtrl::SetImages order: background,
// thumb, thumb pressed, first arrow, first arrow pressed, second arrow, second
// arrow pressed.
using ScrollPictures = std::array<QImage, 7>;

class SkinPictures {
  public:
    enum State { kNormal = 0, kOver = 1, kDown = 2, kDisable = 3 };

    // The family whose normal picture is `normalFile` ("Sensor_Normal.bmp");
    // its over, down and disable pictures follow it in the skin's slot
    // order. `skin` is borrowed, may be null, and must outlive this object.
    SkinPictures(SkinLibrary* skin, std::string_view normalFile);

    SkinLibrary* skin() const { return m_skin; }

    // The region `rect` of the family's picture of `state`.
    QImage Cut(int state, const layout::ControlRect& rect) const;
    // The regions `rect` of the first `count` states (normal, over, down,
    // disable); the others are null.
    std::array<QImage, 4> States(const layout::ControlRect& rect, int count) const;
    // A whole picture of the skin (a named slot, such as "Slider1.bmp").
    QImage Whole(std::string_view file) const;
    // The logical size of that picture, from its file's header (nothing is
    // decoded); invalid without a library or when the file is missing.
    QSize WholeSize(std::string_view file) const;
    // A skin element that is a whole picture (0 the main window, 114 the
    // macro page's background).
    QImage Element(int element) const;
    // A picture file of the skin folder that is no slot of the library
    // ("0.bmp", …); null when missing.
    QImage Extra(std::string_view file) const;
    // The background is the whole "Scroll_Normal.bmp"; each part is cut at
    // its place from "Scroll_Down.bmp" (normal) and "Scroll_Over.bmp"
    // (pressed).
    ScrollPictures Scroll() const;

  private:
    QImage Part(int element, int state, const layout::ControlRect& rect) const;

    SkinLibrary* m_skin;
    int m_normalSlot;
};

}  // namespace solune
