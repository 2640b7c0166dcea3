// The three surface-analysis pop-ups: the countdown of the second step, and
// the verdict of the whole chain with and without the virtual mouse.
//
// The timers are frozen (SetTimings with an hour) and expired by the tests,
// one QTimerEvent per second that the user would wait.

#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixStatic.h"
#include "tests/config/pages/PopDlgFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {
namespace {

class SurfaceAnalysisTest : public PopDlgFixture {
  protected:
    static CVixStatic* Label(CPopDlg& popup, const char* name) {
        return popup.findChild<CVixStatic*>(name);
    }

    // Runs the countdown of the open SensorMira2 pop-up to its end; the last
    // step opens SensorMira3, whose handling `third` is queued beforehand.
    static void CountDown(CPopDlg& second, std::function<void(CPopDlg&)> third) {
        for (int tick = 0; tick < 10; ++tick) {
            Expire(second, second.countdownTimerId());
        }
        WhenPopupOfMode(layout::kSensorMira3Mode, std::move(third));
        Expire(second, second.finishTimerId());
    }

    // Opens SensorMira1, presses its OK, and hands the pop-up of the second
    // step to `second`.
    int RunChain(std::function<void(CPopDlg&)> second) {
        CPopDlg first(layout::kSensorMira1Mode, Context());
        first.SetTimings(kFrozen);
        WhenModal([second](CPopDlg& popup) {
            WhenPopupOfMode(layout::kSensorMira2Mode, second);
            ClickControl(popup, "OK");
        });
        return first.DoModal();
    }
};

TEST_F(SurfaceAnalysisTest, TheCountdownShowsNineToZeroWithPicturesOneTwoZeroThenOpensStepThree) {
    CPopDlg second(layout::kSensorMira2Mode, Context());
    second.SetTimings(kFrozen);
    std::vector<QString> texts;
    std::vector<int> pictures;
    int thirdMode = 0;
    bool okEnabledDuringCountdown = true;
    bool okEnabledAfterwards = false;
    QImage okDuringCountdown;
    QImage okAfterwards;
    WhenModal([&](CPopDlg& popup) {
        CVixStatic* time = Label(popup, "Time");
        CVixStatic* image = Label(popup, "Image");
        texts.push_back(time->GetText());
        pictures.push_back(image->imageIndex());
        EXPECT_EQ(image->imageCount(), 3);
        okEnabledDuringCountdown = popup.findChild<QWidget*>("OK")->isEnabled();
        okDuringCountdown = Grab(popup.findChild<QWidget*>("OK"));
        for (int tick = 0; tick < 10; ++tick) {
            Expire(popup, popup.countdownTimerId());
            texts.push_back(time->GetText());
            pictures.push_back(image->imageIndex());
        }
        EXPECT_EQ(popup.finishTimerId() > 0, true) << "500 ms wait after 0";
        WhenPopupOfMode(layout::kSensorMira3Mode, [&](CPopDlg& third) {
            thirdMode = third.mode();
            // The countdown's next tick, while step three is open, reads 0.
            Expire(popup, popup.countdownTimerId());
            okEnabledAfterwards = popup.findChild<QWidget*>("OK")->isEnabled();
            okAfterwards = Grab(popup.findChild<QWidget*>("OK"));
            EXPECT_LE(popup.countdownTimerId(), 0) << "the countdown stops";
            ClickControl(third, "OK");
        });
        Expire(popup, popup.finishTimerId());
    });
    EXPECT_EQ(second.DoModal(), 1);
    const std::vector<QString> expectedTexts = {"10", "9", "8", "7", "6", "5",
                                                "4",  "3", "2", "1", "0"};
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(pictures, (std::vector<int>{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1}));
    EXPECT_FALSE(okEnabledDuringCountdown);
    EXPECT_TRUE(okEnabledAfterwards);
    // The waiting OK is drawn darker than the ready one, not the same.
    ASSERT_FALSE(okDuringCountdown.isNull());
    EXPECT_NE(okDuringCountdown, okAfterwards);
    EXPECT_EQ(thirdMode, layout::kSensorMira3Mode);
}

TEST_F(SurfaceAnalysisTest, TheRealTimersRunTheCountdownByThemselves) {
    CPopDlg second(layout::kSensorMira2Mode, Context());
    second.SetTimings({1, 1});
    int thirdMode = 0;
    // Nobody touches the second step: its own timers open the third.
    WhenPopupOfMode(layout::kSensorMira2Mode, [](CPopDlg&) {});
    WhenPopupOfMode(layout::kSensorMira3Mode, [&](CPopDlg& third) {
        thirdMode = third.mode();
        ClickControl(third, "Close");
    });
    EXPECT_EQ(second.DoModal(), 2);
    EXPECT_EQ(thirdMode, layout::kSensorMira3Mode);
    EXPECT_EQ(Label(second, "Time")->GetText(), QStringLiteral("0"));
}

TEST_F(SurfaceAnalysisTest, EnterDuringTheCountdownDoesNotCutItShort) {
    CPopDlg second(layout::kSensorMira2Mode, Context());
    second.SetTimings(kFrozen);
    WhenModal([](CPopDlg& popup) {
        TypeKey(popup, Qt::Key_Return);
        EXPECT_EQ(ActivePopup(), &popup) << "no third step yet";
        Expire(popup, popup.countdownTimerId());
        EXPECT_EQ(Label(popup, "Time")->GetText(), QStringLiteral("9"));
        ClickControl(popup, "Cancel");
    });
    EXPECT_EQ(second.DoModal(), 2);
}

TEST_F(SurfaceAnalysisTest, WithTheMouseTheChainEndsWithTheVerdictOfTheLastStep) {
    struct Case {
        const char* last;  // the button pressed in step three
        int verdict;
    };
    for (const Case& c : {Case{"OK", 1}, Case{"Close", 2}}) {
        SCOPED_TRACE(c.last);
        sim.Change([](simulator::MouseState& s) { s.surfaceStarted = false; });
        const int verdict = RunChain([&](CPopDlg& second) {
            EXPECT_EQ(second.mode(), layout::kSensorMira2Mode);
            EXPECT_TRUE(sim.State().surfaceStarted) << "analysis started before step two";
            CountDown(second, [&](CPopDlg& third) {
                EXPECT_EQ(third.mode(), layout::kSensorMira3Mode);
                ClickControl(third, c.last);
            });
        });
        EXPECT_EQ(verdict, c.verdict);
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(link.deviceConnected(), 1);
    }
}

TEST_F(SurfaceAnalysisTest, CancelOrCloseDuringTheCountdownEndsTheWholeChainWithTwo) {
    for (const char* button : {"Cancel", "Close"}) {
        SCOPED_TRACE(button);
        const int verdict = RunChain([button](CPopDlg& second) {
            Expire(second, second.countdownTimerId());
            ClickControl(second, button);
        });
        EXPECT_EQ(verdict, 2);
    }
}

TEST_F(SurfaceAnalysisTest, WithoutTheMouseStepOneSaysSoAndStaysOpenForAnotherTry) {
    sim.Change([](simulator::MouseState& s) { s.plugged = false; });
    CPopDlg first(layout::kSensorMira1Mode, Context());
    first.SetTimings(kFrozen);
    WhenModal([this](CPopDlg& popup) {
        ClickControl(popup, "OK");
        EXPECT_EQ(messages.messages, std::vector<std::string>{"SOLUNE 300 mouse not found"});
        EXPECT_EQ(ActivePopup(), &popup) << "step one stays open";
        EXPECT_FALSE(link.IsOpen());
        // The user plugs the mouse in and tries again.
        sim.Change([](simulator::MouseState& s) { s.plugged = true; });
        WhenPopupOfMode(layout::kSensorMira2Mode, [](CPopDlg& second) {
            CountDown(second, [](CPopDlg& third) { TypeKey(third, Qt::Key_Return); });
        });
        ClickControl(popup, "OK");
    });
    EXPECT_EQ(first.DoModal(), 1);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(SurfaceAnalysisTest, WithoutALinkStepOneReportsTheMouseMissing) {
    PageContext context = Context();
    context.link = nullptr;
    CPopDlg first(layout::kSensorMira1Mode, context);
    WhenModal([](CPopDlg& popup) {
        ClickControl(popup, "OK");
        ClickControl(popup, "Cancel");
    });
    EXPECT_EQ(first.DoModal(), 2);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"SOLUNE 300 mouse not found"});
}

}  // namespace
}  // namespace solune::test
