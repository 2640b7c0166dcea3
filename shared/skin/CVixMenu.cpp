#include "shared/skin/CVixMenu.h"

#include "shared/skin/MenuHook.h"

namespace solune {
namespace {

const MenuFamily& Family() {
    static const MenuFamily family{15, true, true, CVixMenu::Hook()};
    return family;
}

}  // namespace

CVixMenu::CVixMenu() : SkinMenu(Family()) {}

MenuHook& CVixMenu::Hook() {
    static MenuHook hook;
    return hook;
}

}  // namespace solune
