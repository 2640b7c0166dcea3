#pragma once
// The sensor and lighting pages on the offscreen platform: the pop-ups'
// fixture (the skin pictures the build draws, a virtual mouse in memory behind
// a link with a virtual clock, a recording message sink, a watchdog for
// pop-ups left open), the main window's current profile and its notices.
//
// Timers are driven by sending the page a QTimerEvent with the timer's id
// (Tick), never by waiting.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimerEvent>

#include "config/device/HidLink.h"
#include "config/pages/CColorPanel.h"
#include "config/pages/CVixCbnColorButton.h"
#include "config/pages/PageContext.h"
#include "config/profiles/Profile.h"
#include "tests/support/NotingPageNotices.h"
#include "platform/Clock.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/config/pages/PopDlgFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {

class PageFixture : public PopDlgFixture {
  protected:
    // The pop-ups' context with the main window's notices.
    PageContext Context() {
        PageContext context = PopDlgFixture::Context();
        context.notices = &notices;
        return context;
    }

    // Shows `page` as a window of its own and puts the pointer on it.
    static void ShowPage(QWidget* page) {
        page->move(40, 40);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
        MoveTo(page, {1, 1});
        MoveTo(page, {2, 2});
    }

    // A click in the middle of the control `name`, as the user makes it.
    static void ClickOn(QWidget* page, const char* name) {
        QWidget* w = Find(page, name);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->isVisible()) << name;
        Click(w);
    }

    // Opens the colour panel of the colour button `name` with a click and
    // clicks the swatch of `row` and `column` (from 1).
    static void PickSwatch(QWidget* page, const char* name, int row, int column);

    void ChangeMouse(const std::function<void(simulator::MouseState&)>& change) {
        ASSERT_TRUE(sim.Change(change));
    }
    void Fault(const std::string& name, int count, int value = 0) {
        ChangeMouse([&](simulator::MouseState& s) { simulator::SetFault(s, name, count, value); });
    }

    Profile current;
    NotingPageNotices notices;
};

inline void PageFixture::PickSwatch(QWidget* page, const char* name, int row, int column) {
    auto* button = Find<CVixCbnColorButton>(page, name);
    ASSERT_NE(button, nullptr);
    ClickOn(page, name);
    CColorPanel* panel = button->panel();
    ASSERT_TRUE(panel->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    const CColorButton& s = panel->swatch((row - 1) * 5 + (column - 1));
    Click(panel, QPoint((s.left + s.right) / 2, (s.top + s.bottom) / 2));
}

}  // namespace solune::test
