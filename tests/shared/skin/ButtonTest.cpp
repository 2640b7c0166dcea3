#include <gtest/gtest.h>

#include <QTest>
#include <utility>

#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixImageDialog.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/ControlNotify.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::Notification;

constexpr QRgb kNormal = 0xFF102030;
constexpr QRgb kOver = 0xFF405060;
constexpr QRgb kDown = 0xFF708090;
constexpr QRgb kDisable = 0xFFA0B0C0;

bool HasColor(const QImage& image, QColor color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color.rgb()) {
                return true;
            }
        }
    }
    return false;
}

class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        button = new CVixButton(1042, &parent);
        button->setGeometry(50, 50, 120, 40);
        button->SetImages(test::Solid(120, 40, kNormal), test::Solid(120, 40, kOver),
                          test::Solid(120, 40, kDown), test::Solid(120, 40, kDisable));
        parent.ShowAndWait();
    }

    // The colour in the middle of the button, away from any caption.
    QRgb PictureColor() { return test::Grab(button).pixel(110, 35); }

    test::RecordingParent parent;
    CVixButton* button = nullptr;
};

TEST_F(ButtonTest, OneHoverNotificationPerEntry) {
    test::MoveTo(&parent, {10, 10});
    test::MoveTo(button, {10, 10});
    test::MoveTo(button, {20, 12});
    test::MoveTo(button, {60, 30});
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1042, notify::kPointerEntered}}));
    EXPECT_EQ(button->visualState(), SkinButtonBase::kOver);

    test::MoveTo(&parent, {5, 5});  // leaves
    EXPECT_EQ(button->visualState(), SkinButtonBase::kNormal);
    EXPECT_FALSE(button->isTracking());
    test::MoveTo(button, {10, 10});  // enters again
    EXPECT_EQ(parent.notifications.size(), 2u);
}

TEST_F(ButtonTest, ClickReachesTheParentAndTheNextMoveEntersAgain) {
    test::Click(button, {30, 20});
    EXPECT_EQ(parent.clicks, std::vector<int>{1042});
    EXPECT_EQ(button->visualState(), SkinButtonBase::kNormal);
    test::MoveTo(button, {31, 20});
    EXPECT_EQ(button->visualState(), SkinButtonBase::kOver);
    EXPECT_EQ(parent.notifications.size(), 2u);  // entry, then entry after the click
}

TEST_F(ButtonTest, PressDraggedOffTheButtonIsNoClick) {
    test::MoveTo(button, {30, 20});
    test::Press(button, {30, 20});
    EXPECT_EQ(button->visualState(), SkinButtonBase::kDown);
    test::MoveTo(&parent, {5, 5});
    EXPECT_FALSE(button->isPressed());
    test::Release(&parent, {5, 5});
    EXPECT_TRUE(parent.clicks.empty());
}

TEST_F(ButtonTest, PictureFollowsTheState) {
    EXPECT_EQ(PictureColor(), kNormal);
    test::MoveTo(button, {30, 20});
    EXPECT_EQ(PictureColor(), kOver);
    test::Press(button, {30, 20});
    EXPECT_EQ(PictureColor(), kDown);
    test::Release(button, {30, 20});
    EXPECT_EQ(PictureColor(), kNormal);
    button->setEnabled(false);
    EXPECT_EQ(PictureColor(), kDisable);
}

TEST_F(ButtonTest, SelectedButtonShowsItsDownPictureAndSelectedColourEvenHovered) {
    button->setCaption("MMMM");
    QFont font = button->textFont();
    font.setPixelSize(30);
    font.setBold(true);
    button->setTextFont(font);
    button->setSelected(true);
    EXPECT_EQ(PictureColor(), kDown);
    EXPECT_TRUE(HasColor(test::Grab(button), QColor(0xB3, 0xD3, 0x35)));
    test::MoveTo(button, {30, 20});
    const QImage hovered = test::Grab(button);
    EXPECT_EQ(hovered.pixel(110, 35), kDown);
    EXPECT_TRUE(HasColor(hovered, QColor(0xB3, 0xD3, 0x35)));
    EXPECT_FALSE(HasColor(hovered, Qt::white));

    // Disabled with a disable picture: that picture, grey caption.
    button->setEnabled(false);
    const QImage disabled = test::Grab(button);
    EXPECT_EQ(disabled.pixel(110, 35), kDisable);
    EXPECT_TRUE(HasColor(disabled, QColor(120, 120, 120)));
}

