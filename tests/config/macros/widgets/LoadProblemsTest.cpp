// The macro page meets a damaged library: one message, once, names what could
// not be read; the readable macros are shown and can be saved; a macro whose
// file is full takes no more recorded rows.
#include <gtest/gtest.h>

#include <QTest>
#include <climits>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "tests/config/macros/widgets/MacroPageFixture.h"

namespace solune::test {
namespace {

constexpr int kA = 0x41;

using MacroPageLoad = MacroPageFixture;

TEST_F(MacroPageLoad, DamagedFilesAreNamedOnceAndTheRestIsShownAndSaved) {
    WriteLibrary({{u"Good", 16, {{kA, 0}, {kA, 1}}}, {u"Cut", 17, {{kA, 0}}}});
    auto cut = ReadBytes(macroFolder() / "Cut.macro");
    cut.pop_back();
    WriteBytes(macroFolder() / "Cut.macro", cut);
    // A macro with rectangles at the ends of the 32-bit range, copied in by hand.
    CMacro edge(nullptr, MacroRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 30, u"Edge");
    edge.AddEvent(kMacroKey, kA, kEdgePress, 0, kInsertAppend);
    edge.events[0].rect = MacroRect{INT_MIN, INT_MAX, INT_MAX, INT_MIN};
    ASSERT_TRUE(SaveMacroFile(edge, macroFolder() / "Edge.macro"));

    OpenPage();
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_NE(m_messages.messages[0].find("Cut.macro"), std::string::npos)
        << m_messages.messages[0];
    EXPECT_NE(m_messages.messages[0].find("Macros.damaged-"), std::string::npos);
    EXPECT_EQ(ListNames(), (std::vector<QString>{"Good", "Edge"}));

    // The extreme macro is shown, clicked and scrolled like any other.
    ClickListRow(1);
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->name, u"Edge");
    ClickEventRow(0);
    events().grab();

    EXPECT_EQ(SaveLibrary(), MacroSaveResult::Saved) << "the user has been told";
    EXPECT_EQ(ReadBytes(macroFolder() / "Cut.macro"), cut) << "the unreadable file stays";
    EXPECT_EQ(m_messages.messages.size(), 1u);

    // The next start has nothing new to tell about the saved macros, but the
    // cut file is still unreadable and is named again.
    m_page.reset();
    m_messages.messages.clear();
    OpenPage();
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_NE(m_messages.messages[0].find("Cut.macro"), std::string::npos);
}

TEST_F(MacroPageLoad, ASoundLibraryShowsNoMessage) {
    WriteLibrary({{u"Good", 16, {{kA, 0}}}});
    OpenPage();
    EXPECT_TRUE(m_messages.messages.empty());
    EXPECT_EQ(SaveLibrary(), MacroSaveResult::Saved);
}

TEST_F(MacroPageLoad, RecordingIntoAFullMacroStopsWithAMessage) {
    WriteLibrary({{u"Full", 16, {}}});
    CMacro full(nullptr, MacroRect{0, 0, 200, 199}, 16, u"Full");
    full.events.resize((kMaxMacroFileBytes - MacroFileSize(full)) / kMacroEventRecordSize);
    ASSERT_TRUE(SaveMacroFile(full, macroFolder() / "Full.macro"));
    OpenPage();
    ASSERT_TRUE(m_messages.messages.empty());
    ChooseFromMenu({"Start record after event"});
    Tap(kA);
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0], kMacroFullText);
    EXPECT_FALSE(page().recording());
    EXPECT_EQ(current()->events.size(), full.events.size());
    EXPECT_EQ(SaveLibrary(), MacroSaveResult::Saved);

    // Mouse rows from the menu are refused the same way.
    ChooseFromMenu({"Insert mouse event", "Left button", "Click"});
    ASSERT_EQ(m_messages.messages.size(), 2u);
    EXPECT_EQ(m_messages.messages[1], kMacroFullText);
    EXPECT_EQ(current()->events.size(), full.events.size());
}

}  // namespace
}  // namespace solune::test
