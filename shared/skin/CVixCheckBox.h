#pragma once
// A four-picture button that keeps a checked state of its own. It sends no
// hover news. A left release while the press is still held on it toggles
// isChecked() before the click reaches the parent, so the parent's
// controlClicked already sees the new value; a press that was dragged off the
// box does not toggle it.

#include "shared/skin/SkinButtonBase.h"

namespace solune {

class CVixCheckBox : public SkinButtonBase {
  public:
    explicit CVixCheckBox(int controlId, QWidget* parent = nullptr);

    // Repaints when the value changes.
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void releasedWhilePressed() override;

  private:
    bool m_checked = false;
};

}  // namespace solune
