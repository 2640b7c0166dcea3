// The skinned controls used without a mouse and through a screen reader:
// real key events (Space, Return, Enter, the arrows, Tab) on the controls, the
// focus mark that Tab shows and a click does not, and the controls'
// accessible interfaces (role, name, states, value, actions).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/ControlNotify.h"
#include "shared/skin/FocusMark.h"
#include "shared/skin/SkinAccessibility.h"
#include "shared/skin/SkinMenu.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::Notification;

constexpr QRgb kNormal = 0xFF102030;
constexpr QRgb kDown = 0xFF708090;

class KeyboardAccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        button = new CVixButton(1042, &parent);
        button->setGeometry(20, 20, 80, 30);
        button->SetImages(test::Solid(80, 30, kNormal), test::Solid(80, 30, kNormal),
                          test::Solid(80, 30, kDown), {});
        button->setAccessibleName(QStringLiteral("Apply"));
        box = new CVixCheckBox(1029, &parent);
        box->setGeometry(20, 60, 40, 20);
        box->SetImages(test::Solid(40, 20, kNormal), test::Solid(40, 20, kNormal),
                       test::Solid(40, 20, kDown), {});
        box->setAccessibleName(QStringLiteral("500"));
        slider = new CVixSliderCtrl(1015, &parent);
        slider->setGeometry(20, 90, 200, 17);
        slider->SetImages(test::Solid(200, 17, kNormal), test::Solid(10, 17, kDown),
                          test::Solid(10, 17, kDown), {});
        slider->setMinValue(0);
        slider->setMaxValue(100);
        slider->setStep(5);
        slider->SetPos(50);
        slider->setAccessibleName(QStringLiteral("Scroll Speed"));
        combo = new CVixComboButton(1025, &parent);
        combo->setGeometry(20, 120, 150, 22);
        combo->SetImages(test::Solid(150, 22, kNormal), test::Solid(150, 22, kNormal),
                         test::Solid(150, 22, kDown));
        combo->setAccessibleName(QStringLiteral("Button 6 function"));
        for (int id = 1; id <= 3; ++id) {
            combo->AddItem(id, QStringLiteral("Row %1").arg(id));
        }
        parent.ShowAndWait();
        parent.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
        parent.notifications.clear();
    }
    void TearDown() override {
        if (combo->menu() != nullptr) {
            combo->menu()->Close();
        }
    }

    static QAccessibleInterface* Interface(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    // Runs the action of `widget`'s interface and lets the event loop carry it out.
    static void Act(QWidget* widget, const QString& action) {
        QAccessibleActionInterface* actions = Interface(widget)->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(action)) << action.toStdString();
        actions->doAction(action);
        QCoreApplication::processEvents();
    }

    test::RecordingParent parent;
    CVixButton* button = nullptr;
    CVixCheckBox* box = nullptr;
    CVixSliderCtrl* slider = nullptr;
    CVixComboButton* combo = nullptr;
};

TEST_F(KeyboardAccessTest, KeysThatPressAButtonAndKeysThatDoNot) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        bool clicks;
    };
    const Case cases[] = {
        {Qt::Key_Space, Qt::NoModifier, false, true},
        {Qt::Key_Return, Qt::NoModifier, false, false},  // the window's key
        {Qt::Key_Enter, Qt::KeypadModifier, false, false},
        {Qt::Key_Space, Qt::NoModifier, true, false},     // a held key presses once
        {Qt::Key_Space, Qt::ControlModifier, false, false},
        {Qt::Key_Return, Qt::AltModifier, false, false},
        {Qt::Key_A, Qt::NoModifier, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        parent.clicks.clear();
        button->setFocus(Qt::OtherFocusReason);
        QTest::sendKeyEvent(QTest::KeyAction::Press, button, c.key, QString(), c.modifiers);
        if (c.autoRepeat) {
            QKeyEvent repeat(QEvent::KeyPress, c.key, c.modifiers, QString(), true);
            QCoreApplication::sendEvent(button, &repeat);
            parent.clicks.clear();
            QCoreApplication::sendEvent(button, &repeat);
        }
        EXPECT_EQ(parent.clicks, c.clicks ? std::vector<int>{1042} : std::vector<int>{});
    }
}

