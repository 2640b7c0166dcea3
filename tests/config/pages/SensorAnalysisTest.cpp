// "Analyze Surface" on the sensor page: the three pop-ups answered from
// inside their event loops (each found by polling for its mode; their timers
// frozen and expired by hand), the
// verdict read from the virtual mouse and shown as the quality class.

#include "config/pages/CSensorDlg.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixStatic.h"
#include "tests/config/pages/PageFixture.h"

namespace solune::test {
namespace {

class SensorAnalysisTest : public PageFixture {
  protected:
    void SetUp() override {
        page = std::make_unique<CSensorDlg>(Context());
        page->SetPopupTimings({3'600'000, 3'600'000});
        ShowPage(page.get());
        quality = Find<CVixProgressCtrl>(page.get(), "Quality Analyzer");
        surface = Find<CVixStatic>(page.get(), "Surface");
    }

    // Queues the user's way through the three pop-ups: OK on the first, the
    // countdown run out on the second, then `onThird` on the third.
    static void ThroughAllSteps(std::function<void(CPopDlg&)> onThird) {
        WhenPopupOfMode(layout::kSensorMira1Mode, [onThird](CPopDlg& first) {
            WhenPopupOfMode(layout::kSensorMira2Mode, [onThird](CPopDlg& second) {
                for (int tick = 0; tick < 10; ++tick) {
                    Expire(second, second.countdownTimerId());
                }
                WhenPopupOfMode(layout::kSensorMira3Mode, onThird);
                Expire(second, second.finishTimerId());
            });
            ClickControl(first, "OK");
        });
    }

    void Analyze(
        int measure,
        std::function<void(CPopDlg&)> onThird = [](CPopDlg& third) { ClickControl(third, "OK"); }) {
        ChangeMouse([measure](simulator::MouseState& s) {
            s.surfaceMeasure = static_cast<std::uint8_t>(measure);
        });
        ThroughAllSteps(std::move(onThird));
        ClickOn(page.get(), "Analyze Surface");
    }

    std::unique_ptr<CSensorDlg> page;
    CVixProgressCtrl* quality = nullptr;
    CVixStatic* surface = nullptr;
};

TEST_F(SensorAnalysisTest, TheAnalysisByteBecomesTheQualityClass) {
    const struct {
        int measure;
        int quality;
    } cases[] = {{1, 0}, {2, 1}, {50, 9}, {51, 10}, {0, 0}, {255, 10}, {23, 4}};
    for (const auto& c : cases) {
        Analyze(c.measure);
        EXPECT_EQ(quality->value(), c.quality) << c.measure;
        EXPECT_EQ(surface->imageIndex(), c.quality) << c.measure;
        EXPECT_TRUE(sim.State().surfaceStarted);
        Profile p;
        page->StoreToProfile(p);
        EXPECT_EQ(p.surfaceQuality, c.quality);
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(surface->imageCount(), 11);
}

TEST_F(SensorAnalysisTest, CancellingLeavesTheBarAtZeroAndThePictureAsItWas) {
    Analyze(40);
    ASSERT_EQ(quality->value(), 7);
    for (const char* button : {"Cancel", "Close"}) {
        WhenPopupOfMode(layout::kSensorMira1Mode,
                        [button](CPopDlg& first) { ClickControl(first, button); });
        ClickOn(page.get(), "Analyze Surface");
        EXPECT_EQ(quality->value(), 0) << button;
        EXPECT_EQ(surface->imageIndex(), 7) << button;
    }
    // Cancelled on the second and on the third step.
    WhenPopupOfMode(layout::kSensorMira1Mode, [](CPopDlg& first) {
        WhenPopupOfMode(layout::kSensorMira2Mode,
                        [](CPopDlg& second) { ClickControl(second, "Cancel"); });
        ClickControl(first, "OK");
    });
    ClickOn(page.get(), "Analyze Surface");
    EXPECT_EQ(quality->value(), 0);
    ThroughAllSteps([](CPopDlg& third) { ClickControl(third, "Close"); });
    ClickOn(page.get(), "Analyze Surface");
    EXPECT_EQ(quality->value(), 0);
    EXPECT_EQ(surface->imageIndex(), 7);
    Profile p;
    page->StoreToProfile(p);
    EXPECT_EQ(p.surfaceQuality, 0);
}

TEST_F(SensorAnalysisTest, AFailedReadingIsShownAsClassZero) {
    Analyze(45);
    ASSERT_EQ(quality->value(), 8);
    Analyze(45, [this](CPopDlg& third) {
        Fault("busy", 3);  // the mouse never answers the reading
        ClickControl(third, "OK");
    });
    EXPECT_EQ(quality->value(), 0);
    EXPECT_EQ(surface->imageIndex(), 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SensorAnalysisTest, MouseUnpluggedIsReportedByThePopupAndNothingIsShown) {
    Analyze(45);
    ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
    WhenPopupOfMode(layout::kSensorMira1Mode, [](CPopDlg& first) {
        ClickControl(first, "OK");  // "SOLUNE 300 mouse not found", stays open
        EXPECT_EQ(ActivePopup(), &first);
        ClickControl(first, "Cancel");
    });
    ClickOn(page.get(), "Analyze Surface");
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"SOLUNE 300 mouse not found"}));
    EXPECT_EQ(quality->value(), 0);
    EXPECT_EQ(surface->imageIndex(), 8);
}

TEST_F(SensorAnalysisTest, MouseUnpluggedDuringTheCountdownGivesClassZero) {
    Analyze(45, [this](CPopDlg& third) {
        ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
        ClickControl(third, "OK");
    });
    EXPECT_EQ(quality->value(), 0);
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace solune::test
