// The macro page's macro-name list: naming and ids of new macros, the name
// edit, deleting with the confirmation pop-up, the record options set from
// the chosen macro, and the list texts the list shows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QTest>

#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "config/macros/widgets/ListScroll.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixScrollCtrl.h"
#include "tests/config/macros/widgets/MacroPageFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {
namespace {

constexpr int kA = 0x41;
constexpr int kB = 0x42;

using MacroList = MacroPageFixture;

TEST_F(MacroList, NewMacrosGetIdsFrom16AndUniqueNames) {
    OpenPage();
    NewMacro("M");
    NewMacro("M");
    NewMacro("M");
    NewMacro("M(1)");
    NewMacro("Other");
    EXPECT_EQ(ListNames(), (std::vector<QString>{"M", "M(1)", "M(2)", "M(3)", "Other"}));
    std::vector<int> ids;
    for (const auto& macro : library().macros()) {
        ids.push_back(macro->id);
    }
    EXPECT_EQ(ids, (std::vector<int>{16, 17, 18, 19, 20}));
    // Each new macro is made empty in the library and becomes the one shown.
    EXPECT_EQ(SelectedListRow(), 4);
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->id, 20);
    EXPECT_EQ(current()->name, u"Other");
    ASSERT_TRUE(library().MacroById(18).has_value());
    EXPECT_EQ(library().MacroById(18)->name, u"M(2)");
    // The list shows the library: its rows are the macros' list texts.
    ASSERT_EQ(library().macros().size(), 5u);
    EXPECT_EQ(library().macros()[3]->listText, u"M(3)");
    EXPECT_EQ(library().macros()[3]->id, 19);
}

TEST_F(MacroList, RowsShowNamesWholeOrEndingInAnEllipsis) {
    OpenPage();
    const QString longName(200, QChar(u'W'));
    for (const QString& name : {QString("Jump"), QString("Jump(1)"), QString("jUMP"), longName}) {
        NewMacro(name);
    }
    ASSERT_EQ(list().rowCount(), 4);
    const QFontMetrics metrics(list().font());
    for (int i = 0; i < list().rowCount(); ++i) {
        const QString drawn = list().shownRowText(i);
        SCOPED_TRACE(list().rowText(i).left(20).toStdString());
        EXPECT_TRUE(WholeOrElided(drawn, list().rowText(i)));
        EXPECT_LE(metrics.horizontalAdvance(drawn), list().rowRect(i).width());
        EXPECT_EQ(drawn == list().rowText(i), i < 3);
    }
}

TEST_F(MacroList, AScreenReaderReadsTheNamesAndChoosesOneAsAClickDoes) {
    OpenPage();
    NewMacro("Jump");
    NewMacro("Walk");
    QAccessibleInterface* names = QAccessible::queryAccessibleInterface(&list());
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->role(), QAccessible::List);
    ASSERT_GE(names->childCount(), 2);
    QAccessibleInterface* jump = names->child(0);
    EXPECT_EQ(jump->role(), QAccessible::ListItem);
    EXPECT_EQ(jump->text(QAccessible::Name), "Jump");
    EXPECT_EQ(names->child(1)->text(QAccessible::Name), "Walk");
    EXPECT_FALSE(jump->state().selected);
    EXPECT_TRUE(names->child(1)->state().selected);
    jump->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // As a click: the row is selected and the page shows that macro.
    ASSERT_TRUE(ProcessUntil([&] { return SelectedListRow() == 0; }));
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->name, u"Jump");
    EXPECT_TRUE(jump->state().selected);
}

TEST_F(MacroList, AnEmptyNameCreatesNothing) {
    OpenPage();
    ClickControl("New Macro");
    EXPECT_TRUE(list().isNameEditOpen());
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(list().isNameEditOpen());
    ClickControl("New Macro");
    ClickControl("New Macro");  // the second press commits the empty edit
    EXPECT_FALSE(list().isNameEditOpen());
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_TRUE(events().library().macros().empty());
}

