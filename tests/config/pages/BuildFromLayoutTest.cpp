// BuildFromLayout on the offscreen platform, with the skin pictures the build
// draws: every kind of row becomes its control, named and placed after its
// row and dressed with the regions under its artwork rectangle.

#include <gtest/gtest.h>

#include <QWidget>
#include <array>
#include <functional>

#include "config/pages/BuildFromLayout.h"
#include "config/pages/CVixCbnColorButton.h"
#include "shared/skin/CQelNUMEdit.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/CVixStatic.h"
#include "tests/config/pages/PopDlgFixture.h"

namespace solune::test {
namespace {

using layout::ControlKind;
using layout::LayoutControl;

// One row of every kind the builder makes, inside the sensor page's pictures.
constexpr auto kEveryKind = std::to_array<LayoutControl>({
    {1, "button", ControlKind::Button, {10, 10, 40, 20}, ""},
    {2, "box", ControlKind::CheckBox, {60, 10, 40, 20}, ""},
    {3, "combo", ControlKind::ComboButton, {110, 10, 40, 20}, ""},
    {4, "label", ControlKind::Label, {160, 10, 40, 20}, ""},
    {5, "slider", ControlKind::Slider, {10, 40, 200, 17}, ""},
    {6, "slider3d", ControlKind::Slider3D, {10, 60, 200, 17}, ""},
    {7, "edit", ControlKind::Edit, {210, 10, 40, 18}, ""},
    {8, "progress", ControlKind::Progress, {10, 90, 100, 100}, ""},
    {9, "picture", ControlKind::Picture, {120, 90, 96, 47}, ""},
    {10, "colour", ControlKind::ColorButton, {260, 10, 17, 16}, ""},
    {11, "marker", ControlKind::Marker, {290, 10, 25, 25}, ""},
    {12, "close", ControlKind::CloseButton, {320, 0, 21, 22}, ""},
});

// A button whose pictures lie elsewhere than the button itself.
constexpr LayoutControl kMovedArt{20, "moved", ControlKind::Button, {10, 10, 40, 20}, "",
                                  {100, 200, 40, 20}};

class BuildFromLayoutTest : public PopDlgFixture {
  protected:
    QWidget page;
    SkinPictures pictures{&skin, "Sensor_Normal.bmp"};
};

TEST_F(BuildFromLayoutTest, EveryKindBecomesItsClassNamedAndPlacedAfterItsRow) {
    const std::array<std::function<bool(QWidget*)>, kEveryKind.size()> isItsClass = {
        [](QWidget* w) { return dynamic_cast<CVixButton*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixCheckBox*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixComboButton*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixStatic*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixSliderCtrl*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixSliderCtrl3D*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixEdit*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixProgressCtrl*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixStatic*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixCbnColorButton*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixButton*>(w) != nullptr; },
        [](QWidget* w) { return dynamic_cast<CVixButton*>(w) != nullptr; },
    };
    const LayoutControls controls = BuildFromLayout(kEveryKind, pictures, page);
    const QObjectList children = page.children();
    ASSERT_EQ(children.size(), static_cast<qsizetype>(kEveryKind.size()));
    for (std::size_t i = 0; i < kEveryKind.size(); ++i) {
        const LayoutControl& row = kEveryKind[i];
        QWidget* widget = controls.find(row.id);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_TRUE(isItsClass[i](widget)) << row.name;
        // Made in table order, so the table is the stacking and tab order.
        EXPECT_EQ(children[static_cast<qsizetype>(i)], widget) << row.name;
        EXPECT_EQ(widget->parentWidget(), &page) << row.name;
        EXPECT_EQ(widget->objectName().toStdString(), row.name);
        EXPECT_EQ(widget->geometry(), QRect(row.rect.x, row.rect.y, row.rect.width,
                                            row.rect.height))
            << row.name;
    }
    EXPECT_EQ(controls.find(99), nullptr);
    EXPECT_EQ(controls.get<CVixCheckBox>(1), nullptr);  // a button, not a box
    EXPECT_TRUE(skinMessages.messages.empty());
}

TEST_F(BuildFromLayoutTest, ControlsAreDressedFromTheRegionsUnderTheirRows) {
    const LayoutControls controls = BuildFromLayout(kEveryKind, pictures, page);
    const auto cut = [this](int state, int id) {
        return pictures.Cut(state, layout::FindControl(kEveryKind, id)->rect);
    };
    for (int id : {1, 2, 3, 11, 12}) {
        auto* button = dynamic_cast<SkinButtonBase*>(controls.find(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_FALSE(button->picture(SkinButtonBase::kNormalPicture).isNull()) << id;
        EXPECT_EQ(button->picture(SkinButtonBase::kNormalPicture), cut(SkinPictures::kNormal, id));
        EXPECT_EQ(button->picture(SkinButtonBase::kOverPicture), cut(SkinPictures::kOver, id));
        EXPECT_EQ(button->picture(SkinButtonBase::kDownPicture), cut(SkinPictures::kDown, id));
        EXPECT_TRUE(button->picture(SkinButtonBase::kDisablePicture).isNull()) << id;
    }
    EXPECT_EQ(controls.get<CVixEdit>(7)->background(), cut(SkinPictures::kNormal, 7));
    EXPECT_EQ(controls.get<CVixProgressCtrl>(8)->background(), cut(SkinPictures::kNormal, 8));
    EXPECT_EQ(controls.get<CVixProgressCtrl>(8)->fill(), cut(SkinPictures::kDown, 8));
    EXPECT_NE(controls.get<CVixProgressCtrl>(8)->fill(), cut(SkinPictures::kNormal, 8));
}

TEST_F(BuildFromLayoutTest, RulesChooseStatesAndTheDownPicture) {
    struct Case {
        const char* what;
        DressRules rules;
        int downFrom;     // the state whose region is the down picture
        bool hasDisable;  // the disable region is taken
    };
    Case cases[] = {
        {"plain", {}, SkinPictures::kDown, false},
        {"four states", {[](const LayoutControl&) { return 4; }, false, {}}, SkinPictures::kDown,
         true},
        {"normal as down", {{}, true, {}}, SkinPictures::kNormal, false},
    };
    const layout::ControlRect art = kMovedArt.artRect();
    for (const Case& c : cases) {
        QWidget host;
        const auto rows = std::to_array<LayoutControl>({kMovedArt});
        auto* button = BuildFromLayout(rows, pictures, host, c.rules).get<CVixButton>(20);
        ASSERT_NE(button, nullptr) << c.what;
        // Placed at its rectangle, dressed from its artwork rectangle.
        EXPECT_EQ(button->geometry(), QRect(10, 10, 40, 20)) << c.what;
        EXPECT_EQ(button->picture(SkinButtonBase::kNormalPicture),
                  pictures.Cut(SkinPictures::kNormal, art))
            << c.what;
        EXPECT_NE(button->picture(SkinButtonBase::kNormalPicture),
                  pictures.Cut(SkinPictures::kNormal, kMovedArt.rect))
            << c.what;
        EXPECT_EQ(button->picture(SkinButtonBase::kDownPicture), pictures.Cut(c.downFrom, art))
            << c.what;
        EXPECT_EQ(button->picture(SkinButtonBase::kDisablePicture).isNull(), !c.hasDisable)
            << c.what;
    }
}

TEST_F(BuildFromLayoutTest, ThePagesOwnClassIsPlacedAndDressedAndListsAreLeftToIt) {
    const auto rows = std::to_array<LayoutControl>({
        {1, "number", ControlKind::Edit, {706, 69, 44, 18}, ""},
        {2, "list", ControlKind::List, {42, 75, 200, 199}, ""},
    });
    DressRules rules;
    rules.make = [](const LayoutControl& row, QWidget& parent) -> QWidget* {
        return row.id == 1 ? new CQelNUMEdit(row.id, &parent) : nullptr;
    };
    const LayoutControls controls = BuildFromLayout(rows, pictures, page, rules);
    auto* edit = controls.get<CQelNUMEdit>(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->objectName(), QStringLiteral("number"));
    EXPECT_EQ(edit->geometry(), QRect(706, 69, 44, 18));
    EXPECT_EQ(edit->background(), pictures.Cut(SkinPictures::kNormal, rows[0].rect));
    EXPECT_EQ(controls.find(2), nullptr);
    EXPECT_EQ(page.children().size(), 1);
}

}  // namespace
}  // namespace solune::test
