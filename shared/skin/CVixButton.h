#pragma once
// A push button drawn from four pictures (normal, over, down, disable) with an
// optional caption. It tells its parent when the pointer enters it
// (controlNotify(id, notify::kPointerEntered)) and when it is clicked
// (controlClicked(id)).
//
// Picture: see SkinButtonBase::ChoosePicture, with `selected` as the flag.
// Caption (when not empty), after the picture, 5 pixels in from the left and
// centred vertically: grey 120, 120, 120 when disabled; else
// selectedTextColor() when selected; else white while hovered; else
// normalTextColor() (also while pressed).

#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>

#include "shared/skin/SkinButtonBase.h"

namespace solune {

class CVixButton : public SkinButtonBase {
  public:
    explicit CVixButton(int controlId, QWidget* parent = nullptr);

    // Each setter repaints the button when the value changes.
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // The caption as drawn: whole, or cut and closed with "…" where the
    // button is too narrow for it (a long profile name).
    QString shownCaption() const;
    void setTextFont(const QFont& font);
    const QFont& textFont() const { return m_font; }
    // ARGB colours of the caption (alpha dropped when drawn).
    void setNormalTextColor(std::uint32_t argb);
    std::uint32_t normalTextColor() const { return m_normalTextColor; }
    void setSelectedTextColor(std::uint32_t argb);
    std::uint32_t selectedTextColor() const { return m_selectedTextColor; }
    void setSelected(bool value);
    bool isSelected() const { return m_selected; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void pointerEntered() override;

  private:
    QRect CaptionArea() const;

    QString m_caption;
    QFont m_font;
    std::uint32_t m_normalTextColor = 0xFFD2D2D2;
    std::uint32_t m_selectedTextColor = 0xFFB3D335;
    bool m_selected = false;
};

}  // namespace solune
