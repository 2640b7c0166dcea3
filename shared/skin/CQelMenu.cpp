#include "shared/skin/CQelMenu.h"

#include "shared/skin/MenuHook.h"

namespace solune {
namespace {

const MenuFamily& Family() {
    static const MenuFamily family{0, false, false, CQelMenu::Hook()};
    return family;
}

}  // namespace

CQelMenu::CQelMenu() : SkinMenu(Family()) {}

MenuHook& CQelMenu::Hook() {
    static MenuHook hook;
    return hook;
}

}  // namespace solune
