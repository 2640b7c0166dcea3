#pragma once
// A push button drawn from four pictures (normal, over, down, disable) with an
// optional caption. It tells its parent when the pointer enters it
// (controlNotify(id, notify::kPointerEntered)) and when it is clicked
// (controlClicked(id)).
//
// Picture: see SkinButtonBase::ChoosePicture, with `selected` as the flag.
// Caption (when not empty), after the picture, 5 pixels in from the left and
// centred vertically: grey 120, 120, 120 when disabled; else
// `selectedTextColor` when selected; else white while hovered; else
// `normalTextColor` (also while pressed).

#include <QFont>
#include <QString>
#include <cstdint>

#include "shared/skin/SkinButtonBase.h"

namespace solune {

class CVixButton : public SkinButtonBase {
  public:
    explicit CVixButton(int controlId, QWidget* parent = nullptr);

    // Set directly by the owning window, which repaints the button itself
    // (setSelected repaints when the value changes).
    QString caption;
    QFont font;
    std::uint32_t normalTextColor = 0xFFD2D2D2;
    std::uint32_t selectedTextColor = 0xFFB3D335;
    bool selected = false;

    void setSelected(bool value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void pointerEntered() override;
};

}  // namespace solune
