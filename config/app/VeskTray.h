#pragma once
// The configuration program's notification-area icon and its menu.
//
// The icon carries the tip "SOLUNE 300 Optical Gaming Mouse", with a second
// line the main window may give it. A double click
// shows the main window; a right click shows the skinned menu "Config Mouse"
// (100) / "Exit" (101) with its lower right corner at the pointer. The menu is
// made on the first right click and reused; a click outside closes it. Its
// choice reaches the main window as controlNotify(kTrayMenuId, item).

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

class QWidget;

namespace solune {

class CVixMenu;

inline constexpr int kTrayMenuId = 128;
inline constexpr int kTrayConfigMouse = 100;
inline constexpr int kTrayExit = 101;
inline constexpr const char* kTrayTip = "SOLUNE 300 Optical Gaming Mouse";

class VeskTray : public QObject {
  public:
    // `window` is the main window: it owns the menu, gets its choice (it must
    // implement ControlParent) and is shown by a double click.
    explicit VeskTray(QWidget& window);

    // Puts the icon into the notification area (when the desktop has one).
    void Add();
    // Takes the icon away.
    void Remove();
    // The tip: its first line, then `line` on a second one (none when empty).
    void ShowSecondTipLine(const QString& line);

    // What the icon reports: a double click, a right click at `cursor`
    // (screen coordinates).
    void Activated(QSystemTrayIcon::ActivationReason reason, QPoint cursor);

    QSystemTrayIcon& icon() { return m_icon; }
    // The menu, null before the first right click.
    CVixMenu* menu() const { return m_menu; }

  private:
    void ShowMenu(QPoint cursor);

    QWidget& m_window;
    QSystemTrayIcon m_icon;
    CVixMenu* m_menu = nullptr;  // owned through its Qt parent, the window
};

}  // namespace solune
