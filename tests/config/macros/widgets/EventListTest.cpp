// The event list: rows inserted from the context menu, deleting rows, the
// delay edit, scrolling, what each row shows, and the menu's rules.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QTest>

#include "config/macros/widgets/CVixMacroCtrl.h"
#include "config/macros/widgets/EventRowLook.h"
#include "config/macros/widgets/ListScroll.h"
#include "config/pages/KeyName.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/CVixScrollCtrl.h"
#include "tests/config/macros/widgets/MacroPageFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {
namespace {

constexpr int kA = 0x41;
constexpr int kB = 0x42;
constexpr int kC = 0x43;

class EventList : public MacroPageFixture {
  protected:
    // One macro with the key rows A down, B down, C down, shown.
    void OpenWithThreeRows() {
        WriteLibrary({{u"Keys", 16, {{kA, 0}, {kB, 0}, {kC, 0}}}});
        OpenPage();
    }
};

TEST_F(EventList, ClickWithNoRowSelectedInsertsDownAndUpAtTheTop) {
    OpenWithThreeRows();
    ASSERT_EQ(SelectedEventRow(), 2);  // as saved: the last row added
    current()->DeselectAll();
    ChooseFromMenu({"Insert mouse event", "Left button", "Click"});
    EXPECT_EQ(Rows(),
              (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}, {kA, 0}, {kB, 0}, {kC, 0}}));
    EXPECT_EQ(current()->events[0].kind, kMacroMouseButton);
    EXPECT_EQ(SelectedEventRow(), 1);
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(EventList, AScreenReaderReadsEachRowAndPicksItAsAClickDoes) {
    OpenWithThreeRows();
    ClickEventRow(0);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&events());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_GE(list->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* row = list->child(i);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->role(), QAccessible::ListItem);
        const EventRowLook look = DescribeEventRow(current()->events[static_cast<std::size_t>(i)]);
        EXPECT_EQ(row->text(QAccessible::Name), look.label + " " + look.delay);
        EXPECT_EQ(row->state().selected, i == 0);
        EXPECT_EQ(list->indexOfChild(row), i);
    }
    QAccessibleInterface* third = list->child(2);
    third->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(ProcessUntil([&] { return SelectedEventRow() == 2; }));
    EXPECT_TRUE(third->state().selected);
}

TEST_F(EventList, MouseRowsGoAfterTheSelectedRow) {
    OpenWithThreeRows();
    ClickEventRow(0);
    ChooseFromMenu({"Insert mouse event", "Right button", "Down"});
    ChooseFromMenu({"Insert mouse event", "Scroll wheel", "Up"});
    EXPECT_EQ(Rows(),
              (std::vector<std::pair<int, int>>{{kA, 0}, {2, 0}, {151, 0}, {kB, 0}, {kC, 0}}));
    EXPECT_EQ(SelectedEventRow(), 2);
    EXPECT_EQ(current()->events[2].kind, kMacroWheel);
}

struct MouseItem {
    const char* button;
    const char* action;
    std::vector<std::tuple<int, int, int>> rows;  // kind, code, edge
};

TEST_F(EventList, EveryMouseItemInsertsItsRows) {
    const std::vector<MouseItem> items = {
        {"Left button", "Down", {{16, 1, 0}}},
        {"Left button", "Up", {{16, 1, 1}}},
        {"Right button", "Click", {{16, 2, 0}, {16, 2, 1}}},
        {"Middle button", "Down", {{16, 4, 0}}},
        {"Middle button", "Click", {{16, 4, 0}, {16, 4, 1}}},
        {"Forward button", "Up", {{16, 167, 1}}},
        {"Forward button", "Click", {{16, 167, 0}, {16, 167, 1}}},
        {"Back button", "Down", {{16, 166, 0}}},
        {"Back button", "Click", {{16, 166, 0}, {16, 166, 1}}},
        {"Scroll wheel", "Down", {{17, 152, 0}}},
        {"Scroll wheel", "Up", {{17, 151, 0}}},
    };
    OpenPage();
    NewMacro("Mouse");
    for (const MouseItem& item : items) {
        SCOPED_TRACE(std::string(item.button) + " " + item.action);
        current()->events.clear();
        ChooseFromMenu({"Insert mouse event", item.button, item.action});
        std::vector<std::tuple<int, int, int>> rows;
        for (const CEventItem& row : current()->events) {
            rows.emplace_back(row.kind, row.code, row.edge);
            EXPECT_EQ(row.delay, 0);
        }
        EXPECT_EQ(rows, item.rows);
    }
}

