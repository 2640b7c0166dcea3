#pragma once
// The pop-up dialog on the offscreen platform: the skin pictures the build
// draws, a recording message sink, a scripted key source, and a link to a
// virtual mouse in memory with a virtual clock.
//
// Modal pop-ups are driven from inside their own event loop: WhenModal()
// queues an action that runs once the loop spins, on the active modal widget.
// A watchdog ends every pop-up still open after a few seconds, so a test that
// goes wrong fails instead of hanging.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "config/device/HidLink.h"
#include "config/pages/CPopDlg.h"
#include "config/pages/ScriptedKeySource.h"
#include "platform/Clock.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/skin/SkinTestSupport.h"

namespace solune::test {

// The pop-up the user sees now, or nullptr.
inline CPopDlg* ActivePopup() {
    return dynamic_cast<CPopDlg*>(QApplication::activeModalWidget());
}

// Runs `action` on the active pop-up once the event loop of the pop-up that is
// about to open spins. Only for the first pop-up of a test: events that tests
// send (mouse moves among them) may spin the loop before a nested pop-up
// opens; nested pop-ups are reached with WhenPopupOfMode.
inline void WhenModal(std::function<void(CPopDlg&)> action) {
    QTimer::singleShot(0, [action] {
        CPopDlg* popup = ActivePopup();
        ASSERT_NE(popup, nullptr) << "no pop-up is open";
        action(*popup);
    });
}

// Runs `action` on the pop-up of `mode` as soon as it is the active one,
// looking every millisecond; gives up after ten seconds.
inline void WhenPopupOfMode(int mode, std::function<void(CPopDlg&)> action) {
    auto* poll = new QTimer;
    auto* deadline = new QElapsedTimer;
    deadline->start();
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, mode, action] {
        CPopDlg* popup = ActivePopup();
        const bool found = popup != nullptr && popup->mode() == mode;
        if (found || deadline->elapsed() > 10000) {
            poll->stop();
            poll->deleteLater();
            delete deadline;
            if (found) {
                action(*popup);
            } else {
                ADD_FAILURE() << "pop-up " << mode << " never opened";
            }
        }
    });
    poll->start(1);
}

// A click on the pop-up's control `name`, through the window system.
inline void ClickControl(CPopDlg& popup, const char* name) {
    auto* control = popup.findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name;
    Click(control, QPoint(control->width() / 2, control->height() / 2));
}

// A key typed into the pop-up's window (press and release).
inline void TypeKey(CPopDlg& popup, Qt::Key key) {
    QTest::keyClick(popup.windowHandle(), key);
}

// One expiry of a pop-up timer, as the event loop would deliver it.
inline void Expire(CPopDlg& popup, int timerId) {
    ASSERT_GT(timerId, 0) << "timer not running";
    QTimerEvent event(timerId);
    QCoreApplication::sendEvent(&popup, &event);
}

class PopDlgFixture : public ::testing::Test {
  protected:
    // Intervals no test run reaches: the tests expire the timers themselves.
    static constexpr CPopDlg::Timings kFrozen{3'600'000, 3'600'000};

    PopDlgFixture() {
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "a pop-up was left open";
            while (CPopDlg* popup = ActivePopup()) {
                popup->done(QDialog::Rejected);
                QCoreApplication::processEvents();
            }
        });
        m_watchdog.start(60000);
    }

    PageContext Context() {
        PageContext context;
        context.link = &link;
        context.messages = &messages;
        context.keys = &keys;
        context.clock = &clock;
        context.skin = &skin;
        return context;
    }

    RecordingMessageSink messages;
    RecordingMessageSink skinMessages;
    SkinFailure failure{skinMessages, kSkinFailureText, [] {}};
    SkinLibrary skin{failure, SOLUNE_VESK_SKIN_DIR};
    ScriptedKeySource keys;
    simulator::SimulatedMouse sim;
    VirtualClock clock;
    HidLink link{sim.backend(), clock};

  private:
    QTimer m_watchdog;
};

}  // namespace solune::test
