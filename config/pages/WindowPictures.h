#pragma once
// Dressing a window's controls from the window's skin pictures: each control
// takes the regions under its own rectangle (the artwork rectangle of its
// layout entry).
//
// Without a skin library (tests of behaviour only) every picture is null and
// the controls are still placed.

#include <QImage>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune {

class CVixButton;
class CVixEdit;
class CVixStatic;
class SkinLibrary;

struct WindowPictures {
    SkinLibrary* skin = nullptr;  // borrowed
    QImage normal;
    QImage over;
    QImage down;  // null: buttons take the normal region as their down picture

    // "<prefix>_Normal.bmp", "<prefix>_Over.bmp" and, when `withDown`,
    // "<prefix>_Down.bmp" from the skin's slots.
    static WindowPictures Load(SkinLibrary* skin, std::string_view prefix, bool withDown);

    // The region of `picture` under `control`; null without a skin.
    QImage Cut(const QImage& picture, const layout::LayoutControl& control) const;

    // Places `button` at the control's rectangle with the normal, over and
    // down regions (no disable picture) and shows it.
    void DressButton(CVixButton& button, const layout::LayoutControl& control) const;
    // Places `label` with the normal region as background and shows it.
    void DressLabel(CVixStatic& label, const layout::LayoutControl& control) const;
    // Places `edit` with the normal region as background and shows it.
    void DressEdit(CVixEdit& edit, const layout::LayoutControl& control) const;
};

}  // namespace solune
