#pragma once
// The second family's combo button (sensor page): its menu is a CQelMenu, its
// fixed menu is 55 pixels wide, its NeoSans caption font 13 high; it has no
// sub-menu rows.

#include "shared/skin/CQelMenu.h"
#include "shared/skin/SkinComboButton.h"

namespace solune {

class CQelComboButton : public SkinComboButton {
  public:
    explicit CQelComboButton(int controlId, QWidget* parent = nullptr)
        : SkinComboButton(controlId, parent, 55, 13) {}

    CQelMenu* menu() const { return static_cast<CQelMenu*>(m_menu); }

  protected:
    SkinMenu* NewMenu() const override { return new CQelMenu; }
};

}  // namespace solune
