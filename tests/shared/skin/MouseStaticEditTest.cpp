#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimerEvent>

#include "shared/skin/CQelNUMEdit.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMouseStatic.h"
#include "shared/skin/ControlNotify.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::Notification;

std::uint32_t Alpha(std::uint32_t argb) {
    return argb >> 24;
}

class MouseStaticTest : public test::GuiFixture {
  protected:
    void SetUp() override {
        preview = new CVixMouseStatic(1085, &parent);
        preview->setGeometry(10, 10, 205, 212);
        // The mouse picture: opaque blue, transparent over both light zones.
        QImage picture = test::Solid(205, 212, 0xFF0000FF);
        for (const QRect& zone : {preview->scrollWheelZone(), QRect(81, 105, 124, 37)}) {
            for (int y = zone.top(); y <= zone.bottom(); ++y) {
                for (int x = zone.left(); x <= zone.right() && x < 205; ++x) {
                    picture.setPixel(x, y, 0x00000000);
                }
            }
        }
        preview->setPicture(picture);
        parent.ShowAndWait();
    }

    void Tick(int timerId) { GuiFixture::Tick(preview, timerId); }

    test::RecordingParent parent;
    CVixMouseStatic* preview = nullptr;
};

TEST_F(MouseStaticTest, ZonesShowThroughThePictureOnlyWhenOn) {
    preview->setScrollWheelColor(0xFFFF0000);
    preview->setLogoColor(0xFF00FF00);
    QImage shown = test::Grab(preview);
    EXPECT_EQ(shown.pixel(100, 10), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(204, 120), qRgb(0, 255, 0));  // the logo light reaches the edge
    EXPECT_EQ(shown.pixel(50, 50), qRgb(0, 0, 255));

    preview->setScrollWheelOn(false);
    preview->setLogoOn(false);
    shown = test::Grab(preview);
    EXPECT_EQ(shown.pixel(100, 10), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(204, 120), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(50, 50), qRgb(0, 0, 255));
}

TEST_F(MouseStaticTest, BrightnessIsTheAlphaOverBlack) {
    preview->setScrollWheelColor(0xFFFF0000);
    preview->SetBrightness(0);
    EXPECT_EQ(preview->scrollWheelColor(), 0x00FF0000u);
    EXPECT_EQ(test::Grab(preview).pixel(100, 10), qRgb(0, 0, 0));
    preview->SetBrightness(255);
    EXPECT_EQ(test::Grab(preview).pixel(100, 10), qRgb(255, 0, 0));
}

TEST_F(MouseStaticTest, SteadyAfterBlinkingIsFullBrightnessWithoutEffectTimer) {
    preview->SetEffect(CVixMouseStatic::kBlinking);
    Tick(preview->effectTimerId());
    Tick(preview->effectTimerId());
    preview->SetEffect(CVixMouseStatic::kSteady);
    EXPECT_EQ(preview->effectTimerId(), 0);
    EXPECT_EQ(Alpha(preview->scrollWheelColor()), 255u);
    EXPECT_EQ(Alpha(preview->logoColor()), 255u);
}

TEST_F(MouseStaticTest, BlinkingTogglesEveryTick) {
    preview->SetEffect(CVixMouseStatic::kBlinking);
    Tick(preview->effectTimerId());
    const auto first = Alpha(preview->scrollWheelColor());
    Tick(preview->effectTimerId());
    const auto second = Alpha(preview->scrollWheelColor());
    EXPECT_EQ(first + second, 255u);
    EXPECT_TRUE(first == 0 || first == 255);
}

TEST_F(MouseStaticTest, PulsatingGoesDarkTwiceEveryFifteenTicks) {
    preview->SetEffect(CVixMouseStatic::kPulsating);
    std::vector<int> dark;
    for (int i = 0; i < 15; ++i) {
        Tick(preview->effectTimerId());
        if (Alpha(preview->scrollWheelColor()) == 0) {
            dark.push_back(i);
        }
    }
    ASSERT_EQ(dark.size(), 2u);
    const int gap = dark[1] - dark[0];
    EXPECT_TRUE(gap == 3 || gap == 12) << gap;
}

TEST_F(MouseStaticTest, HiddenPreviewKeepsItsBrightness) {
    preview->SetEffect(CVixMouseStatic::kBreathing);
    preview->SetBrightness(77);
    preview->hide();
    for (int i = 0; i < 5; ++i) {
        Tick(preview->effectTimerId());
    }
    EXPECT_EQ(Alpha(preview->scrollWheelColor()), 77u);
    preview->show();
    Tick(preview->effectTimerId());
    EXPECT_NE(Alpha(preview->scrollWheelColor()), 77u);
}

