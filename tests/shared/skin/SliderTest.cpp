#include <gtest/gtest.h>

#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/ControlNotify.h"
#include "shared/layout/SliderMath.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::Notification;

struct PointCase {
    int x, left, right, thumbWidth, minValue, maxValue, step;
    int expected;
};

TEST(SliderMath, ValueUnderThePointIsRoundedClampedAndSnapped) {
    // Track 0 … 210 with a 10-pixel thumb: 200 pixels of travel from x = 5.
    const PointCase cases[] = {
        {5 + 82, 0, 210, 10, 200, 1400, 200, 600},  // 41 %: 692 snaps down to 600
        {5 + 92, 0, 210, 10, 200, 1400, 200, 800},  // 46 %: 752 snaps up to 800
        {210, 0, 210, 10, 0, 8, 5, 10},             // clamped to 8, snapped past it
        {0, 0, 210, 10, 0, 8, 5, 0},
        {5 + 50, 0, 210, 10, 0, 100, 1, 25},
        {5 + 51, 0, 210, 10, 0, 100, 1, 26},      // 25.5 rounds up
        {5 + 1, 0, 210, 10, -100, 100, 1, -99},   // -99.0
        {5 + 49, 0, 210, 10, -100, 100, 1, -51},  // -51.0
        {5 + 50, 0, 210, 10, -101, 100, 1, -50},  // -50.75 goes toward zero
        {-40, 0, 210, 10, 0, 100, 1, 0},          // left of the track
        {400, 0, 210, 10, 0, 100, 1, 100},        // right of the track
        {100, 0, 10, 10, 0, 100, 1, 0},           // no travel at all
        {100, 0, 210, 10, 50, 50, 1, 50},         // equal bounds
        {5 + 100, 0, 210, 10, 0, 100, 0, 50},     // step 0 leaves the value
        {5 + 100, 20, 230, 10, 0, 100, 1, 40},    // track starting at 20
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " bounds " << c.minValue << " … "
                                        << c.maxValue << " step " << c.step);
        const int v =
            layout::ValueAtPoint(c.x, c.left, c.right, c.thumbWidth, c.minValue, c.maxValue);
        EXPECT_EQ(layout::SnapToStep(v, c.step), c.expected);
    }
}

TEST(SliderMath, ThumbSitsAtTheTruncatedShareOfTheTravel) {
    EXPECT_EQ(layout::ThumbCenterX(0, 210, 10, 0, 0, 100), 5);
    EXPECT_EQ(layout::ThumbCenterX(0, 210, 10, 100, 0, 100), 205);
    EXPECT_EQ(layout::ThumbCenterX(0, 210, 10, 1, 0, 3), 5 + 66);  // 66.67 truncated
    EXPECT_EQ(layout::ThumbCenterX(0, 210, 10, 7, 7, 7), 5);       // equal bounds
    EXPECT_EQ(layout::ThumbOffset(334, 50, 0, 100), 167);
}

class SliderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slider = new CVixSliderCtrl(1015, &parent);
        slider->setGeometry(40, 60, 210, 30);
        slider->SetImages(test::Solid(210, 30, 0xFF202020), test::Solid(10, 12, 0xFF00FF00),
                          test::Solid(10, 12, 0xFF0000FF), test::Solid(10, 12, 0xFF808080));
        slider->setMinValue(200);
        slider->setMaxValue(1400);
        slider->setStep(200);
        parent.ShowAndWait();
    }

    test::RecordingParent parent;
    CVixSliderCtrl* slider = nullptr;
};

TEST_F(SliderTest, DragSnapsAndTellsEachNewValueOnce) {
    test::MoveTo(slider, {87, 5});
    test::Press(slider, {87, 5});
    test::MoveTo(slider, {88, 5});  // still 600
    test::MoveTo(slider, {97, 5});
    test::Release(slider, {97, 5});
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1015, 600}, {1015, 800}}));
    EXPECT_EQ(slider->value(), 800);
    EXPECT_EQ(slider->state(), SkinSliderBase::kNormal);
}

TEST_F(SliderTest, SetPosTellsOnlyNewValuesAndDoesNotClamp) {
    slider->SetPos(600);
    slider->SetPos(600);
    slider->SetPos(5000);
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1015, 600}, {1015, 5000}}));
    EXPECT_EQ(slider->value(), 5000);
}

