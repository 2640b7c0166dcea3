// The sensor page driven as the user drives it: drags on the DPI sliders,
// clicks, keys into the defined-mode edit, the timers ticked by hand, and
// "Test" / "Save" against the virtual mouse.

#include "config/pages/CSensorDlg.h"
#include "shared/skin/CQelComboButton.h"
#include "shared/skin/CQelNUMEdit.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinMenu.h"
#include "tests/config/pages/PageFixture.h"

namespace solune::test {
namespace {

class SensorPageTest : public PageFixture {
  protected:
    void SetUp() override {
        page = std::make_unique<CSensorDlg>(Context());
        ShowPage(page.get());
        x = Find<CVixSliderCtrl3D>(page.get(), "Xaxis");
        y = Find<CVixSliderCtrl3D>(page.get(), "Yaxis");
    }

    std::array<int, 3> Thumbs(CVixSliderCtrl3D* s) {
        return {s->thumbValue(1), s->thumbValue(2), s->thumbValue(3)};
    }
    // Drags thumb `thumb` of `slider` to the x position `toX`.
    void Drag(CVixSliderCtrl3D* slider, int thumb, int toX) {
        const QPoint from = slider->thumbRect(thumb).center();
        MoveTo(slider, from);
        Press(slider, from);
        MoveTo(slider, QPoint(toX, from.y()));
        Release(slider, QPoint(toX, from.y()));
    }
    QString EditText() { return Find<CQelNUMEdit>(page.get(), "edit")->text(); }
    void TypeDefined(const char* keys) {
        CQelNUMEdit* edit = Find<CQelNUMEdit>(page.get(), "edit");
        edit->clear();
        edit->setFocus();
        for (const char* k = keys; *k; ++k) {
            QTest::keyClick(edit, *k);
            if (k[1] != '\0') {
                Tick(page.get(), page->editTimerId());
            }
        }
        Tick(page.get(), page->editTimerId());
    }
    void SetLiftDistance(int value) {
        Profile p;
        p.liftOffDistance = static_cast<std::uint8_t>(value);
        page->LoadFromProfile(p);
    }
    bool LabelShown(const char* name) { return Find(page.get(), name)->isVisible(); }
    QString LabelText(const char* name) { return Find<CVixStatic>(page.get(), name)->GetText(); }

