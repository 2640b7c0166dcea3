// The updater window as a screen reader meets it: each status screen's
// message as a text, the progress bar's value, OK and Cancel as buttons whose
// press does what a click does.

#include <QAccessible>
#include <algorithm>

#include "tests/updater/app/UpdaterWindowFixture.h"

namespace solune::test {
namespace {

// The shown interfaces below `root` of `role`.
std::vector<QAccessibleInterface*> Shown(QAccessibleInterface* root, QAccessible::Role role) {
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr || child->state().invisible) {
            continue;
        }
        if (child->role() == role) {
            found.push_back(child);
        }
        const auto below = Shown(child, role);
        found.insert(found.end(), below.begin(), below.end());
    }
    return found;
}

std::vector<std::string> Names(const std::vector<QAccessibleInterface*>& nodes) {
    std::vector<std::string> names;
    for (QAccessibleInterface* node : nodes) {
        names.push_back(node->text(QAccessible::Name).toStdString());
    }
    return names;
}

class UpdaterAccessibilityTest : public UpdaterWindowFixture {
  protected:
    QAccessibleInterface* Window() { return QAccessible::queryAccessibleInterface(m_window.get()); }
};

TEST_F(UpdaterAccessibilityTest, EachScreenReadsTheWordsItsPictureShows) {
    struct Case {
        UpdateEvent event;
        std::vector<std::string> texts;
        std::vector<std::string> buttons;
    };
    const Case cases[] = {
        {UpdateEvent::UpToDate,
         {"Updater version: V1.08", "Mouse firmware version: 1.07",
          "The firmware of your mouse is up to date."},
         {"OK", "Close"}},
        {UpdateEvent::FileNewer,
         {"Updater version: V1.08", "Mouse firmware version: 1.07",
          "Package firmware version: 1.08",
          "Update firmware: this package holds newer firmware for your mouse. Update now?"},
         {"OK", "Cancel", "Close"}},
        {UpdateEvent::UpdateStarted,
         {"Updater version: V1.08",
          "Updating the firmware. Do not unplug the mouse or close this window until the update "
          "has finished."},
         {}},
        {UpdateEvent::ConfigProgramRunning,
         {"Updater version: V1.08",
          "Please exit the SOLUNE 300 configuration program before you update the firmware, then "
          "start the updater again."},
         {"OK"}},
    };
    CW38UpdaterDlg& window = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.event));
        window.Report(c.event);
        auto texts = Names(Shown(Window(), QAccessible::StaticText));
        auto buttons = Names(Shown(Window(), QAccessible::Button));
        std::sort(texts.begin(), texts.end());
        std::sort(buttons.begin(), buttons.end());
        auto expectedTexts = c.texts;
        auto expectedButtons = c.buttons;
        std::sort(expectedTexts.begin(), expectedTexts.end());
        std::sort(expectedButtons.begin(), expectedButtons.end());
        EXPECT_EQ(texts, expectedTexts);
        EXPECT_EQ(buttons, expectedButtons);
    }
}

TEST_F(UpdaterAccessibilityTest, TheProgressBarTellsItsValue) {
    CW38UpdaterDlg& window = Open();
    window.Report(UpdateEvent::UpdateStarted);
    const auto bars = Shown(Window(), QAccessible::ProgressBar);
    ASSERT_EQ(bars.size(), 1u);
    QAccessibleValueInterface* value = bars[0]->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(bars[0]->text(QAccessible::Name), QStringLiteral("Update progress"));
    EXPECT_EQ(value->currentValue().toInt(), 0);
    window.SetProgress(40);
    EXPECT_EQ(value->currentValue().toInt(), 40);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_GT(value->maximumValue().toInt(), 40);
}

TEST_F(UpdaterAccessibilityTest, CancelPressedByAScreenReaderClosesAsAClickDoes) {
    CW38UpdaterDlg& window = Open();
    ASSERT_EQ(window.currentScreen(), kScreenUpdateFirmware);
    QAccessibleInterface* cancel = nullptr;
    for (QAccessibleInterface* button : Shown(Window(), QAccessible::Button)) {
        if (button->text(QAccessible::Name) == QStringLiteral("Cancel")) {
            cancel = button;
        }
    }
    ASSERT_NE(cancel, nullptr);
    cancel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(ProcessUntil([&] { return !window.isVisible(); }));
    EXPECT_FALSE(window.isUpdating());
    EXPECT_EQ(m_sim.State().firmwareVersion, 107);
}

}  // namespace
}  // namespace solune::test
