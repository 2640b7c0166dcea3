#pragma once
// A zone colour button of the lighting page: a skinned button (normal, over,
// down and disable pictures; it draws only its pictures, never its colour)
// that opens its colour panel (CColorPanel) below itself.
//
// A left release (after a press on it) hides the panel when it is shown, and
// otherwise shows it with its top-left corner at the button's bottom-left
// corner. A colour picked on the panel becomes the button's current colour
// and is told to the parent as controlNotify(own id, colour as 0x00BBGGRR).
// Hover tracking is that of the other skinned buttons.

#include <QImage>
#include <cstdint>

#include "shared/skin/ControlParent.h"
#include "shared/skin/SkinButtonBase.h"

namespace solune {

class CColorPanel;

class CVixCbnColorButton : public SkinButtonBase, public ControlParent {
  public:
    explicit CVixCbnColorButton(int controlId, QWidget* parent = nullptr);
    ~CVixCbnColorButton() override;

    // Replaces the normal, over and down pictures (the disable picture becomes
    // none) and gives the panel `panelPicture`; the first call creates the
    // hidden panel.
    void SetImages(QImage normal, QImage over, QImage down, QImage panelPicture);

    // The panel, null before the first SetImages. Owned by this button.
    CColorPanel* panel() const { return m_panel; }
    std::uint32_t currentColor() const { return m_currentColor; }

    // A colour from the panel (id CColorPanel::kPanelId); other news is
    // ignored.
    void controlNotify(int id, int value) override;

    // What a click does: hides the shown panel, else shows it.
    void Activate() override;

    bool selected = false;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Escape hides the shown panel; other keys are a button's.
    void keyPressEvent(QKeyEvent* event) override;
    // The panel goes with its button (a page switch hides the button).
    void hideEvent(QHideEvent* event) override;
    // A click is the panel's business; the page hears only the colour.
    void clicked() override {}

  private:
    void TogglePanel();

    CColorPanel* m_panel = nullptr;
    std::uint32_t m_currentColor = 255;
};

}  // namespace solune
