// The button page as built, and its boxes, sliders, keys and news.

#include <QTest>

#include "shared/layout/ButtonPageLayout.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/ControlNotify.h"
#include "tests/config/pages/ButtonPageFixture.h"

namespace solune {
namespace {

class ButtonPageControls : public test::ButtonPageFixture {
  protected:
    std::vector<const char*> Ticked() const {
        std::vector<const char*> ticked;
        for (const char* box : {"125", "250", "500", "1000"}) {
            if (Control<CVixCheckBox>(box).isChecked()) {
                ticked.push_back(box);
            }
        }
        return ticked;
    }
};

TEST_F(ButtonPageControls, BuiltPageShowsTheDefaults) {
    const QImage background = page->backgroundImage();
    ASSERT_FALSE(background.isNull());
    EXPECT_EQ(page->size(), background.size());
    for (const layout::LayoutControl& control : layout::kButtonPageControls) {
        SCOPED_TRACE(control.name.data());
        QWidget* widget = Find(std::string(control.name).c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(control.rect.x, control.rect.y, control.rect.width, control.rect.height));
    }
    const char* captions[] = {"Left Click", "Right Click",    "Scroll Click",
                              "Forward",    "Back",           "Dpi up",
                              "Dpi down",   "Disable Button", "Disable Button"};
    const int codes[] = {0, 1, 2, 3, 4, 5, 6, 15, 15};
    for (int k = 0; k < kButtonCount; ++k) {
        EXPECT_EQ(Selector(k).caption(), captions[k]);
        EXPECT_EQ(Selector(k).chosenItemId(), codes[k]);
    }
    EXPECT_EQ(Ticked(), std::vector<const char*>{"1000"});
    EXPECT_FALSE(Control<CVixCheckBox>("Enable").isChecked());
    EXPECT_EQ(Control<CVixSliderCtrl>("Double Click").value(), 800);
    EXPECT_EQ(Control<CVixSliderCtrl>("Scroll Speed").value(), 1);
    EXPECT_EQ(Control<CVixSliderCtrl>("Point Acceleration").value(), 2);
    EXPECT_EQ(Control<CVixSliderCtrl>("Point Acceleration").state(), CVixSliderCtrl::kDisabled);
    EXPECT_FALSE(test::SkinFailed());  // every picture was there
}

TEST_F(ButtonPageControls, MarkersOfButtonsEightAndNineShowNothing) {
    for (const char* name : {"Bn8", "Bn9"}) {
        CVixButton& marker = Control<CVixButton>(name);
        EXPECT_FALSE(marker.isVisible()) << name;
        EXPECT_TRUE(marker.geometry().isEmpty()) << name;
        EXPECT_TRUE(marker.picture(CVixButton::kNormalPicture).isNull()) << name;
    }
    EXPECT_TRUE(Control<CVixButton>("Bn7").isVisible());
    EXPECT_FALSE(Control<CVixButton>("Bn7").picture(CVixButton::kNormalPicture).isNull());
}

TEST_F(ButtonPageControls, ExactlyOneReportRateIsTickedAfterEveryClick) {
    const char* clicks[] = {"250", "250", "125", "1000", "500", "500"};
    const std::int16_t stored[] = {4, 4, 8, 1, 2, 2};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(clicks[i]);
        ClickControl(clicks[i]);
        EXPECT_EQ(Ticked(), std::vector<const char*>{clicks[i]});
        Profile profile;
        page->StoreToProfile(profile);
        EXPECT_EQ(profile.pollingInterval, stored[i]);
    }
}

TEST_F(ButtonPageControls, AnUnknownIntervalTicksNoneUntilABoxIsClicked) {
    Profile profile;
    profile.pollingInterval = 3;
    page->LoadFromProfile(profile);
    EXPECT_TRUE(Ticked().empty());
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.pollingInterval, 3);
    ClickControl("125");
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.pollingInterval, 8);
}