TEST_F(MacroList, EnterCreatesTheMacroAndEscapeLeavesThePageOpen) {
    OpenPage();
    ClickControl("New Macro");
    Type("Combo");
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(page().isVisible());
    PressKey(Qt::Key_Return);
    EXPECT_EQ(ListNames(), std::vector<QString>{"Combo"});
    EXPECT_EQ(list().nameEdit()->text(), QString());
    PressKey(Qt::Key_Escape, &page());
    PressKey(Qt::Key_Return, &page());
    EXPECT_TRUE(page().isVisible());
}

TEST_F(MacroList, APressInTheListOnlyCommitsTheOpenEdit) {
    OpenPage();
    NewMacro("First");
    ClickControl("New Macro");
    Type("Second");
    // The press commits (the new row is selected); the release then selects
    // the row under the pointer.
    ClickListRow(0);
    EXPECT_EQ(ListNames(), (std::vector<QString>{"First", "Second"}));
    EXPECT_EQ(SelectedListRow(), 0);
    EXPECT_EQ(current()->name, u"First");
}

TEST_F(MacroList, TheNameEditOpensWhereTheNextRowGoes) {
    OpenPage();
    NewMacro("One");
    ClickControl("New Macro");
    const QRect edit = list().nameEdit()->geometry();
    EXPECT_EQ(edit, QRect(3, 23, list().width() - 2 - 3, 18));
    EXPECT_TRUE(list().nameEdit()->hasFocus());
}

TEST_F(MacroList, LongListsScrollTheLastRowToTheBottomEdge) {
    OpenPage();
    for (int i = 0; i < 10; ++i) {
        NewMacro(QString("Macro %1").arg(i));
    }
    EXPECT_TRUE(list().scrollCtrl()->isHidden());
    NewMacro("Macro 10");
    NewMacro("Macro 11");
    NewMacro("Macro 12");
    ASSERT_FALSE(list().scrollCtrl()->isHidden());
    EXPECT_EQ(list().scrollCtrl()->maxValue(), 13);
    EXPECT_EQ(list().scrollCtrl()->value(), 12);
    const QRect last = list().rowRect(list().rowCount() - 1);
    EXPECT_EQ(last.y() + last.height(), list().height());
    EXPECT_EQ(list().scrollCtrl()->geometry().right() + 1, list().width());
    EXPECT_EQ(list().scrollCtrl()->height(), list().height());
}

TEST_F(MacroList, TheWheelScrollsALongList) {
    OpenPage();
    for (int i = 0; i < 13; ++i) {
        NewMacro(QString("Macro %1").arg(i));
    }
    ASSERT_EQ(list().scrollCtrl()->value(), 12);
    const int lastBottom = list().rowRect(12).bottom();
    // Away from the user: earlier rows come into sight, the last moves down.
    Wheel(&list(), 1);
    EXPECT_EQ(list().scrollCtrl()->value(), 11);
    EXPECT_GT(list().rowRect(12).bottom(), lastBottom);
    Wheel(&list(), -1);
    EXPECT_EQ(list().scrollCtrl()->value(), 12);
    EXPECT_EQ(list().rowRect(12).bottom(), lastBottom);
    // Further than the scroll's end, the wheel stops there.
    Wheel(&list(), -3);
    EXPECT_EQ(list().scrollCtrl()->value(), list().scrollCtrl()->maxValue());
    EXPECT_EQ(list().rowRect(12).bottom(), lastBottom);
}

class DeleteMacro : public MacroPageFixture {
  protected:
    void SetUp() override {
        WriteLibrary({{u"One", 16, {{kA, 0}, {kA, 1}}},
                      {u"Two", 17, {{kB, 0}, {kB, 1}}},
                      {u"Three", 18, {}}});
        OpenPage();
    }
    void Delete(const char* answer) {
        AnswerNextPopUp(answer);
        ClickControl("Delete");
        EXPECT_TRUE(m_popUpAnswered);
    }
};

TEST_F(DeleteMacro, LoadedMacrosAreListedInOrderAndTheLastIsShown) {
    EXPECT_EQ(ListNames(), (std::vector<QString>{"One", "Two", "Three"}));
    EXPECT_EQ(SelectedListRow(), 2);
    EXPECT_EQ(current()->id, 18);
}