    std::unique_ptr<CSensorDlg> page;
    CVixSliderCtrl3D* x = nullptr;
    CVixSliderCtrl3D* y = nullptr;
};

TEST_F(SensorPageTest, StartsWithTheInitialValues) {
    EXPECT_EQ(Thumbs(x), (std::array<int, 3>{400, 1600, 7000}));
    EXPECT_EQ(Thumbs(y), (std::array<int, 3>{400, 1600, 7000}));
    EXPECT_EQ(Find<CVixSliderCtrl>(page.get(), "Point Speed")->value(), 6);
    EXPECT_EQ(Find<CVixSliderCtrl>(page.get(), "Lift Distance")->value(), 1);
    EXPECT_EQ(Find<CVixProgressCtrl>(page.get(), "Quality Analyzer")->value(), 0);
    EXPECT_EQ(Find<CQelComboButton>(page.get(), "AngleSnap")->caption(), "0");
    EXPECT_EQ(EditText(), "");
    for (const char* name : {"Step1x", "Step2x", "Step3x"}) {
        EXPECT_FALSE(LabelShown(name)) << name;
    }
    for (const char* name : {"Step1xy", "Step2xy", "Step3xy", "edit"}) {
        EXPECT_TRUE(LabelShown(name)) << name;
    }
    EXPECT_EQ(Find(page.get(), "Xaxis")->geometry(), QRect(78, 102, 595, 16));
    EXPECT_EQ(page->size(), skin.Picture(8).size());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SensorPageTest, WithoutSeparateSettingEitherSliderMovesTheOther) {
    Drag(y, 2, 100);
    EXPECT_NE(y->thumbValue(2), 1600);
    EXPECT_EQ(Thumbs(x), Thumbs(y));
    Drag(x, 1, 300);
    EXPECT_NE(x->thumbValue(1), 400);
    EXPECT_EQ(Thumbs(y), Thumbs(x));
    EXPECT_EQ(x->thumbValue(1) % 50, 0);
}

TEST_F(SensorPageTest, TickingSeparateCopiesXIntoYAndThenTheyMoveAlone) {
    Profile p;
    p.separateXY = 1;
    p.dpiLevels = {{{800, 200}, {2000, 3000}, {5000, 6000}}};
    page->LoadFromProfile(p);
    ClickOn(page.get(), "Enable X or Y Separate Setting");  // unticks
    EXPECT_FALSE(Find<CVixCheckBox>(page.get(), "Enable X or Y Separate Setting")->isChecked());
    // X is copied into Y as a whole: the copy of one thumb does not bring the
    // other two Y values back into X on its way.
    EXPECT_EQ(Thumbs(y), (std::array<int, 3>{800, 2000, 5000}));
    EXPECT_EQ(Thumbs(x), (std::array<int, 3>{800, 2000, 5000}));
    EXPECT_FALSE(LabelShown("Step1x"));

    ClickOn(page.get(), "Enable X or Y Separate Setting");  // ticks
    EXPECT_TRUE(LabelShown("Step1x"));
    Drag(y, 3, 30);
    EXPECT_NE(y->thumbValue(3), 5000);
    EXPECT_EQ(x->thumbValue(3), 5000);
    Tick(page.get(), page->labelTimerId());
    EXPECT_EQ(LabelText("Step3x"), "5000");
    EXPECT_EQ(LabelText("Step3xy"), QString::number(y->thumbValue(3)));
}

TEST_F(SensorPageTest, LoadingDifferentXAndYWithoutSeparateEndsWithYOnBoth) {
    Profile p;
    p.separateXY = 0;
    p.dpiLevels = {{{800, 200}, {2000, 3000}, {400, 6000}}};
    page->LoadFromProfile(p);
    EXPECT_EQ(Thumbs(x), (std::array<int, 3>{200, 3000, 6000}));
    EXPECT_EQ(Thumbs(y), (std::array<int, 3>{200, 3000, 6000}));
    Tick(page.get(), page->labelTimerId());
    EXPECT_EQ(LabelText("Step1xy"), "200");
    EXPECT_EQ(LabelText("Step2xy"), "3000");
    EXPECT_EQ(LabelText("Step3xy"), "6000");
}

TEST_F(SensorPageTest, LoadingSeparateShowsAllSixLabelsAndKeepsBothSliders) {
    Profile p;
    p.separateXY = 1;
    p.dpiLevels = {{{800, 200}, {2000, 3000}, {400, 6000}}};
    page->LoadFromProfile(p);
    EXPECT_TRUE(Find<CVixCheckBox>(page.get(), "Enable X or Y Separate Setting")->isChecked());
    for (const char* name : {"Step1x", "Step2x", "Step3x", "Step1xy", "Step2xy", "Step3xy"}) {
        EXPECT_TRUE(LabelShown(name)) << name;
    }
    EXPECT_EQ(Thumbs(x), (std::array<int, 3>{800, 2000, 400}));
    EXPECT_EQ(Thumbs(y), (std::array<int, 3>{200, 3000, 6000}));
    Tick(page.get(), page->labelTimerId());
    EXPECT_EQ(LabelText("Step1x"), "800");
    EXPECT_EQ(LabelText("Step1xy"), "200");

    // Back to a common profile: the load hides the X labels again.
    p.separateXY = 0;
    page->LoadFromProfile(p);
    EXPECT_FALSE(LabelShown("Step1x"));
    EXPECT_TRUE(LabelShown("Step1xy"));
}

TEST_F(SensorPageTest, DefinedModeEditIsHeldToItsRange) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"123", "12"}, {"-45", "-30"}, {"07", "7"}, {"40", "30"}, {"-7", "-7"},
                 {"30", "30"},  {"-30", "-30"}, {"00", "0"}, {"-", "-"}};
    for (const auto& c : cases) {
        TypeDefined(c.typed);
        EXPECT_EQ(EditText(), c.shown) << c.typed;
    }
    // Letters never get in.
    TypeDefined("a5");
    EXPECT_EQ(EditText(), "5");
    Profile p;
    page->StoreToProfile(p);
    EXPECT_EQ(p.definedValue, 5);
    TypeDefined("-30");
    page->StoreToProfile(p);
    EXPECT_EQ(p.definedValue, 0xE2);
}

