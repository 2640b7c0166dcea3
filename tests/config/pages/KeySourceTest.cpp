// The in-application key source on the offscreen platform: keys typed into a
// window of the program arrive as (virtual-key code, released) in order and
// still reach the window; the choice of source; the key-capture pop-up with
// the real source.

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "config/keycapture/InAppKeySource.h"
#include "config/keycapture/KeyEventSourceFactory.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixStatic.h"
#include "tests/config/pages/PopDlgFixture.h"

namespace solune::test {
namespace {

using KeyEvents = std::vector<std::pair<std::uint32_t, bool>>;

class InAppKeySourceTest : public ::testing::Test {
  protected:
    InAppKeySourceTest() {
        edit = new QLineEdit(&window);
        auto* column = new QVBoxLayout(&window);
        column->addWidget(edit);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        edit->setFocus();
        EXPECT_TRUE(source.Start(
            [this](std::uint32_t key, bool released) { events.emplace_back(key, released); }));
    }

    QWindow* Window() { return window.windowHandle(); }

    // A press and a release of `key` as the window system delivers them.
    void Tap(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        qt_handleKeyEvent(Window(), QEvent::KeyPress, key, modifiers);
        qt_handleKeyEvent(Window(), QEvent::KeyRelease, key, modifiers);
    }

    QWidget window;
    QLineEdit* edit = nullptr;
    InAppKeySource source;
    KeyEvents events;
};

TEST_F(InAppKeySourceTest, KeysArriveInOrderAndStillReachTheWindow) {
    QTest::keyClick(Window(), Qt::Key_A);
    QTest::keyClick(Window(), Qt::Key_B, Qt::ShiftModifier);  // Shift down, B, Shift up
    EXPECT_EQ(events, (KeyEvents{{0x41, false},
                                 {0x41, true},
                                 {0xA0, false},
                                 {0x42, false},
                                 {0x42, true},
                                 {0xA0, true}}));
    EXPECT_EQ(edit->text().toLower(), QStringLiteral("ab"));
    EXPECT_EQ(source.Name(), "in-application");
}

TEST_F(InAppKeySourceTest, NamedKeypadAndFunctionKeysGetTheirCodesAndKeysWithoutOneAreDropped) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        KeyEvents expected;
    };
    const std::vector<Case> cases = {
        {Qt::Key_Return, Qt::NoModifier, {{0x0D, false}, {0x0D, true}}},
        {Qt::Key_Escape, Qt::NoModifier, {{0x1B, false}, {0x1B, true}}},
        {Qt::Key_Up, Qt::NoModifier, {{0x26, false}, {0x26, true}}},
        {Qt::Key_5, Qt::KeypadModifier, {{0x65, false}, {0x65, true}}},
        {Qt::Key_Plus, Qt::KeypadModifier, {{0x6B, false}, {0x6B, true}}},
        {Qt::Key_Enter, Qt::KeypadModifier, {{0x0D, false}, {0x0D, true}}},
        {Qt::Key_F13, Qt::NoModifier, {{0x7C, false}, {0x7C, true}}},
        {Qt::Key_Semicolon, Qt::NoModifier, {{0xBA, false}, {0xBA, true}}},
        {Qt::Key_Back, Qt::NoModifier, {{0xA6, false}, {0xA6, true}}},
        {Qt::Key_F30, Qt::NoModifier, {}},
        {Qt::Key_PowerOff, Qt::NoModifier, {}},
    };
    for (const Case& c : cases) {
        events.clear();
        Tap(c.key, c.modifiers);
        EXPECT_EQ(events, c.expected) << "Qt key 0x" << std::hex << c.key;
    }
}

TEST_F(InAppKeySourceTest, AutoRepeatArrivesAsRepeatedPresses) {
    qt_handleKeyEvent(Window(), QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
    for (int repeat = 0; repeat < 2; ++repeat) {
        qt_handleKeyEvent(Window(), QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, "c", true);
        qt_handleKeyEvent(Window(), QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c", true);
    }
    qt_handleKeyEvent(Window(), QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, "c");
    EXPECT_EQ(events, (KeyEvents{{0x43, false}, {0x43, false}, {0x43, false}, {0x43, true}}));
    EXPECT_EQ(edit->text(), QStringLiteral("ccc"));
}

TEST_F(InAppKeySourceTest, StopEndsDeliveryAndStartReplacesTheListener) {
    source.Stop();
    QTest::keyClick(Window(), Qt::Key_A);
    EXPECT_TRUE(events.empty());
    KeyEvents second;
    ASSERT_TRUE(source.Start(
        [&](std::uint32_t key, bool released) { events.emplace_back(key, released); }));
    ASSERT_TRUE(source.Start(
        [&](std::uint32_t key, bool released) { second.emplace_back(key, released); }));
    QTest::keyClick(Window(), Qt::Key_Z);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(second, (KeyEvents{{0x5A, false}, {0x5A, true}}));
    EXPECT_EQ(edit->text(), QStringLiteral("az"));
}

TEST(KeyEventSourceFactory, OffX11TheInApplicationSourceIsChosenAndTheReasonGiven) {
    std::string why;
    std::unique_ptr<KeyEventSource> source = MakeKeyEventSource(&why);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->Name(), "in-application");
    EXPECT_NE(why.find("offscreen"), std::string::npos) << why;
}

using AssignKeyInAppTest = PopDlgFixture;

TEST_F(AssignKeyInAppTest, EnterAndEscapeTypedIntoThePopupAreCapturedNotObeyed) {
    InAppKeySource inApp;
    PageContext context = Context();
    context.keys = &inApp;
    CVixComboButton selector(1200);
    CPopDlg popup(layout::kAssignKeyMode, context);
    popup.SetTargetSelector(&selector);
    std::vector<QString> shown;
    WhenModal([&shown](CPopDlg& open) {
        auto* label = open.findChild<CVixStatic*>("Time");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Shift}) {
            QTest::keyPress(open.windowHandle(), key);
            shown.push_back(label->GetText());
            QTest::keyRelease(open.windowHandle(), key);
        }
        QTest::keyClick(open.windowHandle(), Qt::Key_Escape);
        EXPECT_EQ(ActivePopup(), &open) << "Escape must not close the pop-up";
        ClickControl(open, "OK");
    });
    EXPECT_EQ(popup.DoModal(), 1);
    EXPECT_EQ(shown, (std::vector<QString>{"ENTER", "ESC", "Left SHIFT"}));
    EXPECT_EQ(selector.caption(), QStringLiteral("ESC"));
    EXPECT_EQ(selector.chosenValue(), 0x1B);
    EXPECT_EQ(selector.chosenItemId(), 13);
}

}  // namespace
}  // namespace solune::test