TEST_F(KeyboardAccessTest, SpaceTogglesABoxBeforeTheParentHearsTheClick) {
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(parent.clicks, std::vector<int>{1029});
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());

    box->setEnabled(false);
    box->Activate();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(parent.clicks, (std::vector<int>{1029, 1029}));
}

TEST_F(KeyboardAccessTest, ArrowsMoveASliderByItsStepWithinItsBounds) {
    struct Case {
        Qt::Key key;
        int expected;
    };
    // From 50: each key in turn.
    const Case cases[] = {{Qt::Key_Right, 55}, {Qt::Key_Up, 60},   {Qt::Key_Left, 55},
                          {Qt::Key_Down, 50},  {Qt::Key_End, 100}, {Qt::Key_Right, 100},
                          {Qt::Key_Home, 0},   {Qt::Key_Left, 0},  {Qt::Key_Down, 0}};
    slider->setFocus(Qt::TabFocusReason);
    std::vector<Notification> expected;
    int last = slider->value();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        QTest::keyClick(slider, c.key);
        EXPECT_EQ(slider->value(), c.expected);
        if (c.expected != last) {
            expected.emplace_back(1015, c.expected);
            last = c.expected;
        }
    }
    // A key at a bound tells nothing again.
    EXPECT_EQ(parent.notifications, expected);

    slider->setState(SkinSliderBase::kDisabled);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(slider->value(), 0);
}

TEST_F(KeyboardAccessTest, TheKeyboardChoosesWhichOfThreeThumbsMoves) {
    auto* dpi = new CVixSliderCtrl3D(1022, &parent);
    dpi->setGeometry(20, 160, 300, 16);
    dpi->SetImages(test::Solid(300, 16, kNormal), test::Solid(8, 16, kDown),
                   test::Solid(8, 16, kDown), test::Solid(8, 16, kDown));
    dpi->setMinValue(50);
    dpi->setMaxValue(7000);
    dpi->setStep(50);
    for (int thumb = 1; thumb <= 3; ++thumb) {
        dpi->SetThumbPos(thumb, 1000 * thumb, false);
    }
    dpi->show();
    dpi->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dpi, Qt::Key_Right);
    QTest::keyClick(dpi, Qt::Key_2);
    QTest::keyClick(dpi, Qt::Key_Left);
    EXPECT_EQ(dpi->thumbValue(1), 1050);
    EXPECT_EQ(dpi->thumbValue(2), 1950);
    EXPECT_EQ(dpi->thumbValue(3), 3000);
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{{1022, 1050 | notify::kThumbCode[1]},
                                         {1022, 1950 | notify::kThumbCode[2]}}));

    dpi->setSpokenThumbPattern(QStringLiteral("DPI stage %1, X, %2"));
    QAccessibleInterface* thumb2 = Interface(dpi)->child(1);
    ASSERT_NE(thumb2, nullptr);
    EXPECT_EQ(thumb2->role(), QAccessible::Slider);
    EXPECT_EQ(thumb2->text(QAccessible::Name), QStringLiteral("DPI stage 2, X, 1950"));
    thumb2->valueInterface()->setCurrentValue(1620);  // snapped as a drag would be
    EXPECT_EQ(dpi->thumbValue(2), 1600);
    EXPECT_EQ(Interface(dpi)->indexOfChild(thumb2), 1);
}

TEST_F(KeyboardAccessTest, MenuKeysWalkAndChooseAndEscapeCloses) {
    combo->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(combo, Qt::Key_Space);
    SkinMenu* menu = combo->menu();
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(combo, Qt::Key_Up);  // from nowhere up: the last row
    EXPECT_EQ(menu->hoverIndex(), 2);
    QTest::keyClick(combo, Qt::Key_Down);  // wraps round
    EXPECT_EQ(menu->hoverIndex(), 0);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(combo->caption(), QStringLiteral("Row 2"));
    EXPECT_EQ(combo->chosenItemId(), 2);

    QTest::keyClick(combo, Qt::Key_Space);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(combo->chosenItemId(), 2);
}