TEST_F(SensorPageTest, DefinedModeBoxOnlyTogglesItself) {
    ClickOn(page.get(), "Eanble Defined mode");
    Profile p;
    page->StoreToProfile(p);
    EXPECT_EQ(p.definedMode, 1);
    EXPECT_TRUE(Find(page.get(), "edit")->isEnabled());
    TypeDefined("99");
    EXPECT_EQ(EditText(), "30");
}

TEST_F(SensorPageTest, AngleSnapMenuChoiceIsStored) {
    ClickOn(page.get(), "AngleSnap");
    CQelComboButton* combo = Find<CQelComboButton>(page.get(), "AngleSnap");
    SkinMenu* menu = combo->menu();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const MenuRect& row = menu->row(7).rect;
    Click(menu, QPoint((row.left + row.right) / 2, (row.top + row.bottom) / 2));
    EXPECT_EQ(combo->caption(), "7");
    Profile p;
    page->StoreToProfile(p);
    EXPECT_EQ(p.angleSnap, 7);
}

TEST_F(SensorPageTest, TestAndSaveSendTheClampedLiftDistance) {
    const struct {
        int slider;
        int sent;
    } cases[] = {{1, 6}, {5, 6}, {6, 6}, {12, 12}, {31, 31}, {32, 31}};
    for (const auto& c : cases) {
        SetLiftDistance(c.slider);
        ClickOn(page.get(), "Test");
        ClickOn(page.get(), "Save");
        const simulator::MouseState state = sim.State();
        EXPECT_EQ(state.liftOffTest, c.sent) << c.slider;
        EXPECT_EQ(state.liftOffSaved, c.sent) << c.slider;
        Profile p;
        page->StoreToProfile(p);
        EXPECT_EQ(p.liftOffDistance, c.slider);
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(link.deviceConnected(), 1);
}

TEST_F(SensorPageTest, LiftDistanceDraggedToTheEndIsSentAs31) {
    CVixSliderCtrl* lift = Find<CVixSliderCtrl>(page.get(), "Lift Distance");
    const QPoint thumb(lift->thumbCenterX(), lift->height() / 2);
    MoveTo(lift, thumb);
    Press(lift, thumb);
    MoveTo(lift, QPoint(lift->width() - 1, thumb.y()));
    Release(lift, QPoint(lift->width() - 1, thumb.y()));
    ASSERT_EQ(lift->value(), 32);
    ClickOn(page.get(), "Test");
    EXPECT_EQ(sim.State().liftOffTest, 31);
}

TEST_F(SensorPageTest, FailedCommandsShowTheirMessages) {
    SetLiftDistance(10);
    ASSERT_TRUE(link.FindDevice());
    Fault("busy", 3);
    ClickOn(page.get(), "Test");
    Fault("busy", 3);
    ClickOn(page.get(), "Save");
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"Test_LOD failed.", "Save_LOD failed."}));
    EXPECT_EQ(sim.State().liftOffSaved, 10);  // the mouse got it but never answered "done"
}

TEST_F(SensorPageTest, WithoutAMouseTestAndSaveDoNothing) {
    ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
    ClickOn(page.get(), "Test");
    ClickOn(page.get(), "Save");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(link.deviceConnected(), 0);
    EXPECT_TRUE(clock.Waits().empty());
}

TEST_F(SensorPageTest, MouseUnpluggedAfterItWasFoundFailsTheCommand) {
    ClickOn(page.get(), "Test");  // finds the mouse
    ASSERT_EQ(link.deviceConnected(), 1);
    ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
    ClickOn(page.get(), "Test");
    ClickOn(page.get(), "Save");
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"Test_LOD failed.", "Save_LOD failed."}));
}

TEST_F(SensorPageTest, EnterAndEscapeLeaveThePageAlone) {
    QTest::keyClick(Find(page.get(), "edit"), Qt::Key_Return);
    QTest::keyClick(page.get(), Qt::Key_Escape);
    EXPECT_TRUE(page->isVisible());
}

}  // namespace
}  // namespace solune::test
