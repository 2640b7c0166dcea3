#pragma once
// The fixture of the widget tests: finds a control by its object name, clicks
// it through the window system (so grabs, enter/leave and the menus' outside
// click watch see a real pointer), delivers one expiry of a widget's timer as
// the event loop would, and runs the event loop until a condition holds.
// Nothing here sleeps: ProcessUntil only waits as long as the loop waits for
// events. The helpers are static and public, so the answers of pop-ups and
// other code outside a fixture use them too.

#include <gtest/gtest.h>

#include <QObject>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>

namespace solune::test {

class GuiFixture : public ::testing::Test {
  public:
    // The descendant of `root` named `name` (and of type T); a test failure
    // and nullptr when there is none.
    template <typename T = QWidget>
    static T* Find(const QObject* root, const char* name) {
        T* control = root != nullptr ? root->findChild<T*>(QString::fromUtf8(name)) : nullptr;
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // A click at the centre of `control`, or at `pos` in its coordinates.
    static void Click(QWidget* control);
    static void Click(QWidget* control, QPoint pos);

    // One expiry of `receiver`'s timer `timerId` (a test failure when it is
    // not running: id 0 or below).
    static void Tick(QObject* receiver, int timerId);

    // Runs the event loop until `done` holds or `timeoutMs` have passed;
    // whether `done` holds in the end.
    static bool ProcessUntil(const std::function<bool()>& done, int timeoutMs = 5000);
};

}  // namespace solune::test
