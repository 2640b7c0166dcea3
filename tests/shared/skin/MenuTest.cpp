#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "shared/skin/CQelComboButton.h"
#include "shared/skin/CQelMenu.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixImageDialog.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/ControlNotify.h"
#include "shared/skin/MenuHook.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::Notification;

constexpr Notification kClosingBefore{notify::kMenuClosing, 1};
constexpr Notification kClosingAfter{notify::kMenuClosing, 0};

QPoint RowCenter(const SkinMenu* menu, int index) {
    const MenuRect& r = menu->row(index).rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

template <typename Menu>
Menu* MakeMenu(QWidget* owner, int rows) {
    auto* menu = new Menu;
    menu->Create(7, owner, QRect(0, 0, 120, 10));
    for (int i = 0; i < rows; ++i) {
        menu->AddItem(100 + i, QString("Row %1").arg(i));
    }
    return menu;
}

TEST(Menu, LayoutAndPlacementOfBothFamilies) {
    struct Case {
        bool qel;
        int mode;
        QPoint expectedTopLeft;  // for a 120-wide menu shown at (300, 400)
        int rowRight;
    };
    test::RecordingParent owner;
    owner.ShowAndWait();
    const Case cases[] = {
        {false, 0, {300, 400}, 105}, {false, 2, {300, -1}, 105}, {false, 3, {180, -1}, 105},
        {true, 0, {300, 400}, 120},  {true, 2, {300, -1}, 120},  {true, 3, {10, 20}, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.qel ? "second" : "first") << " family, mode " << c.mode);
        SkinMenu* menu = c.qel ? static_cast<SkinMenu*>(MakeMenu<CQelMenu>(&owner, 3))
                               : MakeMenu<CVixMenu>(&owner, 3);
        menu->move(10, 20);
        menu->ShowAt(c.mode, 300, 400);
        const int h = menu->rowHeight();
        ASSERT_GT(h, 0);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->height(), 3 * h + 8);
        EXPECT_EQ(menu->width(), 120);
        const QPoint expected(c.expectedTopLeft.x(), c.expectedTopLeft.y() < 0
                                                         ? 400 - menu->height()
                                                         : c.expectedTopLeft.y());
        EXPECT_EQ(menu->pos(), expected);
        for (int i = 0; i < 3; ++i) {
            const MenuRect& r = menu->row(i).rect;
            EXPECT_EQ(r.left, 1);
            EXPECT_EQ(r.top, 4 + i * h);
            EXPECT_EQ(r.right, c.rowRight);
            EXPECT_EQ(r.bottom, 4 + (i + 1) * h);
        }
        menu->Close();
        delete menu;
    }
}

TEST(Menu, RowsTooLongForTheWidthWidenTheMenuToTheLongest) {
    struct Case {
        const char* longest;
        bool subMenu;
    };
    const Case cases[] = {
        {"Row", false},
        {"Start record before event", false},
        {"Forward button", true},
        {"A row far longer than any width a table would give a menu", false},
    };
    test::RecordingParent owner;
    owner.ShowAndWait();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longest);
        CVixMenu* menu = MakeMenu<CVixMenu>(&owner, 2);
        menu->AddItem(200, QString::fromLatin1(c.longest));
        if (c.subMenu) {
            menu->AddSubItem(200, 201, "Down");
        }
        menu->ShowAt(0, 20, 20);
        ASSERT_TRUE(menu->isVisible());
        EXPECT_GE(menu->width(), 120);
        const int textWidth = menu->MaxItemTextWidth(menu->controlId());
        // The text starts 10 pixels into its row and ends before the row's
        // end (and before the arrow of a sub-menu).
        const MenuRect& row = menu->row(2).rect;
        EXPECT_LE(row.left + 10 + textWidth + (c.subMenu ? 10 : 0), row.right);
        if (row.left + 10 + textWidth + 30 < 120) {
            EXPECT_EQ(menu->width(), 120);
        }
        // Only the rows' texts widen it: with them gone, it is the table's
        // width again.
        menu->RemoveAllItems();
        menu->AddItem(300, "Row");
        menu->ShowAt(0, 20, 20);
        EXPECT_EQ(menu->width(), 120);
        menu->Close();
        delete menu;
    }
}