TEST_F(MouseStaticTest, BreathingRampsBetweenDarkAndFull) {
    preview->SetEffect(CVixMouseStatic::kBreathing);
    int previous = -1;
    int turns = 0;
    int direction = 0;
    for (int i = 0; i < 120; ++i) {
        Tick(preview->effectTimerId());
        const int alpha = static_cast<int>(Alpha(preview->scrollWheelColor()));
        ASSERT_GE(alpha, 0);
        ASSERT_LE(alpha, 255);
        if (previous >= 0) {
            const int step = alpha - previous;
            ASSERT_LE(std::abs(step), 10);
            const int d = step > 0 ? 1 : -1;
            if (direction != 0 && d != direction) {
                ++turns;
            }
            direction = d;
        }
        previous = alpha;
    }
    EXPECT_GE(turns, 3);  // 120 ticks hold several 26-tick ramps
}

TEST_F(MouseStaticTest, ColourShiftStaysInRangeAndKeepsTheBrightness) {
    preview->setScrollWheelColor(0x80123456);
    preview->StartColorShift();
    const int timer = preview->colorShiftTimerId();
    std::uint32_t last = preview->scrollWheelColor();
    bool changed = false;
    for (int i = 0; i < 300; ++i) {
        Tick(timer);
        const std::uint32_t c = preview->scrollWheelColor();
        EXPECT_EQ(c, preview->logoColor());
        EXPECT_EQ(Alpha(c), 0x80u);
        // Each channel moves by at most 15 a tick; a channel that left
        // 0 … 255 would show as a jump when its byte wrapped.
        for (int shift : {16, 8, 0}) {
            const int now = static_cast<int>((c >> shift) & 0xFF);
            const int before = static_cast<int>((last >> shift) & 0xFF);
            if (i > 0) {
                EXPECT_LE(std::abs(now - before), 15) << "tick " << i;
            }
        }
        changed = changed || (i > 0 && c != last);
        last = c;
    }
    EXPECT_TRUE(changed);
    preview->StopColorShift();
    EXPECT_EQ(preview->colorShiftTimerId(), 0);
}

class NumEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        edit = new CQelNUMEdit(1030, &parent);
        edit->setGeometry(10, 10, 60, 20);
        parent.ShowAndWait();
    }
    size_t Changes() const { return parent.notifications.size(); }

    test::RecordingParent parent;
    CQelNUMEdit* edit = nullptr;
};

TEST_F(NumEditTest, FourthCharacterIsRefusedWithTheCaretKept) {
    QTest::keyClicks(edit, "123");
    EXPECT_EQ(edit->text(), "123");
    EXPECT_EQ(Changes(), 3u);
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_4);
    EXPECT_EQ(edit->text(), "123");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(Changes(), 3u);
    for (const auto& n : parent.notifications) {
        EXPECT_EQ(n, (Notification{1030, notify::kEditChanged}));
    }
}

TEST_F(NumEditTest, OtherCharactersAreDroppedSilently) {
    QTest::keyClicks(edit, "a.+ 7x");
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(Changes(), 1u);
}

TEST_F(NumEditTest, TheLengthCheckAppliesToTheResult) {
    edit->setText("123");
    parent.notifications.clear();
    edit->setSelection(0, 2);
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(edit->text(), "53");
    EXPECT_EQ(Changes(), 1u);

    // Only characters and length are checked.
    edit->clear();
    QTest::keyClicks(edit, "--9");
    EXPECT_EQ(edit->text(), "--9");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "--");
}

TEST(Edit, EveryChangeIsToldAndTheEmptyFieldIsABlackBoxWithAGreyFrame) {
    test::RecordingParent parent;
    auto* edit = new CVixEdit(1031, &parent);
    edit->setGeometry(10, 10, 80, 22);
    parent.ShowAndWait();
    QImage shown = test::Grab(edit);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0x96, 0x96, 0x96));
    EXPECT_EQ(shown.pixel(79, 21), qRgb(0x96, 0x96, 0x96));
    EXPECT_EQ(shown.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(78, 20), qRgb(0, 0, 0));

    edit->setText("Macro 1");
    QTest::keyClicks(edit, "2");
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1031, notify::kEditChanged},
                                                               {1031, notify::kEditChanged}}));

    edit->setBackground(test::Solid(80, 22, 0xFF336699));
    shown = test::Grab(edit);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(shown.pixel(79, 21), qRgb(0x33, 0x66, 0x99));
}

}  // namespace
}  // namespace solune
