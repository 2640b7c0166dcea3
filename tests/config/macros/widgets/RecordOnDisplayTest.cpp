// The macro recorder on a real X display (Xvfb): keys typed with xdotool into
// another program's window are recorded through the desktop-wide key source,
// still reach that window, and end up in the saved ".macro" file.
//
// Exits with 77 (skipped) where Xvfb or xdotool is missing. The page itself
// runs on the offscreen platform; only the key source talks to the display.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "config/keycapture/X11KeySource.h"
#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroRecorder.h"
#include "config/macros/widgets/CMacroSettingsDlg.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "platform/Clock.h"
#include "shared/skin/CVixEdit.h"
#include "tests/support/SkinTestSupport.h"
#include "tests/support/TempDir.h"
#include "tests/support/VirtualDisplay.h"
#include "tests/support/XClientWindow.h"

namespace solune::test {
namespace {

void ClickControl(QWidget* page, const char* name) {
    auto* widget = page->findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(widget, nullptr) << name;
    MoveTo(widget, widget->rect().center() - QPoint(1, 1));
    Click(widget, widget->rect().center());
    MoveTo(page, {2, 2});
}

TEST(RecordOnDisplay, KeysTypedIntoAnotherWindowAreRecordedIntoTheMacroFile) {
    VirtualDisplay display;
    ASSERT_TRUE(display.ready());
    X11KeySource keys;
    std::string why;
    const std::string displayName = display.name().toStdString();
    ASSERT_TRUE(keys.Open(displayName, &why)) << why;
    ::setenv("DISPLAY", displayName.c_str(), 1);
    XClientWindow other;  // another program's window, with the keyboard focus
    ASSERT_TRUE(other.Open(10000));

    TempDir home;
    ::setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
    RecordingMessageSink messages;
    PageContext context;
    context.keys = &keys;
    context.messages = &messages;
    context.clock = &RealClock::Instance();  // the keys arrive in real time
    MacroLibrary library;
    library.SetMacroFolder(home.path() / "Dravik" / "SOLUNE300" / "Macros");
    MacroRecorder recorder(library);
    context.macros = &library;
    context.recorder = &recorder;
    CMacroSettingsDlg page(context);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    MoveTo(&page, {1, 1});
    MoveTo(&page, {2, 2});
    ClickControl(&page, "New Macro");
    QTest::keyClicks(page.macroList()->nameEdit(), "Typed");
    QTest::keyClick(page.macroList()->nameEdit(), Qt::Key_Return);
    ClickControl(&page, "Start Record");
    ASSERT_TRUE(messages.messages.empty()) << messages.messages.front();

    bool typed = false;
    display.Xdotool({"key", "--delay", "20", "a", "b"}, &typed);
    ASSERT_TRUE(typed);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (page.eventList()->currentMacro()->events.size() < 4 &&
           std::chrono::steady_clock::now() < deadline) {
        QTest::qWait(20);
    }
    ClickControl(&page, "Stop Record");
    // The keys were not taken away from the window they were typed into.
    std::vector<std::string> received;
    for (int i = 0; i < 100 && received.size() < 2; ++i) {
        received = other.ReceivedPresses();
        QTest::qWait(20);
    }
    EXPECT_EQ(received, (std::vector<std::string>{"a", "b"}));

    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    CMacro saved;
    ASSERT_EQ(LoadMacroFile(home.path() / "Dravik/SOLUNE300/Macros/Typed.macro", saved),
              MacroFileStatus::Complete);
    std::vector<std::pair<int, int>> rows;
    for (const CEventItem& row : saved.events) {
        rows.emplace_back(row.code, row.edge);
        EXPECT_EQ(row.kind, kMacroKey);
    }
    EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{0x41, 0}, {0x41, 1}, {0x42, 0}, {0x42, 1}}));
    EXPECT_EQ(saved.name, u"Typed");
}

}  // namespace
}  // namespace solune::test

int main(int argc, char** argv) {
    if (!solune::test::OnPath("Xvfb") || !solune::test::OnPath("xdotool")) {
        return 77;  // skipped: no virtual display here
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
