#include "tests/support/SkinTestSupport.h"

#include "shared/skin/SkinMenu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <QScreen>

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

bool WholeOrElided(const QString& shown, const QString& text) {
    if (shown == text) {
        return true;
    }
    return shown.endsWith(QChar(0x2026)) && text.startsWith(shown.chopped(1));
}

std::vector<QString> ExpectEveryRowWhole(SkinMenu& menu) {
    std::vector<QString> texts;
    std::vector<SkinMenu*> open = {&menu};
    while (!open.empty()) {
        SkinMenu* shown = open.back();
        open.pop_back();
        const QScreen* screen = shown->screen();
        const bool screenWide = screen && shown->width() >= screen->availableGeometry().width();
        for (int i = 0; i < shown->rowCount(); ++i) {
            const MenuItem& row = shown->row(i);
            texts.push_back(row.text);
            SCOPED_TRACE(row.text.left(80).toStdString());
            const QString drawn = shown->shownRowText(i);
            EXPECT_TRUE(screenWide ? WholeOrElided(drawn, row.text) : drawn == row.text)
                << drawn.left(80).toStdString() << " in a menu " << shown->width() << " wide";
            if (row.hasSubMenu) {
                MoveTo(shown, {(row.rect.left + row.rect.right) / 2,
                               (row.rect.top + row.rect.bottom) / 2});
                SkinMenu* sub = shown->GetSubMenu(row.id);
                if (sub != nullptr && sub->isVisible()) {
                    open.push_back(sub);
                }
            }
        }
    }
    return texts;
}

}  // namespace solune::test
