#pragma once
// The first family of pop-up menus (button page, event list): rows end 15
// pixels before the window's right edge, a sub-menu opens (and its row shows
// an arrow) only when it has rows, and ShowAt knows modes 0, 2 and 3. The
// family has its own outside-click watch.

#include "shared/skin/SkinMenu.h"

namespace solune {

class CVixMenu : public SkinMenu {
  public:
    CVixMenu();

    CVixMenu* GetSubMenu(int id) { return static_cast<CVixMenu*>(SkinMenu::GetSubMenu(id)); }

    // The family's watch (for tests and diagnostics).
    static MenuHook& Hook();

  protected:
    SkinMenu* NewMenu() const override { return new CVixMenu; }
};

}  // namespace solune