TEST_F(KeyboardAccessTest, OnlyTabShowsTheFocusMarkAndOtherPicturesStayAsTheyAre) {
    const QImage unfocused = test::Grab(button);
    button->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(test::Grab(button), unfocused);
    button->clearFocus();

    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&parent, Qt::Key_Backtab);  // from the box back to the button
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->showsFocusMark());
    const QImage marked = test::Grab(button);
    EXPECT_EQ(marked.pixel(0, 0), QColor::fromRgba(FocusMark::kAccentArgb).rgb());
    EXPECT_EQ(marked.pixel(40, 15), unfocused.pixel(40, 15));

    QTest::keyClick(&parent, Qt::Key_Tab);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_FALSE(button->showsFocusMark());
    EXPECT_EQ(test::Grab(button), unfocused);
}

TEST_F(KeyboardAccessTest, InterfacesGiveRoleNameStatesAndClickingActions) {
    struct Case {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
        QString action;
    };
    const Case cases[] = {
        {button, QAccessible::Button, "Apply", QAccessibleActionInterface::pressAction()},
        {box, QAccessible::CheckBox, "500", QAccessibleActionInterface::toggleAction()},
        {combo, QAccessible::ComboBox, "Button 6 function",
         QAccessibleActionInterface::showMenuAction()},
        {slider, QAccessible::Slider, "Scroll Speed", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* node = Interface(c.widget);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->role(), c.role);
        EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(c.name));
        EXPECT_TRUE(node->state().focusable);
        if (!c.action.isEmpty()) {
            EXPECT_TRUE(node->actionInterface()->actionNames().contains(c.action));
        }
    }

    button->setCaption(QStringLiteral("Apply now"));  // a drawn caption is the name
    EXPECT_EQ(Interface(button)->text(QAccessible::Name), QStringLiteral("Apply now"));
    Act(button, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(parent.clicks, std::vector<int>{1042});

    Act(box, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Interface(box)->state().checked);
    SetSpokenRole(*box, QAccessible::RadioButton);
    EXPECT_EQ(Interface(box)->role(), QAccessible::RadioButton);
    EXPECT_TRUE(Interface(box)->state().checkable);

    Act(combo, QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(Interface(combo)->state().expanded);
    QAccessibleInterface* menu = Interface(combo)->child(0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    EXPECT_EQ(menu->text(QAccessible::Name), QStringLiteral("Button 6 function"));
    ASSERT_EQ(menu->childCount(), 3);
    QAccessibleInterface* row3 = menu->child(2);
    EXPECT_EQ(row3->role(), QAccessible::MenuItem);
    EXPECT_EQ(row3->text(QAccessible::Name), QStringLiteral("Row 3"));
    EXPECT_EQ(menu->indexOfChild(row3), 2);
    row3->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(combo->caption(), QStringLiteral("Row 3"));
    EXPECT_TRUE(Interface(combo)->state().collapsed);
    EXPECT_EQ(Interface(combo)->text(QAccessible::Value), QStringLiteral("Row 3"));

    button->setEnabled(false);
    EXPECT_TRUE(Interface(button)->state().disabled);
    EXPECT_TRUE(Interface(button)->actionInterface()->actionNames().isEmpty());
}

TEST_F(KeyboardAccessTest, ASliderValueSetByAScreenReaderIsClampedAndSnapped) {
    struct Case {
        int set;
        int shown;
    };
    const Case cases[] = {{73, 75}, {72, 70}, {103, 100}, {-3, 0}, {100, 100}};
    QAccessibleValueInterface* value = Interface(slider)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    EXPECT_EQ(value->minimumStepSize().toInt(), 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        value->setCurrentValue(c.set);
        EXPECT_EQ(slider->value(), c.shown);
        EXPECT_EQ(value->currentValue().toInt(), c.shown);
    }
    // 100 twice: told once.
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{
                                        {1015, 75}, {1015, 70}, {1015, 100}, {1015, 0}, {1015, 100}}));
}

}  // namespace
}  // namespace solune