TEST_F(DeleteMacro, CancelAndCloseChangeNothing) {
    Delete("Cancel");
    Delete("Close");
    EXPECT_EQ(ListNames(), (std::vector<QString>{"One", "Two", "Three"}));
    EXPECT_EQ(events().library().macros().size(), 3u);
}

TEST_F(DeleteMacro, TheLastOfThreeSelectsTheSecond) {
    Delete("OK");
    EXPECT_EQ(ListNames(), (std::vector<QString>{"One", "Two"}));
    EXPECT_EQ(SelectedListRow(), 1);
    EXPECT_EQ(current()->id, 17);
    EXPECT_FALSE(library().MacroById(18).has_value());
}

TEST_F(DeleteMacro, TheMiddleSelectsTheRowThatMovedUpAndTheOnlyOneLeavesNone) {
    ClickListRow(1);
    Delete("OK");
    EXPECT_EQ(ListNames(), (std::vector<QString>{"One", "Three"}));
    EXPECT_EQ(SelectedListRow(), 1);
    EXPECT_EQ(current()->id, 18);
    EXPECT_EQ(list().rowRect(1).y(), 23);  // laid out again from the top
    ClickListRow(0);
    Delete("OK");
    Delete("OK");
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_EQ(current(), nullptr);
    EXPECT_TRUE(events().library().macros().empty());
}

TEST_F(DeleteMacro, TheWindowIsToldOnceTheMacroIsGone) {
    bool deletedStillThere = true;
    m_notices.onMacroRemoved = [&] { deletedStillThere = library().MacroById(18).has_value(); };
    Delete("Cancel");
    EXPECT_TRUE(m_notices.calls.empty());
    Delete("OK");
    EXPECT_EQ(m_notices.calls, (std::vector<std::string>{"macro removed"}));
    EXPECT_FALSE(deletedStillThere);
}

TEST_F(MacroList, ChoosingAMacroSetsTheRecordOptions) {
    WriteLibrary({{u"Held", 16, {{kA, 0}, {kB, 0}}},
                  {u"Typed", 17, {{kA, 0}, {kA, 1}}},
                  {u"Empty", 18, {}}});
    OpenPage();
    ClickControl("Record Delay");
    EXPECT_TRUE(IsChecked("Record Delay"));
    ClickListRow(0);  // only presses: recorded in hold mode
    EXPECT_FALSE(IsChecked("Record Delay"));
    EXPECT_TRUE(IsChecked("Record Hold"));
    ClickListRow(1);
    EXPECT_FALSE(IsChecked("Record Hold"));
    ClickListRow(0);
    ClickListRow(2);  // no rows: not a hold macro
    EXPECT_FALSE(IsChecked("Record Hold"));
    EXPECT_FALSE(IsChecked("Record Delay"));
}

TEST_F(MacroList, RecordDelayAndRecordHoldExcludeEachOther) {
    OpenPage();
    ClickControl("Record Hold");
    EXPECT_TRUE(IsChecked("Record Hold"));
    ClickControl("Record Delay");
    EXPECT_TRUE(IsChecked("Record Delay"));
    EXPECT_FALSE(IsChecked("Record Hold"));
    ClickControl("Record Delay");
    EXPECT_FALSE(IsChecked("Record Delay"));
    EXPECT_FALSE(IsChecked("Record Hold"));
    ClickControl("Record Hold");
    ClickControl("New Macro");  // "New Macro" clears "Record Hold"
    EXPECT_FALSE(IsChecked("Record Hold"));
}

TEST_F(MacroList, SavingWritesTheLibraryIntoTheUsersMacroFolder) {
    OpenPage();
    NewMacro("Saved");
    EXPECT_EQ(SaveLibrary(), MacroSaveResult::Saved);
    EXPECT_TRUE(std::filesystem::exists(macroFolder() / "Saved.macro"));
    EXPECT_TRUE(std::filesystem::exists(macroFolder() / "macroList.dat"));
}

}  // namespace
}  // namespace solune::test