// A shown owner and the edges of the screen that holds it.
class MenuOnScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.ShowAndWait();
        screen = owner.screen()->availableGeometry();
        right = screen.x() + screen.width();
        bottom = screen.y() + screen.height();
    }

    test::RecordingParent owner;
    QRect screen;
    int right = 0;
    int bottom = 0;
};

TEST_F(MenuOnScreenTest, MenusOpenLeftwardAndUpwardWhereTheScreenEnds) {
    CVixMenu* menu = MakeMenu<CVixMenu>(&owner, 9);
    menu->ShowAt(0, 0, 0);
    const int w = menu->width();
    const int h = menu->height();
    menu->Close();
    struct Case {
        const char* where;
        QPoint at;
        QPoint expected;
    };
    const Case cases[] = {
        {"room on both sides", {100, 100}, {100, 100}},
        {"near the bottom", {100, bottom - 20}, {100, bottom - 20 - h}},
        {"near the right edge", {right - 30, 100}, {right - 30 - w, 100}},
        {"near the bottom right corner", {right - 30, bottom - 20}, {right - 30 - w, bottom - 20 - h}},
        {"below the screen", {100, bottom + 50}, {100, bottom - h}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        menu->ShowAt(0, c.at.x(), c.at.y());
        EXPECT_EQ(menu->pos(), c.expected);
        EXPECT_TRUE(screen.contains(menu->geometry()));
        menu->Close();
    }
    delete menu;
}

TEST_F(MenuOnScreenTest, SubMenusOpenOnTheSideWithRoom) {
    CVixMenu* menu = MakeMenu<CVixMenu>(&owner, 3);
    for (int i = 0; i < 8; ++i) {
        menu->AddSubItem(102, 500 + i, QString("Deep %1").arg(i));
    }
    SkinMenu* sub = menu->GetSubMenu(102);
    struct Case {
        const char* where;
        QPoint at;
        bool leftward;
        bool upward;
    };
    const Case cases[] = {
        {"room everywhere", {50, 50}, false, false},
        {"at the right edge", {right - 130, 50}, true, false},
        {"near the bottom", {50, bottom - 80}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        menu->ShowAt(0, c.at.x(), c.at.y());
        test::MoveTo(menu, RowCenter(menu, 0));
        test::MoveTo(menu, RowCenter(menu, 2));
        ASSERT_TRUE(sub->isVisible());
        const QRect m = menu->geometry();
        const QRect s = sub->geometry();
        EXPECT_TRUE(screen.contains(s));
        if (c.leftward) {
            EXPECT_EQ(s.x() + s.width(), m.x() + 5);
        } else {
            EXPECT_EQ(s.x(), m.x() + m.width() - 5);
        }
        const int rowTop = m.y() + menu->row(2).rect.top;
        const int rowBottom = m.y() + menu->row(2).rect.bottom;
        if (c.upward) {
            EXPECT_EQ(s.y() + s.height(), rowBottom + 5);
        } else {
            EXPECT_EQ(s.y(), rowTop - 5);
        }
        menu->Close();
    }
    delete menu;
}

TEST(Menu, MenuWithoutRowsIsNeverShown) {
    test::RecordingParent owner;
    CVixMenu* menu = MakeMenu<CVixMenu>(&owner, 0);
    menu->ShowAt(0, 10, 10);
    EXPECT_FALSE(menu->isVisible());
}

TEST(Menu, AddingAnExistingIdChangesNothing) {
    test::RecordingParent owner;
    CVixMenu* menu = MakeMenu<CVixMenu>(&owner, 2);
    menu->AddItem(101, "Other");
    ASSERT_EQ(menu->rowCount(), 2);
    EXPECT_EQ(menu->row(1).text, "Row 1");
    EXPECT_EQ(menu->FindItem(101)->text, "Row 1");
}

TEST(Menu, SubItemsAndFindItemReachIntoSubMenus) {
    test::RecordingParent owner;
    CVixMenu* menu = MakeMenu<CVixMenu>(&owner, 2);
    menu->AddSubItem(101, 500, "Deep");
    EXPECT_TRUE(menu->row(1).hasSubMenu);
    EXPECT_EQ(menu->GetSubMenu(101)->controlId(), 101);
    EXPECT_EQ(menu->GetSubMenu(101)->parentMenu(), menu);
    EXPECT_EQ(menu->subMenuCount(), 1);
    ASSERT_NE(menu->FindItem(500), nullptr);
    EXPECT_EQ(menu->FindItem(500)->text, "Deep");
    EXPECT_EQ(menu->FindItem(999), nullptr);
    EXPECT_GT(menu->MaxItemTextWidth(101), 0);
}

class MenuChainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.ShowAndWait();
        menu = MakeMenu<CVixMenu>(&owner, 3);
        menu->AddSubItem(101, 500, "Deep A");
        menu->AddSubItem(101, 501, "Deep B");
        menu->ShowAt(0, 150, 150);
        test::MoveTo(menu, RowCenter(menu, 1));
        sub = menu->GetSubMenu(101);
        owner.notifications.clear();
    }
    void TearDown() override { menu->Close(); }

    test::RecordingParent owner;
    CVixMenu* menu = nullptr;
    CVixMenu* sub = nullptr;
};

