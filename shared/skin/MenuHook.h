#pragma once
// The outside-click watch of one family of pop-up menus.
//
// While a menu of the family is open, one application-wide event filter is
// installed with one target menu. Every mouse press, release or double click
// of the application (moves and wheel turns excepted) is handed to the target
// before the window under the pointer sees it; the target closes its chain on
// a left press outside its own and its parent menus' windows. Escape pressed
// in any window of the application closes the open chain (and goes no
// further); the arrows, Return, Enter and Space walk and choose the rows of
// the chain's innermost open menu (see SkinMenu) and go no further either.
// When the
// application loses activation (a click into another program) the target's
// chain closes too.

#include <QObject>
#include <QPointer>

namespace solune {

class SkinMenu;

class MenuHook : public QObject {
  public:
    // Makes `menu` the target; installs the filter when it is not installed.
    void setTarget(SkinMenu* menu);
    // Removes the filter and forgets the target.
    void remove();

    bool isInstalled() const { return m_installed; }
    SkinMenu* target() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Walks or chooses in the open chain for `key`; whether the key was one
    // of the menus' keys.
    bool WalkKey(int key);

    QPointer<SkinMenu> m_target;
    bool m_installed = false;
};

}  // namespace solune
