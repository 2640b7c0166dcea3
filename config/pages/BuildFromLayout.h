#pragma once
// Making a window's controls from its layout table: every row becomes the
// skinned control of its kind, named after the row's template text (the name
// the main window and the tests find it by), placed at the row's rectangle
// and dressed with the regions under its artwork rectangle of the family's
// state pictures:
//
//   Button, Marker, CloseButton  CVixButton: the first `states` states
//   CheckBox                     CVixCheckBox: the first `states` states
//   ComboButton                  CVixComboButton: normal, over, down
//   ColorButton                  CVixCbnColorButton: normal, over, down, and
//                                "ColorPanel.bmp" for its panel
//   Label, Picture               CVixStatic: the normal region as background
//   Edit                         CVixEdit: the normal region as background
//   Slider                       CVixSliderCtrl: the normal region as track,
//                                "Slider_Normal.bmp" as thumb (also when
//                                over), "Slider_Disable.bmp" when disabled
//   Slider3D                     CVixSliderCtrl3D: the normal region as track,
//                                "Slider1.bmp" … "Slider3.bmp" as thumbs
//   Progress                     CVixProgressCtrl: the normal region as
//                                background, the down region as fill
//   List                         made by the page (see DressRules::make)
//
// Controls are made in table order, which is their stacking and tab order.

#include <QWidget>
#include <functional>
#include <span>

#include "config/pages/LayoutControls.h"
#include "shared/layout/ControlLayout.h"
#include "shared/skin/SkinPictures.h"

namespace solune {

struct DressRules {
    // How many states (normal, over, down, disable) a button or check box
    // takes; null: three, no disable picture.
    std::function<int(const layout::LayoutControl&)> states;
    // Buttons take their normal region as their down picture too (the
    // pop-ups, whose down pictures are not theirs).
    bool normalAsDown = false;
    // The page's own class for a row (a list, a number edit, the lighting
    // preview): a widget made here, a child of the page, is named, placed and
    // dressed as its kind says where its class allows (a combo, edit or
    // static of a derived class). Null, or nullptr for a row: the kind's
    // class above.
    std::function<QWidget*(const layout::LayoutControl&, QWidget& parent)> make;
};

// Makes every control of `table` as a child of `parent` (see above).
LayoutControls BuildFromLayout(std::span<const layout::LayoutControl> table,
                               const SkinPictures& pictures, QWidget& parent,
                               const DressRules& rules = {});

// Dresses again every control of `controls` made from `table`, from
// `pictures`: for a page built without pictures (SkinPictures without a
// library) that cuts its pictures when it is first shown.
void DressFromLayout(std::span<const layout::LayoutControl> table, const LayoutControls& controls,
                     const SkinPictures& pictures, const DressRules& rules = {});

// Names `widget` after `row` (its object name the template text, its
// accessible name the row's spoken name; a picture is a graphic and a list a
// list to screen readers) and moves it to the row's rectangle.
void PlaceControl(QWidget& widget, const layout::LayoutControl& row);

// Dresses `widget`, a control of `row`'s kind, from `pictures` (see above).
void DressControl(QWidget& widget, const layout::LayoutControl& row,
                  const SkinPictures& pictures, const DressRules& rules = {});

}  // namespace solune