TEST_F(SliderTest, DragThatLeavesStopsThereAndResumesOnReturn) {
    test::MoveTo(slider, {87, 5});
    test::Press(slider, {87, 5});
    test::MoveTo(&parent, {300, 200});  // leaves to the right and below
    const auto told = parent.notifications.size();
    const int kept = slider->value();
    EXPECT_EQ(slider->state(), SkinSliderBase::kNormal);
    test::MoveTo(&parent, {20, 250});  // wandering outside changes nothing
    EXPECT_EQ(parent.notifications.size(), told);

    test::MoveTo(slider, {30, 5});  // back with the button held: dragging again
    EXPECT_EQ(slider->state(), SkinSliderBase::kDragging);
    test::MoveTo(slider, {31, 5});
    EXPECT_EQ(slider->value(), 400);  // (26 / 200) × 1200 + 200 = 356 → 400
    test::Release(slider, {31, 5});
    EXPECT_NE(kept, slider->value());
}

TEST_F(SliderTest, ReleaseOutsideAfterLeavingKeepsTheValue) {
    test::MoveTo(slider, {87, 5});
    test::Press(slider, {87, 5});
    test::MoveTo(&parent, {390, 20});
    const int kept = slider->value();
    test::Release(&parent, {390, 20});
    EXPECT_EQ(slider->value(), kept);
}

TEST_F(SliderTest, DisabledSliderIgnoresThePointer) {
    slider->SetPos(800);
    parent.notifications.clear();
    slider->setState(SkinSliderBase::kDisabled);
    test::Click(slider, {150, 5});
    EXPECT_TRUE(parent.notifications.empty());
    EXPECT_EQ(test::Grab(slider).pixel(slider->thumbCenterX(), 5), qRgb(128, 128, 128));
}

TEST_F(SliderTest, ThumbPictureFollowsTheState) {
    slider->SetPos(800);
    const int x = slider->thumbCenterX();
    EXPECT_EQ(x, 5 + 100);
    EXPECT_EQ(test::Grab(slider).pixel(x, 5), qRgb(0, 255, 0));
    test::MoveTo(slider, {20, 20});
    EXPECT_EQ(test::Grab(slider).pixel(x, 5), qRgb(0, 0, 255));
}

TEST(Slider3D, DraggingThumbTwoTellsItsCode) {
    test::RecordingParent parent;
    auto* slider = new CVixSliderCtrl3D(1024, &parent);
    slider->setGeometry(20, 20, 210, 30);
    slider->SetImages(test::Solid(210, 30, 0xFF202020), test::Solid(10, 20, 0xFFFF0000),
                      test::Solid(10, 20, 0xFF00FF00), test::Solid(10, 24, 0xFF0000FF));
    slider->setMinValue(0);
    slider->setMaxValue(100);
    slider->setStep(5);
    parent.ShowAndWait();
    slider->SetThumbPos(1, 10, false);
    slider->SetThumbPos(2, 50, true);
    slider->SetThumbPos(3, 90, true);
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{{1024, 0x20000 + 50}, {1024, 0x30000 + 90}}));
    EXPECT_EQ(slider->thumbRect(2), QRect(100, 2, 10, 20));  // centred on thumb 3's height
    parent.notifications.clear();

    test::MoveTo(slider, {104, 10});
    test::Press(slider, {104, 10});
    EXPECT_EQ(slider->activeThumb(), 2);
    test::MoveTo(slider, {75, 10});  // (70 / 200) × 100 = 35
    test::Release(slider, {75, 10});
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1024, 0x20000 + 35}}));
    EXPECT_EQ(slider->thumbValue(1), 10);
    EXPECT_EQ(slider->thumbValue(2), 35);
    EXPECT_EQ(slider->activeThumb(), 0);

    // A press beside every thumb moves none.
    parent.notifications.clear();
    test::Click(slider, {160, 10});
    EXPECT_TRUE(parent.notifications.empty());
}

TEST(Slider3D, SetThumbPosClampsAndThumbOneWinsOverlaps) {
    test::RecordingParent parent;
    CVixSliderCtrl3D* slider = new CVixSliderCtrl3D(1025, &parent);
    slider->setGeometry(0, 0, 210, 30);
    slider->SetImages(QImage(), test::Solid(10, 20, 0xFFFF0000), test::Solid(10, 20, 0xFF00FF00),
                      test::Solid(10, 20, 0xFF0000FF));
    slider->SetThumbPos(1, 500, true);
    slider->SetThumbPos(2, 500, true);
    slider->SetThumbPos(2, 100, true);  // same as the clamped value already told
    slider->SetThumbPos(4, 10, true);   // no such thumb
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{{1025, 0x10000 + 100}, {1025, 0x20000 + 100}}));
    EXPECT_EQ(slider->HitThumb({205, 10}), 1);
    // The thumb at the far end stays inside the control.
    EXPECT_EQ(slider->thumbRect(1).right(), 209);
}

}  // namespace
}  // namespace solune
