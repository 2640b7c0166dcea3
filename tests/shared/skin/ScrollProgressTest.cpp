#include <gtest/gtest.h>

#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixScrollCtrl.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::Notification;

CVixScrollCtrl* MakeScroll(QWidget* parent, QSize size) {
    auto* scroll = new CVixScrollCtrl(1060, parent);
    scroll->setGeometry(QRect(QPoint(30, 30), size));
    // Arrows 15 × 17 wide and 17 × 15 high, a 20 × 20 thumb.
    scroll->SetImages(test::Solid(size.width(), size.height(), 0xFF111111),
                      test::Solid(20, 20, 0xFF00FF00), test::Solid(20, 20, 0xFF00AA00),
                      test::Solid(15, 15, 0xFFFF0000), test::Solid(15, 15, 0xFFAA0000),
                      test::Solid(15, 15, 0xFF0000FF), test::Solid(15, 15, 0xFF0000AA));
    return scroll;
}

TEST(Scroll, OrientationAndLayoutFollowTheShape) {
    struct Case {
        QSize size;
        int orientation;
        QRect first, second, track, thumb;
    };
    const Case cases[] = {
        {{200, 17}, 0, {0, 0, 15, 17}, {185, 0, 15, 17}, {15, 0, 170, 17}, {15, 0, 20, 17}},
        {{17, 200}, 1, {0, 0, 17, 15}, {0, 185, 17, 15}, {0, 15, 17, 170}, {0, 15, 17, 20}},
        {{50, 50}, 1, {0, 0, 50, 15}, {0, 35, 50, 15}, {0, 15, 50, 20}, {0, 15, 50, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << " × " << c.size.height());
        QWidget parent;
        CVixScrollCtrl* scroll = MakeScroll(&parent, c.size);
        EXPECT_EQ(scroll->orientation(), c.orientation);
        EXPECT_EQ(scroll->firstArrowRect(), c.first);
        EXPECT_EQ(scroll->secondArrowRect(), c.second);
        EXPECT_EQ(scroll->trackRect(), c.track);
        EXPECT_EQ(scroll->thumbRect(), c.thumb);
    }
}

class ScrollTest : public ::testing::Test {
  protected:
    void SetUp() override {
        scroll = MakeScroll(&parent, {200, 17});
        parent.ShowAndWait();
    }
    test::RecordingParent parent;
    CVixScrollCtrl* scroll = nullptr;
};

TEST_F(ScrollTest, SetPosClampsMovesTheThumbAndAlwaysTells) {
    scroll->SetPos(50);
    scroll->SetPos(50);
    scroll->SetPos(180);
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{{1060, 50}, {1060, 50}, {1060, 100}}));
    EXPECT_EQ(scroll->thumbRect().left(), 15 + 150);
    scroll->SetPos(50);
    EXPECT_EQ(scroll->thumbRect().left(), 15 + 75);
}

TEST_F(ScrollTest, EndButtonsJumpToTheEndsWhereverTheReleaseLands) {
    scroll->SetPos(40);
    parent.notifications.clear();
    // First arrow, released far outside the control.
    test::MoveTo(scroll, {5, 8});
    test::Press(scroll, {5, 8});
    EXPECT_EQ(scroll->pressedPart(), CVixScrollCtrl::kFirstArrow);
    test::MoveTo(&parent, {350, 250});
    test::Release(&parent, {350, 250});
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1060, 0}, {1060, 0}}));
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(scroll->pressedPart(), CVixScrollCtrl::kNoPart);

    parent.notifications.clear();
    test::Click(scroll, {195, 8});
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1060, 100}, {1060, 100}}));
}

TEST_F(ScrollTest, PressInTheTrackJumpsAndDragFollows) {
    test::MoveTo(scroll, {110, 8});
    test::Press(scroll, {110, 8});  // (110 − 10 − 15) × 100 ÷ 150 = 56.67 → 57
    EXPECT_EQ(scroll->value(), 57);
    test::MoveTo(scroll, {40, 8});  // 15 × 100 ÷ 150 = 10
    test::Release(scroll, {40, 8});
    EXPECT_EQ(scroll->value(), 10);
    EXPECT_EQ(parent.notifications.back(), (Notification{1060, 10}));
    EXPECT_EQ(scroll->thumbRect().left(), 15 + 15);
}

