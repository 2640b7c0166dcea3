// The main window with the real pages as a screen reader meets it: the
// accessible tree of every page (each shown control has a role and a name,
// states and values follow the controls), and the controls' actions change
// the profile exactly as clicks do, down to the image that reaches the mouse.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <algorithm>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/SkinMenu.h"
#include "tests/config/app/VeskWindowFixture.h"

namespace solune::test {
namespace {

// The page buttons, in page order.
const char* const kPages[] = {"Mouse Settings", "Sensor Performance", "Color Settings",
                              "Macro Settings", "Support"};

bool Shown(QAccessibleInterface* node) {
    return !node->state().invisible;
}

// Every shown interface below `root` (root included), depth first.
void CollectShown(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& out) {
    if (root == nullptr || !Shown(root)) {
        return;
    }
    out.push_back(root);
    for (int i = 0; i < root->childCount(); ++i) {
        CollectShown(root->child(i), out);
    }
}

std::string Describe(QAccessibleInterface* node) {
    QObject* object = node->object();
    return std::to_string(node->role()) + " \"" + node->text(QAccessible::Name).toStdString() +
           "\" " + (object ? object->objectName().toStdString() : std::string("(part)"));
}

class VeskAccessibilityTest : public VeskWindowFixture {
  public:
    CVESKDlg& OpenReal() {
        realPages = true;
        return Open();
    }

    QAccessibleInterface* Window() {
        return QAccessible::queryAccessibleInterface(m_window.get());
    }

    // The shown interface named `name` (of `role` when given) below `root`;
    // a test failure and nullptr when there is none.
    static QAccessibleInterface* Node(QAccessibleInterface* root, const QString& name,
                                      QAccessible::Role role = QAccessible::NoRole) {
        std::vector<QAccessibleInterface*> shown;
        CollectShown(root, shown);
        for (QAccessibleInterface* node : shown) {
            if (node->text(QAccessible::Name) == name &&
                (role == QAccessible::NoRole || node->role() == role)) {
                return node;
            }
        }
        ADD_FAILURE() << "no shown " << name.toStdString();
        return nullptr;
    }
    QAccessibleInterface* Node(const char* name, QAccessible::Role role = QAccessible::NoRole) {
        return Node(Window(), QString::fromUtf8(name), role);
    }