TEST_F(MenuChainTest, HoveringARowWithSubMenuOpensItBesideTheRow) {
    ASSERT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(150 + 120 - 5, 150 + menu->row(1).rect.top - 5));
    EXPECT_EQ(CVixMenu::Hook().target(), sub);
    EXPECT_EQ(menu->hoverIndex(), 1);

    // Moving to a plain row hides the sub-menu, telling the owner around it.
    test::MoveTo(menu, RowCenter(menu, 2));
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(owner.notifications, (std::vector<Notification>{kClosingBefore, kClosingAfter}));
    EXPECT_EQ(CVixMenu::Hook().target(), menu);
}

TEST_F(MenuChainTest, EmptyingAnOpenSubMenuClosesTheChainAndKeepsTheMark) {
    sub->RemoveAllItems();
    EXPECT_EQ(sub->rowCount(), 0);
    EXPECT_EQ(sub->hoverIndex(), -1);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
    EXPECT_TRUE(menu->row(1).hasSubMenu);

    // The emptied sub-menu no longer opens from its row.
    menu->ShowAt(0, 150, 150);
    test::MoveTo(menu, RowCenter(menu, 0));
    test::MoveTo(menu, RowCenter(menu, 1));
    EXPECT_FALSE(sub->isVisible());
}

TEST_F(MenuChainTest, ClickingARowWithSubMenuDoesNothing) {
    test::Press(menu, RowCenter(menu, 1));
    test::Release(menu, RowCenter(menu, 1));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(sub->isVisible());
    EXPECT_TRUE(owner.notifications.empty());
}

TEST_F(MenuChainTest, ChoosingALeafTellsTheOwnerOnceThenClosesTheChain) {
    test::Click(sub, RowCenter(sub, 1));
    EXPECT_EQ(owner.notifications,
              (std::vector<Notification>{
                  {101, 501}, kClosingBefore, kClosingBefore, kClosingAfter, kClosingAfter}));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(sub->isVisible());
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
}

TEST_F(MenuChainTest, LeftPressOutsideClosesTheChainRightPressDoesNot) {
    test::Press(&owner, {380, 280}, Qt::RightButton);
    test::Release(&owner, {380, 280}, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(sub->isVisible());
    // A press inside a menu of the chain is no outside press either.
    test::Press(menu, RowCenter(menu, 0));
    EXPECT_TRUE(menu->isVisible());
    test::Release(menu, {-50, -50});

    test::Press(&owner, {380, 280});
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(sub->isVisible());
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
    test::Release(&owner, {380, 280});
}

TEST_F(MenuChainTest, LosingActivationClosesTheChain) {
    // A click into another program shows here only as the application
    // losing activation.
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &deactivate);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(sub->isVisible());
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
}