TEST_F(ButtonTest, CaptionColourOfUnselectedStates) {
    button->setCaption("MMMM");
    QFont font = button->textFont();
    font.setPixelSize(30);
    font.setBold(true);
    button->setTextFont(font);
    EXPECT_TRUE(HasColor(test::Grab(button), QColor(0xD2, 0xD2, 0xD2)));
    test::MoveTo(button, {30, 20});
    EXPECT_TRUE(HasColor(test::Grab(button), Qt::white));
    test::Press(button, {30, 20});  // pressed keeps the normal colour
    EXPECT_TRUE(HasColor(test::Grab(button), QColor(0xD2, 0xD2, 0xD2)));
    test::Release(button, {30, 20});
}

TEST_F(ButtonTest, MissingPicturesDrawNothingButTheCaptionStays) {
    button->SetImages(test::Solid(120, 40, kNormal), QImage(), QImage(), QImage());
    parent.setStyleSheet("background: rgb(1, 2, 3)");
    parent.setAutoFillBackground(true);
    button->setCaption("MMMM");
    QFont font = button->textFont();
    font.setPixelSize(30);
    font.setBold(true);
    button->setTextFont(font);
    EXPECT_EQ(PictureColor(), kNormal);
    test::MoveTo(button, {30, 20});
    const QImage hovered = test::Grab(button);
    EXPECT_NE(hovered.pixel(110, 35), kNormal);
    EXPECT_TRUE(HasColor(hovered, Qt::white));
    // Disabled without a disable picture: drawn by its state, grey caption.
    test::MoveTo(&parent, {5, 5});
    button->setEnabled(false);
    const QImage disabled = test::Grab(button);
    EXPECT_EQ(disabled.pixel(110, 35), kNormal);
    EXPECT_TRUE(HasColor(disabled, QColor(120, 120, 120)));
}

// Notes what the check box held when its click arrived.
struct CheckWatcher : test::RecordingParent {
    void controlClicked(int id) override {
        checkedAtClick.push_back(box->isChecked());
        RecordingParent::controlClicked(id);
    }
    CVixCheckBox* box = nullptr;
    std::vector<bool> checkedAtClick;
};

TEST(CheckBox, ToggleOnlyWhenReleasedOnIt) {
    CheckWatcher parent;
    auto* box = new CVixCheckBox(1050, &parent);
    box->setGeometry(20, 20, 30, 30);
    box->SetImages(test::Solid(30, 30, kNormal), test::Solid(30, 30, kOver),
                   test::Solid(30, 30, kDown), QImage());
    parent.box = box;
    parent.ShowAndWait();

    // The parent's click already sees the new value.
    test::Click(box, {15, 15});
    EXPECT_EQ(parent.checkedAtClick, std::vector<bool>{true});
    EXPECT_EQ(parent.clicks, std::vector<int>{1050});
    EXPECT_TRUE(parent.notifications.empty());  // no hover news from a check box

    // Pressed, dragged off and released elsewhere: unchanged.
    test::MoveTo(box, {15, 15});
    test::Press(box, {15, 15});
    test::MoveTo(&parent, {200, 200});
    test::Release(&parent, {200, 200});
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(parent.clicks.size(), 1u);

    // Checked shows the down picture.
    EXPECT_EQ(test::Grab(box).pixel(5, 5), kDown);
    test::Click(box, {15, 15});
    EXPECT_FALSE(box->isChecked());
}

