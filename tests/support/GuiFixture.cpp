#include "tests/support/GuiFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimerEvent>

#include "tests/support/SkinTestSupport.h"

namespace solune::test {

void GuiFixture::Click(QWidget* control) {
    ASSERT_NE(control, nullptr);
    Click(control, control->rect().center());
}

void GuiFixture::Click(QWidget* control, QPoint pos) {
    ASSERT_NE(control, nullptr);
    test::Click(control, pos);
}

void GuiFixture::Tick(QObject* receiver, int timerId) {
    ASSERT_NE(receiver, nullptr);
    ASSERT_GT(timerId, 0) << "timer not running";
    QTimerEvent event(timerId);
    QCoreApplication::sendEvent(receiver, &event);
}

bool GuiFixture::ProcessUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

}  // namespace solune::test