TEST_F(MenuChainTest, EscapeClosesTheWholeChain) {
    // The menus never take the keyboard: the key goes to the owner's window.
    QTest::keyClick(&owner, Qt::Key_A);
    EXPECT_TRUE(sub->isVisible());
    QTest::keyClick(&owner, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(sub->isVisible());
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
    EXPECT_EQ(owner.notifications,
              (std::vector<Notification>{kClosingBefore, kClosingBefore, kClosingAfter,
                                         kClosingAfter}));
}

// An owner whose menu row opens a modal window, as a page's pop-up does.
struct ModalOpeningParent : test::RecordingParent {
    void controlNotify(int id, int value) override {
        RecordingParent::controlNotify(id, value);
        if (id != 7) {
            return;
        }
        CVixImageDialog dialog(this);
        dialog.resize(100, 60);
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            menuShownDuringModal = menu->isVisible() || menu->GetSubMenu(101)->isVisible();
            dialog.reject();
        });
        dialog.DoModal();
    }
    CVixMenu* menu = nullptr;
    bool menuShownDuringModal = true;
};

TEST(Menu, AModalWindowOpenedFromARowHidesTheMenu) {
    ModalOpeningParent owner;
    owner.ShowAndWait();
    owner.menu = MakeMenu<CVixMenu>(&owner, 3);
    owner.menu->AddSubItem(101, 500, "Deep");
    owner.menu->ShowAt(0, 150, 150);
    test::Click(owner.menu, RowCenter(owner.menu, 2));
    EXPECT_FALSE(owner.menuShownDuringModal);
    EXPECT_FALSE(owner.menu->isVisible());
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
}

TEST_F(MenuChainTest, PressOnTheFrameClosesTheChain) {
    test::Press(menu, {60, 1});
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(sub->isVisible());
    test::Release(menu, {60, 1});
}

TEST(Menu, FamiliesWatchOutsideClicksSeparately) {
    test::RecordingParent owner;
    owner.ShowAndWait();
    CVixMenu* vix = MakeMenu<CVixMenu>(&owner, 2);
    CQelMenu* qel = MakeMenu<CQelMenu>(&owner, 2);
    vix->ShowAt(0, 150, 150);
    qel->ShowAt(0, 350, 150);
    EXPECT_EQ(CVixMenu::Hook().target(), vix);
    EXPECT_EQ(CQelMenu::Hook().target(), qel);
    qel->Close();
    EXPECT_FALSE(CQelMenu::Hook().isInstalled());
    EXPECT_TRUE(CVixMenu::Hook().isInstalled());
    EXPECT_TRUE(vix->isVisible());
    vix->Close();
    EXPECT_FALSE(CVixMenu::Hook().isInstalled());
}

// A parent that keeps its own caption for row 101, as a page that asks the
// user first would.
struct CaptionKeepingParent : test::RecordingParent {
    bool controlChosen(int id, int rowId) override {
        RecordingParent::controlNotify(id, rowId);
        if (combo && rowId == 101) {
            combo->SetSelection("Own", 101, 42);
            return false;
        }
        return true;
    }
    SkinComboButton* combo = nullptr;
};

class ComboTest : public ::testing::Test {
  protected:
    void SetUp() override {
        combo = new CVixComboButton(1010, &parent);
        combo->setGeometry(50, 50, 100, 20);
        combo->setTickSource([this] { return ticks; });
        combo->AddItem(100, "Left click");
        combo->AddItem(101, "Macro...");
        combo->AddItem(102, "Dpi up");
        parent.combo = combo;
        parent.ShowAndWait();
    }
    void TearDown() override {
        if (combo->menu()) {
            combo->menu()->Close();
        }
    }
    void TickVisibleTimer() { test::GuiFixture::Tick(combo, combo->visibleTimerId()); }

    std::uint32_t ticks = 1000;
    CaptionKeepingParent parent;
    CVixComboButton* combo = nullptr;
};