TEST(Static, IndexesOutOfRangeDrawOnlyFillAndBackground) {
    test::RecordingParent parent;
    auto* label = new CVixStatic(1080, &parent);
    label->setGeometry(10, 10, 60, 20);
    label->setFillColor(0xFF0000FF);
    label->AddImage(test::Solid(60, 20, kOver));
    label->SetText("MMM");
    label->setTextColor(0xFFFF0000);
    QFont labelFont = label->textFont();
    labelFont.setPixelSize(18);
    label->setTextFont(labelFont);
    parent.ShowAndWait();

    for (int index : {-1, 1, 7}) {
        label->setImageIndex(index);
        label->setTextIndex(index);
        const QImage shown = test::Grab(label);
        EXPECT_EQ(shown.pixel(1, 1), qRgb(0, 0, 255)) << index;
        EXPECT_FALSE(HasColor(shown, Qt::red)) << index;
        EXPECT_EQ(label->GetText(), QString()) << index;
    }
    label->setImageIndex(0);
    label->setTextIndex(0);
    const QImage shown = test::Grab(label);
    EXPECT_EQ(shown.pixel(1, 1), kOver);
    EXPECT_TRUE(HasColor(shown, Qt::red));

    label->SetBackgroundImage(test::Solid(60, 20, kDown));
    label->setImageIndex(-1);
    EXPECT_EQ(test::Grab(label).pixel(1, 1), kDown);
}

// The columns of `shown` that hold a red pixel: first and last (-1, -1 when none).
std::pair<int, int> RedColumns(const QImage& shown) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < shown.width(); ++x) {
        for (int y = 0; y < shown.height(); ++y) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() > 100 && c.green() < 60 && c.blue() < 60) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

TEST(Static, TextsTooLongForTheLabelEndInAnEllipsisInsideIt) {
    struct Case {
        const char* text;
        bool centred;
    };
    const Case cases[] = {
        {"Left SHIFT", true},      {"RIGHT ARROW", true}, {"PRINT SCREEN", true},
        {"PRINT SCREEN", false},   {"A", true},
    };
    test::RecordingParent parent;
    auto* label = new CVixStatic(1081, &parent);
    label->setGeometry(10, 10, 50, 20);
    label->setFillColor(0xFF000000);
    label->setTextColor(0xFFFF0000);
    parent.ShowAndWait();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        label->setCenterText(c.centred);
        label->SetText(QString::fromLatin1(c.text));
        const auto [first, last] = RedColumns(test::Grab(label));
        ASSERT_GE(first, 0);
        // No letter is cut at either edge: the ink stays off the outer columns
        // (a left-aligned text starts at the edge, but its first letter is whole).
        if (c.centred) {
            EXPECT_GT(first, 0);
        }
        EXPECT_LT(last, label->width() - 1);
    }
}

TEST(Static, SetTextReplacesOnlyTheFirstTextAndShowsIt) {
    CVixStatic label(1);
    label.SetText("first");
    label.AddText("second");
    label.setTextIndex(1);
    label.SetText("new");
    EXPECT_EQ(label.textIndex(), 0);
    EXPECT_EQ(label.GetText(), "new");
    label.setTextIndex(1);
    EXPECT_EQ(label.GetText(), "second");
}

TEST(Static, DoubleClickTellsTheParent) {
    test::RecordingParent parent;
    auto* label = new CVixStatic(1089, &parent);
    label->setGeometry(10, 10, 60, 20);
    parent.ShowAndWait();
    QTest::mouseDClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{{1089, notify::kLabelDoubleClicked}}));
}

TEST(ImageDialog, TakesTheSizeOfItsBackgroundAndKeepsItsOwnCopy) {
    CVixImageDialog dialog;
    dialog.resize(123, 45);
    QImage background = test::Solid(400, 300, kNormal);
    dialog.SetBackgroundImage(background);
    background.fill(kOver);
    EXPECT_EQ(dialog.size(), QSize(400, 300));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.size(), QSize(400, 300));
    EXPECT_EQ(test::Grab(&dialog).pixel(200, 150), kNormal);
}

TEST(ImageDialog, PassesMenuClosingToItsParent) {
    test::RecordingParent top;
    CVixImageDialog page(&top);
    page.controlNotify(notify::kMenuClosing, notify::kMenuClosingBefore);
    page.controlNotify(1000, 5);
    EXPECT_EQ(top.notifications, (std::vector<Notification>{{notify::kMenuClosing, 1}}));
}

}  // namespace
}  // namespace solune
