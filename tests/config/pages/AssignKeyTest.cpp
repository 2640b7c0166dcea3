// The key-capture pop-up: the key name it shows, what OK and Cancel give the
// target selector, and keys that never reach its buttons.

#include <QFontMetrics>

#include "config/pages/KeyName.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixStatic.h"
#include "tests/config/pages/PopDlgFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {
namespace {

constexpr std::uint32_t kA = 0x41;
constexpr std::uint32_t kLeftShift = 0xA0;
constexpr std::uint32_t kEnter = 0x0D;
constexpr std::uint32_t kEscape = 0x1B;

class AssignKeyTest : public PopDlgFixture {
  protected:
    AssignKeyTest() { selector.SetSelection(QStringLiteral("Dpi up"), 7, 0); }

    // Opens the pop-up, runs `during` on it, and returns DoModal's result.
    int Run(const std::function<void(CPopDlg&)>& during) {
        CPopDlg popup(layout::kAssignKeyMode, Context());
        popup.SetTargetSelector(&selector);
        WhenModal(during);
        const int result = popup.DoModal();
        captured = popup.capturedKey();
        return result;
    }

    static QString Shown(CPopDlg& popup) { return popup.findChild<CVixStatic*>("Time")->GetText(); }

    CVixComboButton selector{1200};
    std::uint32_t captured = 0;
};

TEST_F(AssignKeyTest, TheLastKeyThatChangedStateIsShownAndAssignedByOk) {
    struct Case {
        std::vector<std::pair<std::uint32_t, bool>> events;
        const char* shown;
        std::uint32_t key;
    };
    const std::vector<Case> cases = {
        {{{kA, false}, {kA, true}}, "A", kA},
        {{{kLeftShift, false}, {kA, false}, {kA, true}, {kLeftShift, true}},
         "Left SHIFT",
         kLeftShift},
        {{{kEnter, false}, {kEnter, true}}, "ENTER", kEnter},
        {{{kEscape, false}, {kEscape, true}}, "ESC", kEscape},
        {{{0x26, false}}, "UP ARROW ", 0x26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        QString shown;
        const int result = Run([&](CPopDlg& popup) {
            EXPECT_TRUE(keys.listening());
            for (const auto& [key, released] : c.events) {
                keys.Play(key, released);
            }
            shown = Shown(popup);
            ClickControl(popup, "OK");
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(shown, QString::fromLatin1(c.shown));
        EXPECT_EQ(captured, c.key);
        EXPECT_EQ(selector.caption(), QString::fromLatin1(c.shown));
        EXPECT_EQ(selector.chosenItemId(), 13);
        EXPECT_EQ(selector.chosenValue(), static_cast<int>(c.key));
        EXPECT_FALSE(keys.listening()) << "capture must end with the pop-up";
    }
}

TEST_F(AssignKeyTest, OkBeforeAnyKeyGivesAnEmptyCaptionFunction13AndKey0) {
    EXPECT_EQ(Run([](CPopDlg& popup) { ClickControl(popup, "OK"); }), 1);
    EXPECT_EQ(selector.caption(), QString());
    EXPECT_EQ(selector.chosenItemId(), 13);
    EXPECT_EQ(selector.chosenValue(), 0);
}

TEST_F(AssignKeyTest, CancelAndCloseKeepTheSelectorAsItWas) {
    for (const char* button : {"Cancel", "Close"}) {
        SCOPED_TRACE(button);
        const int result = Run([&](CPopDlg& popup) {
            keys.Tap(kA);
            ClickControl(popup, button);
        });
        EXPECT_EQ(result, 2);
        EXPECT_EQ(selector.caption(), QStringLiteral("Dpi up"));
        EXPECT_EQ(selector.chosenItemId(), 7);
        EXPECT_EQ(selector.chosenValue(), 0);
        EXPECT_FALSE(keys.listening());
    }
}

TEST_F(AssignKeyTest, KeysTypedIntoThePopupNeverReachItsButtonsAndTheSystemCloseIsRefused) {
    const int result = Run([&](CPopDlg& popup) {
        // The scripted source stands for the desktop-wide capture; the keys
        // themselves also arrive at the pop-up's window, as on a desktop.
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
            TypeKey(popup, key);
        }
        QTest::keyClick(popup.findChild<QWidget*>("Cancel"), Qt::Key_Space);
        QTest::keyClick(popup.windowHandle(), Qt::Key_F4, Qt::AltModifier);
        popup.close();
        EXPECT_TRUE(popup.isVisible());
        keys.Tap(kEnter);
        EXPECT_EQ(Shown(popup), QStringLiteral("ENTER"));
        ClickControl(popup, "OK");
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(selector.caption(), QStringLiteral("ENTER"));
    EXPECT_EQ(selector.chosenValue(), static_cast<int>(kEnter));
}

TEST_F(AssignKeyTest, WhenCaptureCannotStartTheUserIsToldAndOkAssignsKey0) {
    keys.failStart = true;
    const int result = Run([&](CPopDlg& popup) {
        EXPECT_EQ(messages.messages, std::vector<std::string>{"set hook failed."});
        keys.Tap(kA);
        EXPECT_EQ(Shown(popup), QString());
        ClickControl(popup, "OK");
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(captured, 0u);
    EXPECT_EQ(selector.chosenValue(), 0);
    EXPECT_EQ(selector.chosenItemId(), 13);
}

TEST_F(AssignKeyTest, WithoutAKeySourceTheUserIsToldAsWell) {
    PageContext context = Context();
    context.keys = nullptr;
    CPopDlg popup(layout::kAssignKeyMode, context);
    WhenModal([](CPopDlg& shown) { ClickControl(shown, "Cancel"); });
    EXPECT_EQ(popup.DoModal(), 2);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"set hook failed."});
}

TEST_F(AssignKeyTest, TheKeyNameIsCentredInTheNeoSansFontOf14) {
    CPopDlg popup(layout::kAssignKeyMode, Context());
    auto* label = popup.findChild<CVixStatic*>("Time");
    EXPECT_TRUE(label->centerText());
    EXPECT_EQ(label->textFont().pixelSize(), 14);
    EXPECT_EQ(label->textFont().family(), QStringLiteral("NeoSansStd-Regular"));
}

TEST_F(AssignKeyTest, EveryKeyNameIsShownWholeOrEndsInAnEllipsis) {
    CPopDlg popup(layout::kAssignKeyMode, Context());
    popup.SetTargetSelector(&selector);
    int named = 0;
    WhenModal([&](CPopDlg& shown) {
        auto* label = shown.findChild<CVixStatic*>("Time");
        const QFontMetrics metrics(label->textFont());
        for (std::uint32_t code = 1; code < 256; ++code) {
            const QString name = QString::fromStdString(KeyName(code));
            if (name.isEmpty() || code == kEnter || code == kEscape) {
                continue;
            }
            SCOPED_TRACE(name.toStdString());
            keys.Play(code, false);
            keys.Play(code, true);
            EXPECT_EQ(label->GetText(), name);
            const QString drawn = label->shownText();
            EXPECT_TRUE(WholeOrElided(drawn, name)) << drawn.toStdString();
            EXPECT_LE(metrics.horizontalAdvance(drawn), label->width());
            ++named;
        }
        ClickControl(shown, "Cancel");
    });
    EXPECT_EQ(popup.DoModal(), 2);
    EXPECT_GT(named, 100);
}

}  // namespace
}  // namespace solune::test
