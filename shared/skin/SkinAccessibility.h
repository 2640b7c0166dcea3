#pragma once
// What screen readers see of the skinned controls: one accessibility factory
// that gives every skinned control class its interface (role, name, states,
// value, actions), and the two settings a window may make per control.
//
// Names: a button's caption when it draws one, else the widget's accessible
// name (the layout table's spoken name, see PlaceControl). Actions do what a
// click does (press, toggle, open the menu; a menu row chooses) and run from
// the event loop, so a screen reader's call returns before any dialog that
// the click opens.

#include <QAccessible>

class QObject;
class QString;
class QWidget;

namespace solune {

// Installs the factory; both programs do it at start, before any window is
// made. Installing it again does nothing.
void InstallSkinAccessibility();

// The factory itself (QAccessible::InterfaceFactory).
QAccessibleInterface* SkinAccessibleFactory(const QString& key, QObject* object);

// Gives `widget` a role other than its class's (a check box of a group of
// which one is on is a radio button, a page button a page tab). Set before
// the first screen reader asks for the control.
void SetSpokenRole(QWidget& widget, QAccessible::Role role);
// The role set with SetSpokenRole, else `classRole`.
QAccessible::Role SpokenRole(const QWidget& widget, QAccessible::Role classRole);

}  // namespace solune