  public:
    // Runs the named action of `node` as a screen reader does, and lets the
    // event loop carry it out.
    static void Act(QAccessibleInterface* node, const QString& action) {
        ASSERT_NE(node, nullptr);
        QAccessibleActionInterface* actions = node->actionInterface();
        ASSERT_NE(actions, nullptr) << Describe(node);
        ASSERT_TRUE(actions->actionNames().contains(action))
            << Describe(node) << " has no " << action.toStdString();
        actions->doAction(action);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // The first profile's image in the mouse after "Apply".
    std::array<std::uint8_t, simulator::kSlotImageBytes> AppliedImage() {
        ClickOn("Apply");
        return m_mouse.State().profileSlots[0];
    }
};

TEST_F(VeskAccessibilityTest, EveryShownControlOfEveryPageHasARoleAndAName) {
    OpenReal();
    for (const char* page : kPages) {
        SCOPED_TRACE(page);
        ClickOn(page);
        std::vector<QAccessibleInterface*> shown;
        CollectShown(Window(), shown);
        // The window, the page bar, the profile bar and OK / Apply / Cancel at least.
        ASSERT_GT(shown.size(), 15u);
        for (QAccessibleInterface* node : shown) {
            EXPECT_NE(node->role(), QAccessible::NoRole) << Describe(node);
            EXPECT_NE(node->role(), QAccessible::Client) << Describe(node);
            EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << Describe(node);
        }
        QAccessibleInterface* tab = Node(page, QAccessible::PageTab);
        ASSERT_NE(tab, nullptr);
        EXPECT_TRUE(tab->state().checked);
    }
}

TEST_F(VeskAccessibilityTest, StatesAndValuesFollowTheControls) {
    OpenReal();
    auto* rate = Control<CVixCheckBox>("500");
    QAccessibleInterface* rateNode = Node("500", QAccessible::RadioButton);
    ASSERT_NE(rateNode, nullptr);
    EXPECT_FALSE(rateNode->state().checked);
    ClickOn(rate);
    EXPECT_TRUE(rateNode->state().checked);
    EXPECT_FALSE(Node("1000", QAccessible::RadioButton)->state().checked);

    auto* slider = Control<CVixSliderCtrl>("Scroll Speed");
    QAccessibleInterface* sliderNode = Node("Scroll Speed", QAccessible::Slider);
    ASSERT_NE(sliderNode, nullptr);
    ASSERT_NE(sliderNode->valueInterface(), nullptr);
    EXPECT_EQ(sliderNode->valueInterface()->currentValue().toInt(), slider->value());
    sliderNode->valueInterface()->setCurrentValue(slider->minValue());
    EXPECT_EQ(slider->value(), slider->minValue());

    auto* selector = Control<CVixComboButton>("Function6");
    QAccessibleInterface* selectorNode = Node("Button 6 function", QAccessible::ComboBox);
    ASSERT_NE(selectorNode, nullptr);
    EXPECT_EQ(selectorNode->text(QAccessible::Value), selector->caption());
    EXPECT_TRUE(selectorNode->state().collapsed);
    ClickOn(selector);
    ASSERT_TRUE(selector->menuShown());
    EXPECT_TRUE(selectorNode->state().expanded);
    EXPECT_NE(Node(selectorNode, "Profile switch up", QAccessible::MenuItem), nullptr);
    QTest::keyClick(selector, Qt::Key_Escape);
    EXPECT_FALSE(selector->menuShown());

    ClickOn("Sensor Performance");
    QAccessibleInterface* thumb = Node("DPI stage 2, X, 1600", QAccessible::Slider);
    ASSERT_NE(thumb, nullptr);
    thumb->valueInterface()->setCurrentValue(3200);
    EXPECT_EQ(thumb->text(QAccessible::Name), QStringLiteral("DPI stage 2, X, 3200"));
    EXPECT_NE(Node("Surface quality 0 %", QAccessible::Graphic), nullptr);
}

// Tab walks the profile bar, the page buttons, the shown page's controls and
// the window's buttons, in reading order and round; Shift+Tab walks back;
// Space on the focused "Apply" applies.
TEST_F(VeskAccessibilityTest, TabWalksInReadingOrderAndReturnPressesTheFocusedButton) {
    OpenReal();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    Control("1")->setFocus(Qt::OtherFocusReason);
    std::vector<std::string> forward{"1"};
    for (int i = 0; i < 60 && (forward.size() == 1 || forward.back() != "1"); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    const std::vector<std::string> start = {"1", "Profile1", "2", "Profile2", "3", "Profile3",
                                            "4", "Profile4", "5", "Profile5", "Mouse Settings",
                                            "Sensor Performance", "Color Settings",
                                            "Macro Settings", "Support", "Function1"};
    const std::vector<std::string> end = {"Reset to Default", "Language", "OK", "Apply", "Cancel",
                                          "1"};
    ASSERT_GT(forward.size(), start.size() + end.size());
    EXPECT_EQ(std::vector<std::string>(forward.begin(), forward.begin() + 16), start);
    EXPECT_EQ(std::vector<std::string>(forward.end() - 6, forward.end()), end);
    // Only the shown page's controls are on the way.
    EXPECT_EQ(std::count(forward.begin(), forward.end(), "Analyze Surface"), 0);
    EXPECT_EQ(std::count(forward.begin(), forward.end(), "Scroll Speed"), 1);

    std::vector<std::string> backward{"1"};
    for (std::size_t i = 1; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        backward.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(backward, std::vector<std::string>(forward.rbegin(), forward.rend()));

    auto* apply = Control<SkinButtonBase>("Apply");
    while (QApplication::focusWidget() != apply) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(apply->showsFocusMark());
    ClickOn("500");  // a click moves the focus without a mark
    EXPECT_FALSE(Control<SkinButtonBase>("500")->showsFocusMark());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("500"));
    // Space presses the box again: the group keeps it on.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(Control<CVixCheckBox>("500")->isChecked());
    apply->setFocus(Qt::TabFocusReason);
    const auto before = m_mouse.State().profileSlots[0];
    QTest::keyClick(apply, Qt::Key_Return);  // Enter keeps the window's meaning: nothing
    EXPECT_EQ(m_mouse.State().profileSlots[0], before);
    QTest::keyClick(apply, Qt::Key_Space);
    EXPECT_EQ(m_mouse.State().profileSlots[0][21], 2);  // 500 Hz: interval 2
}

class ActionsActAsClicks : public VeskAccessibilityTest,
                           public ::testing::WithParamInterface<int> {
  public:
    using VeskWindowFixture::ClickOn;
    // A click on the row `row` of the combo button `combo`'s menu.
    void ClickRow(const char* combo, const char* row) {
        auto* button = Control<SkinComboButton>(combo);
        ClickOn(button);
        SkinMenu* menu = button->menu();
        ASSERT_TRUE(menu->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        for (int i = 0; i < menu->rowCount(); ++i) {
            if (menu->row(i).text == QString::fromUtf8(row)) {
                const MenuRect& r = menu->row(i).rect;
                Click(menu, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
                return;
            }
        }
        FAIL() << "no row " << row;
    }
    // The same through the actions: open the menu, press the row.
    void ChooseRow(const char* combo, const char* row) {
        QAccessibleInterface* node = Node(combo, QAccessible::ComboBox);
        Act(node, QAccessibleActionInterface::showMenuAction());
        Act(Node(node, QString::fromUtf8(row), QAccessible::MenuItem),
            QAccessibleActionInterface::pressAction());
    }
    void PressTab(const char* page) {
        Act(Node(page, QAccessible::PageTab), QAccessibleActionInterface::pressAction());
    }
};

// One change made twice, in two windows on a fresh data folder and mouse:
// once with the pointer, once through the screen reader's actions.
struct ChangeCase {
    const char* what;
    std::function<void(ActionsActAsClicks&)> byClicks;
    std::function<void(ActionsActAsClicks&)> byActions;
};

using A = QAccessibleActionInterface;
const ChangeCase kChanges[] = {
    {"report rate 500", [](ActionsActAsClicks& t) { t.ClickOn("500"); },
     [](ActionsActAsClicks& t) { t.Act(t.Node("500"), A::toggleAction()); }},
    {"button 6 profile switch up",
     [](ActionsActAsClicks& t) { t.ClickRow("Function6", "Profile switch up"); },
     [](ActionsActAsClicks& t) { t.ChooseRow("Button 6 function", "Profile switch up"); }},
    {"blinking light",
     [](ActionsActAsClicks& t) {
         t.ClickOn("Color Settings");
         t.ClickOn("Blinking");
     },
     [](ActionsActAsClicks& t) {
         t.PressTab("Color Settings");
         t.Act(t.Node("Blinking", QAccessible::RadioButton), A::toggleAction());
     }},
    {"separate X and Y",
     [](ActionsActAsClicks& t) {
         t.ClickOn("Sensor Performance");
         t.ClickOn("Enable X or Y Separate Setting");
     },
     [](ActionsActAsClicks& t) {
         t.PressTab("Sensor Performance");
         t.Act(t.Node("Separate X / Y", QAccessible::CheckBox), A::toggleAction());
     }},
    {"angle snap 5",
     [](ActionsActAsClicks& t) {
         t.ClickOn("Sensor Performance");
         t.ClickRow("AngleSnap", "5");
     },
     [](ActionsActAsClicks& t) {
         t.PressTab("Sensor Performance");
         t.ChooseRow("Angle Snap", "5");
     }},
};

TEST_P(ActionsActAsClicks, TheMouseGetsTheSameImage) {
    const ChangeCase& change = kChanges[GetParam()];
    SCOPED_TRACE(change.what);
    const auto untouched = m_mouse.State().profileSlots;
    OpenReal();
    change.byClicks(*this);
    const auto clicked = AppliedImage();
    EXPECT_NE(clicked, untouched[0]);

    // The second window starts where the first did.
    m_window.reset();
    std::filesystem::remove_all(m_dir / "config");
    ASSERT_TRUE(m_mouse.Change([&](simulator::MouseState& s) { s.profileSlots = untouched; }));
    OpenReal();
    change.byActions(*this);
    EXPECT_EQ(AppliedImage(), clicked);
}

INSTANTIATE_TEST_SUITE_P(Changes, ActionsActAsClicks,
                         ::testing::Range(0, static_cast<int>(std::size(kChanges))));

}  // namespace
}  // namespace solune::test
