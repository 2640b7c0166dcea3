#pragma once
// The pop-up dialog on the offscreen platform: the skin pictures the build
// draws, a recording message sink, a scripted key source, and a link to a
// virtual mouse in memory with a virtual clock.
//
// Modal pop-ups are driven from inside their own event loop: WhenModal()
// answers the next pop-up in advance (PopUps::SetNextAnswer), and the answer
// runs on it once its loop spins. An answer that no pop-up took fails the
// test. A watchdog ends every pop-up still open after a minute, so a test
// that goes wrong fails instead of hanging.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "config/device/HidLink.h"
#include "config/pages/CPopDlg.h"
#include "config/pages/PopUps.h"
#include "tests/support/ScriptedKeySource.h"
#include "platform/Clock.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {

// The pop-up the user sees now, or nullptr.
inline CPopDlg* ActivePopup() {
    return dynamic_cast<CPopDlg*>(QApplication::activeModalWidget());
}

// Runs `action` on the next pop-up that opens, once its event loop spins.
inline void WhenModal(std::function<void(CPopDlg&)> action) {
    PopUps::SetNextAnswer(std::move(action));
}

// Runs `action` on the next pop-up that opens, which must be of `mode`.
inline void WhenPopupOfMode(int mode, std::function<void(CPopDlg&)> action) {
    PopUps::SetNextAnswer([mode, action = std::move(action)](CPopDlg& popup) {
        ASSERT_EQ(popup.mode(), mode) << "another pop-up opened first";
        action(popup);
    });
}

// A click on the pop-up's control `name`, through the window system.
inline void ClickControl(CPopDlg& popup, const char* name) {
    GuiFixture::Click(GuiFixture::Find(&popup, name));
}

// A key typed into the pop-up's window (press and release).
inline void TypeKey(CPopDlg& popup, Qt::Key key) {
    QTest::keyClick(popup.windowHandle(), key);
}

// One expiry of a pop-up timer, as the event loop would deliver it.
inline void Expire(CPopDlg& popup, int timerId) {
    GuiFixture::Tick(&popup, timerId);
}

class PopDlgFixture : public GuiFixture {
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
    ~PopDlgFixture() override {
        EXPECT_EQ(PopUps::PendingAnswers(), 0u) << "a pop-up answered in advance never opened";
        PopUps::Clear();
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