TEST_F(EventList, MouseItemsNeedACurrentMacro) {
    OpenPage();
    ChooseFromMenu({"Insert mouse event", "Left button", "Click"});
    EXPECT_EQ(current(), nullptr);
    EXPECT_TRUE(events().library().macros().empty());
}

TEST_F(EventList, DeletingRowsMovesTheSelection) {
    OpenWithThreeRows();
    ChooseFromMenu({"Delete"});  // the last of three: the first row is selected
    EXPECT_EQ(Rows(), (std::vector<std::pair<int, int>>{{kA, 0}, {kB, 0}}));
    EXPECT_EQ(SelectedEventRow(), 0);

    current()->AddEvent(kMacroKey, kC, 0, 0, kInsertAppend);
    ClickEventRow(1);
    ChooseFromMenu({"Delete"});  // the middle: the row that moved up
    EXPECT_EQ(Rows(), (std::vector<std::pair<int, int>>{{kA, 0}, {kC, 0}}));
    EXPECT_EQ(SelectedEventRow(), 1);
    EXPECT_EQ(current()->events[1].rect.top, 23);

    ChooseFromMenu({"Delete"});
    ChooseFromMenu({"Delete"});
    EXPECT_TRUE(Rows().empty());
    ChooseFromMenu({"Delete"});  // nothing left: nothing happens
    EXPECT_TRUE(Rows().empty());
}

TEST_F(EventList, EditDelayTakesTheTypedDigitsOnEnter) {
    OpenWithThreeRows();
    ClickEventRow(1);
    ChooseFromMenu({"Edit delay"});
    ASSERT_TRUE(events().isDelayEditOpen());
    const MacroRect row = current()->events[1].rect;
    EXPECT_EQ(events().delayEdit()->geometry(),
              QRect(row.left + 120, row.top + 2, 52, row.bottom - row.top - 2));
    PressKey(Qt::Key_Return);  // empty: the delay stays
    EXPECT_FALSE(events().isDelayEditOpen());
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{0, 0, 0}));

    ChooseFromMenu({"Insert delay"});
    Type("25x0", events().delayEdit());  // only digits are taken
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{0, 250, 0}));
    EXPECT_EQ(events().delayEdit()->text(), QString());
}

TEST_F(EventList, APressInTheListCommitsTheDelayEditAndSelectsNothingElse) {
    OpenWithThreeRows();
    ClickEventRow(0);
    ChooseFromMenu({"Edit delay"});
    Type("99999999999", events().delayEdit());  // ten digits at most, held to the largest delay
    const MacroRect row2 = current()->events[2].rect;
    const QPoint onRow2((row2.left + row2.right) / 2, (row2.top + row2.bottom) / 2);
    Press(&events(), onRow2);
    EXPECT_FALSE(events().isDelayEditOpen());
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{2147483647, 0, 0}));
    EXPECT_EQ(SelectedEventRow(), 0);
    Release(&events(), onRow2);
    EXPECT_EQ(SelectedEventRow(), 2);
}

TEST_F(EventList, DelayEditNeedsASelectedRow) {
    OpenWithThreeRows();
    current()->DeselectAll();
    ChooseFromMenu({"Edit delay"});
    EXPECT_FALSE(events().isDelayEditOpen());
}