TEST(Scroll, LastToldValueIsSharedByAllScrollControls) {
    test::RecordingParent parent;
    CVixScrollCtrl* first = MakeScroll(&parent, {200, 17});
    CVixScrollCtrl* second = MakeScroll(&parent, {200, 17});
    second->move(30, 100);
    parent.ShowAndWait();
    test::Click(first, {40, 8});   // 10
    test::Click(first, {100, 8});  // 50
    ASSERT_EQ(parent.notifications.back(), (Notification{1060, 50}));
    const auto told = parent.notifications.size();
    test::Click(second, {100, 8});  // also 50: not told again
    EXPECT_EQ(parent.notifications.size(), told);
    EXPECT_EQ(second->value(), 50);
}

// A fill picture whose rows and columns can be told apart.
QImage Gradient(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, 200));
        }
    }
    return image;
}

constexpr QRgb kEmpty = 0xFF000010;

TEST(Progress, HorizontalFillRevealsTheLeftPart) {
    QWidget parent;
    CVixProgressCtrl bar(1000, &parent);
    bar.setGeometry(0, 0, 334, 17);
    bar.setBackground(test::Solid(334, 17, kEmpty));
    bar.setFill(Gradient(334, 17));
    bar.setValue(50);
    const QImage shown = test::Grab(&bar);
    EXPECT_EQ(bar.fillSize(), 167);
    EXPECT_EQ(shown.pixel(166, 5), qRgb(166, 5, 200));
    EXPECT_EQ(shown.pixel(167, 5), kEmpty);
    EXPECT_EQ(shown.pixel(0, 16), qRgb(0, 16, 200));
}

TEST(Progress, VerticalFillGrowsFromTheBottomWithTheTopRows) {
    QWidget parent;
    CVixProgressCtrl bar(1026, &parent);
    bar.setGeometry(0, 0, 20, 50);
    bar.setBackground(test::Solid(20, 50, kEmpty));
    bar.setFill(Gradient(20, 50));
    bar.setMaxValue(10);
    bar.setValue(3);
    bar.setVertical(1);
    const QImage shown = test::Grab(&bar);
    EXPECT_EQ(shown.pixel(4, 34), kEmpty);
    EXPECT_EQ(shown.pixel(4, 35), qRgb(4, 0, 200));  // the fill's top row
    EXPECT_EQ(shown.pixel(4, 49), qRgb(4, 14, 200));
}

TEST(Progress, FillOutsideThePictureShowsOnlyTheBackground) {
    struct Case {
        int minValue, maxValue, value;
    };
    const Case cases[] = {{0, 100, 120}, {0, 100, -5}, {0, 100, 0}, {50, 50, 50}};
    for (const Case& c : cases) {
        QWidget parent;
        CVixProgressCtrl bar(1000, &parent);
        bar.setGeometry(0, 0, 100, 10);
        bar.setBackground(test::Solid(100, 10, kEmpty));
        bar.setFill(test::Solid(100, 10, 0xFFFFFFFF));
        bar.setMinValue(c.minValue);
        bar.setMaxValue(c.maxValue);
        bar.setValue(c.value);
        const QImage shown = test::Grab(&bar);
        EXPECT_EQ(shown.pixel(0, 0), kEmpty) << c.value;
        EXPECT_EQ(shown.pixel(99, 9), kEmpty) << c.value;
    }
}

TEST(Progress, UpdaterVariantDrawsOnlyHorizontally) {
    QWidget parent;
    CVixProgressCtrl bar(1000, &parent, CVixProgressCtrl::Variant::Updater);
    bar.setGeometry(0, 0, 334, 17);
    bar.setBackground(test::Solid(334, 17, kEmpty));
    bar.setFill(Gradient(334, 17));
    bar.setValue(2);
    bar.setVertical(2);  // the updater's worker stores the value here too
    const QImage shown = test::Grab(&bar);
    EXPECT_EQ(shown.pixel(5, 0), qRgb(5, 0, 200));  // trunc(0.02 × 334) = 6 columns
    EXPECT_EQ(shown.pixel(6, 0), kEmpty);
}

}  // namespace
}  // namespace solune
