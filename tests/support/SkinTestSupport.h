#pragma once
// Helpers of the skinned-control tests: a recording parent window, a recording
// message sink, small pictures, and mouse input sent through the window system
// (so grabs, enter/leave and the menus' outside-click watch see it as they
// would see a real pointer).

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/MessageSink.h"
#include "shared/skin/ControlParent.h"

namespace solune {
class SkinMenu;
}

namespace solune::test {

class RecordingMessageSink : public MessageSink {
  public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

using Notification = std::pair<int, int>;

// A top-level window that records what its controls tell it.
class RecordingParent : public QWidget, public ControlParent {
  public:
    RecordingParent();

    void controlNotify(int id, int value) override { notifications.emplace_back(id, value); }
    void controlClicked(int id) override { clicks.push_back(id); }

    // Shows the window at its place and waits until the window system has it.
    void ShowAndWait();

    std::vector<Notification> notifications;
    std::vector<int> clicks;
};

// A picture of w × h in one opaque colour.
QImage Solid(int w, int h, QRgb color);

// Mouse input at `pos` in `widget`'s coordinates, through its window.
void MoveTo(QWidget* widget, QPoint pos);
void Press(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
// Move, press and release at `pos`.
void Click(QWidget* widget, QPoint pos);
// `notches` turns of the mouse wheel over the centre of `widget` (positive:
// away from the user), as the window system delivers them to the widget.
void Wheel(QWidget* widget, int notches);

// The widget as the user sees it.
QImage Grab(QWidget* widget);

// Whether `shown` is `text` whole, or `text` cut and closed with "…".
bool WholeOrElided(const QString& shown, const QString& text);

// Checks every row of the open `menu` and of each sub-menu it opens when the
// pointer moves over a row (as the user opens them): each row is drawn whole,
// or, only in a menu as wide as the screen, cut and closed with "…". The
// rows' texts checked, in the order met.
std::vector<QString> ExpectEveryRowWhole(SkinMenu& menu);

}  // namespace solune::test