TEST_F(EventList, TheRightButtonDoesNotChangeTheSelection) {
    OpenWithThreeRows();
    ClickEventRow(1);
    const MacroRect row0 = current()->events[0].rect;
    RightClickEvents({20, (row0.top + row0.bottom) / 2});
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(SelectedEventRow(), 1);
    const QPoint topLeft = events().mapToGlobal(QPoint(20, (row0.top + row0.bottom) / 2));
    EXPECT_EQ(menu().geometry().topLeft(), topLeft);
    // Never narrower than its 170 pixels; wider where its rows need it.
    EXPECT_GE(menu().width(), 170);
    Press(&page(), {5, 5});  // a press outside closes it
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(EventList, LongMacrosScrollTheNewRowToTheBottomEdge) {
    OpenPage();
    NewMacro("Long");
    ASSERT_EQ(events().scrollCtrl()->minValue(), 11);  // 199 / 18 rows fit
    for (int i = 0; i < 15; ++i) {
        ChooseFromMenu({"Insert mouse event", "Scroll wheel", "Down"});
    }
    EXPECT_EQ(events().scrollCtrl()->maxValue(), 14);
    EXPECT_EQ(events().scrollCtrl()->value(), 14);
    EXPECT_EQ(current()->events.back().rect.bottom, current()->rect.bottom);

    // Choosing the macro again scrolls its rows back to the top position.
    NewMacro("Other");
    ClickListRow(0);
    EXPECT_EQ(events().scrollCtrl()->value(), 11);
    // Row 11 moves to the bottom edge and 20 pixels further: the first row
    // ends up 3 pixels from the top.
    EXPECT_EQ(current()->events.front().rect.top, 3);
}

TEST(EventRowLook, LabelsMarkersAndDelays) {
    struct Case {
        std::uint8_t kind;
        std::int16_t code;
        std::uint8_t edge;
        std::int32_t delay;
        RowMarker marker;
        const char* label;
        const char* delayText;
    };
    const Case cases[] = {
        {16, 1, 0, 0, RowMarker::Line, "Left button Down", "0 ms"},
        {16, 1, 1, 5, RowMarker::Line, "Left button Up", "5 ms"},
        {16, 2, 0, 0, RowMarker::Line, "Right button Down", "0 ms"},
        {16, 4, 1, 0, RowMarker::Line, "Middle button Up", "0 ms"},
        {16, 166, 0, 0, RowMarker::Line, "Back button Down", "0 ms"},
        {16, 167, 1, 0, RowMarker::Line, "Forward button Up", "0 ms"},
        {17, 151, 0, 0, RowMarker::Line, "Scroll wheel Up", "0 ms"},
        {17, 152, 0, 0, RowMarker::Line, "Scroll wheel Down", "0 ms"},
        {1, 0x41, 0, 250, RowMarker::PressArrow, "A", "250 ms"},
        {1, 0x26, 1, 0, RowMarker::ReleaseArrow, "UP ARROW ", "0 ms"},
        {1, 0x10, 0, -3, RowMarker::None, "", "-3 ms"},  // no name: no arrow
    };
    for (const Case& c : cases) {
        CEventItem row;
        row.kind = c.kind;
        row.code = c.code;
        row.edge = c.edge;
        row.delay = c.delay;
        const EventRowLook look = DescribeEventRow(row);
        EXPECT_EQ(look.marker, c.marker) << c.label;
        EXPECT_EQ(look.label, QString::fromLatin1(c.label));
        EXPECT_EQ(look.delay, QString::fromLatin1(c.delayText));
    }
}

TEST_F(EventList, EveryRowTextFitsItsPlaceAndTheDelayIsWhole) {
    OpenWithThreeRows();
    const MacroRect row = current()->events[0].rect;
    const QFont font = EventRowFont();
    const QFontMetrics metrics(font);
    std::vector<QString> labels = {"Left button Down", "Right button Down", "Middle button Down",
                                   "Back button Down", "Forward button Down", "Scroll wheel Down"};
    for (std::uint32_t code = 0; code < 256; ++code) {
        labels.push_back(QString::fromStdString(KeyName(code)));
    }
    for (const char* delay : {"0 ms", "1307 ms", "65535 ms", "2147483647 ms"}) {
        for (const QString& label : labels) {
            SCOPED_TRACE(testing::Message() << label.toStdString() << " / " << delay);
            const EventRowLook look{RowMarker::Line, label, QString::fromLatin1(delay)};
            const EventRowPlaces places = PlaceEventRow(look, font, row.left, row.right);
            EXPECT_TRUE(WholeOrElided(places.label, label));
            EXPECT_LE(metrics.horizontalAdvance(places.label), places.labelWidth);
            EXPECT_LT(places.labelLeft + places.labelWidth, places.delayLeft);
            EXPECT_LE(metrics.horizontalAdvance(look.delay), places.delayWidth);
            EXPECT_LE(places.delayLeft + places.delayWidth, row.right);
        }
    }
}

TEST_F(EventList, ShortDelaysKeepTheirPlace) {
    const EventRowLook look{RowMarker::Line, "Left button Down", "1307 ms"};
    const EventRowPlaces places = PlaceEventRow(look, EventRowFont(), 4, 198);
    EXPECT_EQ(places.labelLeft, 4 + 17);
    EXPECT_EQ(places.delayLeft, 4 + 122);
    EXPECT_EQ(places.delayWidth, 52);
}

TEST_F(EventList, EveryContextMenuRowFitsItsMenu) {
    OpenWithThreeRows();
    ClickEventRow(1);
    RightClickEvents();
    ASSERT_TRUE(menu().isVisible());
    // Every menu of the chain, opened as the user opens it, is at least as
    // wide as its table says and wide enough for its longest row.
    std::vector<SkinMenu*> open = {&menu()};
    int checked = 0;
    while (!open.empty()) {
        SkinMenu* shown = open.back();
        open.pop_back();
        ++checked;
        SCOPED_TRACE(shown->controlId());
        const int widest = shown->MaxItemTextWidth(shown->controlId());
        for (int i = 0; i < shown->rowCount(); ++i) {
            const MenuRect& r = shown->row(i).rect;
            const int room = r.right - r.left - 10 - (shown->row(i).hasSubMenu ? 10 : 0);
            EXPECT_LE(widest, room) << shown->row(i).text.toStdString();
            if (shown->row(i).hasSubMenu) {
                MoveTo(shown, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                SkinMenu* sub = shown->GetSubMenu(shown->row(i).id);
                if (sub->isVisible()) {
                    open.push_back(sub);
                }
            }
        }
    }
    EXPECT_GT(checked, 2);
    menu().Close();
}

TEST_F(EventList, TheWheelScrollsALongList) {
    OpenPage();
    NewMacro("Long");
    for (int i = 0; i < 15; ++i) {
        ChooseFromMenu({"Insert mouse event", "Scroll wheel", "Down"});
    }
    ASSERT_EQ(events().scrollCtrl()->value(), 14);
    const int bottomRowTop = current()->events.back().rect.top;
    struct Step {
        int notches;  // away from the user: positive
        int value;
    };
    const Step steps[] = {{1, 13}, {2, 11}, {1, 11}, {-1, 12}, {-9, 14}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.notches);
        Wheel(&events(), step.notches);
        EXPECT_EQ(events().scrollCtrl()->value(), step.value);
    }
    EXPECT_EQ(current()->events.back().rect.top, bottomRowTop);
    Wheel(&events(), 1);
    EXPECT_EQ(current()->events.back().rect.top, bottomRowTop + kListRowHeight);
}

TEST_F(EventList, TheWheelLeavesAShortListAlone) {
    OpenWithThreeRows();
    const MacroRect first = current()->events.front().rect;
    Wheel(&events(), -2);
    Wheel(&events(), 2);
    EXPECT_EQ(current()->events.front().rect.top, first.top);
}

// Pixels of the accent colour RGB(179, 211, 53) in the label area of `row`.
int AccentPixels(const QImage& shown, const MacroRect& row) {
    int count = 0;
    for (int x = row.left + 17; x < row.left + 122; ++x) {
        for (int y = row.top; y < row.bottom; ++y) {
            const QColor c = shown.pixelColor(x, y);
            count += c.green() > c.red() + 20 && c.green() > c.blue() + 60 ? 1 : 0;
        }
    }
    return count;
}

TEST_F(EventList, TheSelectedRowIsDrawnInTheAccentColour) {
    OpenWithThreeRows();
    const QImage shown = Grab(&events());
    EXPECT_GT(AccentPixels(shown, current()->events[2].rect), 0);
    EXPECT_EQ(AccentPixels(shown, current()->events[0].rect), 0);
}

}  // namespace
}  // namespace solune::test
