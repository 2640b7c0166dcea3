#pragma once
// The first family's combo button (button page): its menu is a CVixMenu, its
// fixed menu is 158 pixels wide, its NeoSans caption font 14 high, and it can
// add rows to sub-menus.

#include "shared/skin/CVixMenu.h"
#include "shared/skin/SkinComboButton.h"

namespace solune {

class CVixComboButton : public SkinComboButton {
  public:
    explicit CVixComboButton(int controlId, QWidget* parent = nullptr);

    // Adds a row to the sub-menu of row `parentId`; nothing before the menu
    // exists.
    void AddSubItem(int parentId, int id, const QString& text);

    CVixMenu* menu() const { return static_cast<CVixMenu*>(m_menu); }

  protected:
    SkinMenu* NewMenu() const override { return new CVixMenu; }
};

}  // namespace solune
