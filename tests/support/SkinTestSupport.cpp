#include "tests/support/SkinTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace solune::test {
namespace {

QWindow* WindowOf(QWidget* widget, QPoint& pos) {
    QWidget* top = widget->window();
    pos = widget->mapTo(top, pos);
    return top->windowHandle();
}

}  // namespace

RecordingParent::RecordingParent() {
    setGeometry(100, 100, 400, 300);
}

void RecordingParent::ShowAndWait() {
    show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    // A known pointer position: a move to where the pointer already is would
    // be dropped by Qt.
    MoveTo(this, {1, 1});
    MoveTo(this, {2, 2});
}

QImage Solid(int w, int h, QRgb color) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

void MoveTo(QWidget* widget, QPoint pos) {
    QWindow* window = WindowOf(widget, pos);
    QTest::mouseMove(window, pos);
}

void Press(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    QWindow* window = WindowOf(widget, pos);
    QTest::mousePress(window, button, Qt::NoModifier, pos);
}

void Release(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    QWindow* window = WindowOf(widget, pos);
    QTest::mouseRelease(window, button, Qt::NoModifier, pos);
}

void Click(QWidget* widget, QPoint pos) {
    MoveTo(widget, pos);
    Press(widget, pos);
    Release(widget, pos);
}

void Wheel(QWidget* widget, int notches) {
    constexpr int kNotch = 120;
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, notches * kNotch),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace solune::test
