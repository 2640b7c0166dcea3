#pragma once
// The second family of pop-up menus (sensor page): rows span the full window
// width, a row marked as having a sub-menu opens it (and shows an arrow)
// whether or not it has rows, and ShowAt knows modes 0 and 2 only. The family
// has an outside-click watch of its own, separate from the first family's.

#include "shared/skin/SkinMenu.h"

namespace solune {

// The second family's row: the same fields as MenuItem.
using LaMenuItem = MenuItem;

class CQelMenu : public SkinMenu {
  public:
    CQelMenu();

    CQelMenu* GetSubMenu(int id) { return static_cast<CQelMenu*>(SkinMenu::GetSubMenu(id)); }
    LaMenuItem* FindItem(int id) { return SkinMenu::FindItem(id); }

    static MenuHook& Hook();

  protected:
    SkinMenu* NewMenu() const override { return new CQelMenu; }
};

}  // namespace solune