TEST_F(ComboTest, OpensBelowAndAChoiceBecomesTheCaption) {
    test::Click(combo, {10, 10});
    CVixMenu* menu = combo->menu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), combo->mapToGlobal(QPoint(0, 20)));
    EXPECT_EQ(menu->width(), 98);

    test::Click(menu, RowCenter(menu, 2));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(combo->caption(), "Dpi up");
    EXPECT_EQ(combo->chosenItemId(), 102);
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{{1010, 102}, kClosingBefore, kClosingAfter}));
    EXPECT_EQ(parent.clicks, std::vector<int>{1010});
}

TEST_F(ComboTest, OpensUpwardWhenAsked) {
    combo->setOpenUpward(true);
    test::Click(combo, {10, 10});
    const CVixMenu* menu = combo->menu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos() + QPoint(0, menu->height()), combo->mapToGlobal(QPoint(0, 0)));
}

TEST_F(ComboTest, ParentCanKeepItsOwnCaption) {
    test::Click(combo, {10, 10});
    test::Click(combo->menu(), RowCenter(combo->menu(), 1));
    EXPECT_EQ(combo->caption(), "Own");
    EXPECT_EQ(combo->chosenValue(), 42);
    // The refusal holds for that choice only: the next row is taken again.
    ticks += 1000;
    test::Click(combo, {10, 10});
    test::Click(combo->menu(), RowCenter(combo->menu(), 2));
    EXPECT_EQ(combo->caption(), "Dpi up");
    EXPECT_EQ(combo->chosenItemId(), 102);
}

TEST_F(ComboTest, ClickOnTheButtonWhileOpenClosesWithoutReopening) {
    test::Click(combo, {10, 10});
    ASSERT_TRUE(combo->menu()->isVisible());
    TickVisibleTimer();  // the menu was seen open at 1000
    EXPECT_EQ(combo->lastVisibleTick(), 1000u);
    ticks = 1050;
    test::MoveTo(combo, {12, 10});
    test::Press(combo, {12, 10});
    EXPECT_FALSE(combo->menu()->isVisible());  // closed by the outside press
    EXPECT_TRUE(combo->reopenLatch());
    test::Release(combo, {12, 10});
    EXPECT_FALSE(combo->menu()->isVisible());

    // A later click opens it again.
    ticks = 1400;
    test::Click(combo, {14, 10});
    EXPECT_TRUE(combo->menu()->isVisible());
}

TEST_F(ComboTest, UnknownChoiceIsIgnored) {
    combo->controlNotify(combo->menu()->controlId(), 999);
    EXPECT_TRUE(parent.notifications.empty());
    EXPECT_TRUE(combo->caption().isEmpty());
    EXPECT_EQ(combo->chosenItemId(), -1);
    EXPECT_EQ(combo->GetItemText(101), "Macro...");
    EXPECT_EQ(combo->GetItemText(999), QString());
}

TEST(Combo, FixedMenuWidthsAndSubItemsByFamily) {
    test::RecordingParent parent;
    auto* vix = new CVixComboButton(1, &parent);
    vix->CreateFixedMenu();
    EXPECT_EQ(vix->menu()->width(), 158);
    vix->AddItem(1, "A");
    vix->AddSubItem(1, 2, "B");
    EXPECT_EQ(vix->GetItemText(2), "B");
    vix->CreateFixedMenu();
    EXPECT_EQ(vix->menu()->size(), QSize(158, 20));

    auto* qel = new CQelComboButton(2, &parent);
    qel->CreateFixedMenu();
    EXPECT_EQ(qel->menu()->width(), 55);

    // A menu filled before the button is placed follows the button's width.
    auto* later = new CVixComboButton(4, &parent);
    later->AddItem(1, "A");
    later->setGeometry(200, 0, 140, 20);
    parent.ShowAndWait();
    test::Click(later, {10, 10});
    EXPECT_TRUE(later->menu()->isVisible());
    EXPECT_EQ(later->menu()->width(), 138);
    later->menu()->Close();

    // Without a menu, sub-items have nowhere to go.
    auto* empty = new CVixComboButton(3, &parent);
    empty->AddSubItem(1, 2, "B");
    EXPECT_EQ(empty->menu(), nullptr);
}

}  // namespace
}  // namespace solune