TEST_F(ButtonPageControls, EnableGreysTheAccelerationSliderWhichKeepsItsValue) {
    Profile profile;
    profile.accelerationEnabled = 1;
    profile.accelerationLevel = 3;
    page->LoadFromProfile(profile);
    CVixSliderCtrl& slider = Control<CVixSliderCtrl>("Point Acceleration");
    ASSERT_EQ(slider.state(), CVixSliderCtrl::kNormal);

    ClickControl("Enable");
    EXPECT_FALSE(Control<CVixCheckBox>("Enable").isChecked());
    EXPECT_EQ(slider.state(), CVixSliderCtrl::kDisabled);
    // A greyed slider does not follow the pointer.
    test::Click(&slider, {2, slider.height() / 2});
    EXPECT_EQ(slider.value(), 3);
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.accelerationEnabled, 0);
    EXPECT_EQ(profile.accelerationLevel, 3);

    ClickControl("Enable");
    EXPECT_EQ(slider.state(), CVixSliderCtrl::kNormal);
    test::Click(&slider, {2, slider.height() / 2});
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.accelerationEnabled, 1);
    EXPECT_EQ(profile.accelerationLevel, 1);
}

TEST_F(ButtonPageControls, SliderPositionsAreStored) {
    CVixSliderCtrl& doubleClick = Control<CVixSliderCtrl>("Double Click");
    CVixSliderCtrl& lines = Control<CVixSliderCtrl>("Scroll Speed");
    test::Click(&doubleClick, {doubleClick.width() - 1, doubleClick.height() / 2});
    test::Click(&lines, {0, lines.height() / 2});
    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.doubleClickSetting, 1400);
    EXPECT_EQ(profile.scrollLines, 1);
}

// Counts the key presses that reach a window.
class KeyPressCounter : public QObject {
  public:
    int presses = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            ++presses;
        }
        return false;
    }
};

TEST_F(ButtonPageControls, EnterAndEscapeDoNothing) {
    KeyPressCounter hostKeys;
    host.installEventFilter(&hostKeys);
    page->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(page, key);
        EXPECT_TRUE(page->isVisible()) << key;
        EXPECT_TRUE(host.isVisible()) << key;
    }
    // The keys end on the page: the main window does not see them either.
    EXPECT_EQ(hostKeys.presses, 0);
    // Nor does closing the page as a dialog.
    page->close();
    EXPECT_TRUE(page->isVisible());
}

TEST_F(ButtonPageControls, MenuClosingGoesOnToTheParentAndOtherNewsDoesNot) {
    CVixMenu* menu = OpenMenu(0);
    ASSERT_TRUE(menu->isVisible());
    host.notifications.clear();
    menu->Close();
    const std::vector<test::Notification> closing = {{notify::kMenuClosing, 1},
                                                     {notify::kMenuClosing, 0}};
    EXPECT_EQ(host.notifications, closing);

    host.notifications.clear();
    ClickControl("Bn1");  // hover news of a marker
    CVixSliderCtrl& lines = Control<CVixSliderCtrl>("Scroll Speed");
    test::Click(&lines, {lines.width() - 1, lines.height() / 2});  // slider news
    EXPECT_TRUE(host.notifications.empty());
}

// The x of every tick mark drawn on the track of `slider`, in page
// coordinates: the runs of the groove colour on the row under the groove.
std::vector<int> TickMarks(const QImage& page, const QWidget& slider) {
    const QColor groove(0x4B, 0x50, 0x58);
    const int y = slider.y() + slider.height() / 2 - 1 + 4;
    std::vector<int> ticks;
    for (int x = slider.x(); x < slider.x() + slider.width(); ++x) {
        if (page.pixelColor(x, y) == groove) {
            ticks.push_back(x);
        }
    }
    return ticks;
}

TEST_F(ButtonPageControls, EachSliderMarksItsStopsWhereTheThumbRests) {
    ClickControl("Enable");  // the acceleration slider takes clicks once enabled
    const QImage background = page->backgroundImage();
    struct Case {
        const char* name;
        std::vector<int> stops;
    };
    const Case cases[] = {
        {"Double Click", {200, 400, 600, 800, 1000, 1200, 1400}},
        {"Scroll Speed", {1, 2, 3, 4, 5, 6}},
        {"Point Acceleration", {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& slider = Control<CVixSliderCtrl>(c.name);
        const std::vector<int> ticks = TickMarks(background, slider);
        ASSERT_EQ(ticks.size(), c.stops.size());
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            // A click on the mark puts the thumb on that stop, centred on it.
            Click(&slider, QPoint(ticks[i] - slider.x(), slider.height() / 2));
            EXPECT_EQ(slider.value(), c.stops[i]) << "mark " << i;
            EXPECT_EQ(slider.x() + slider.thumbCenterX(), ticks[i]) << "mark " << i;
        }
    }
}

}  // namespace
}  // namespace solune
