// The pop-up dialog's plain modes as the user meets them: which buttons each
// mode shows and where, the pictures they are cut from, and what OK, Cancel,
// Close, Escape and Enter return.

#include <QImage>
#include <cstdlib>
#include <string>

#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixStatic.h"
#include "shared/layout/SkinElementTable.h"
#include "tests/config/pages/PopDlgFixture.h"

namespace solune::test {
namespace {

using layout::ControlRect;

struct ShownControls {
    int mode;
    std::vector<std::pair<const char*, QRect>> shown;
    std::vector<const char*> hidden;
};

// The rectangles of every mode's shown controls, as the pop-up's table gives
// them (the Close button of DeleteMacro: 20 wide at the picture's right edge).
const std::vector<ShownControls> kShownControls = {
    {layout::kLeftClickWarnMode,
     {{"OK", {313, 145, 60, 29}}, {"Close", {348, 0, 27, 23}}},
     {"Cancel", "Time", "Image"}},
    {layout::kDeleteMacroMode,
     {{"OK", {257, 150, 55, 24}}, {"Cancel", {317, 150, 57, 24}}, {"Close", {377, 0, 20, 23}}},
     {"Time", "Image"}},
    {layout::kSensorMira1Mode,
     {{"OK", {224, 157, 104, 23}}, {"Cancel", {335, 157, 54, 23}}, {"Close", {376, 0, 21, 22}}},
     {"Time", "Image"}},
    {layout::kSensorMira2Mode,
     {{"OK", {224, 157, 104, 23}},
      {"Cancel", {335, 157, 54, 23}},
      {"Close", {376, 0, 21, 22}},
      {"Time", {303, 133, 14, 12}},
      {"Image", {16, 62, 196, 95}}},
     {}},
    {layout::kSensorMira3Mode,
     {{"OK", {305, 157, 84, 23}}, {"Close", {376, 0, 21, 22}}},
     {"Cancel", "Time", "Image"}},
    {layout::kResetWarnMode,
     {{"OK", {255, 147, 57, 27}}, {"Cancel", {315, 147, 58, 27}}, {"Close", {348, 0, 27, 23}}},
     {"Time", "Image"}},
    {layout::kAssignKeyMode,
     {{"OK", {274, 131, 54, 25}},
      {"Cancel", {334, 131, 55, 25}},
      {"Close", {378, 0, 19, 23}},
      {"Time", {132, 99, 63, 16}}},
     {"Image"}},
};

QImage Region(const QImage& picture, const QRect& r) {
    return picture.copy(r).convertToFormat(QImage::Format_ARGB32);
}

using PopDlgLayoutTest = PopDlgFixture;

TEST_F(PopDlgLayoutTest, EveryModeShowsItsControlsAtTheirRectanglesCutFromItsPictures) {
    for (const ShownControls& c : kShownControls) {
        const std::string name(layout::FindPopMode(c.mode)->name);
        SCOPED_TRACE(name);
        const QImage normal = skin.Picture(solune::skin::SlotOf(name + "_Normal.bmp"));
        const QImage over = skin.Picture(solune::skin::SlotOf(name + "_Over.bmp"));
        ASSERT_FALSE(normal.isNull());
        ASSERT_FALSE(over.isNull());
        CPopDlg popup(c.mode, Context());
        EXPECT_EQ(popup.size(), normal.size());
        for (const auto& [control, rect] : c.shown) {
            auto* widget = popup.findChild<QWidget*>(control);
            ASSERT_NE(widget, nullptr) << control;
            EXPECT_FALSE(widget->isHidden()) << control;
            EXPECT_EQ(widget->geometry(), rect) << control;
            if (auto* button = dynamic_cast<CVixButton*>(widget)) {
                using P = SkinButtonBase::Picture;
                EXPECT_EQ(button->picture(P::kNormalPicture).convertToFormat(QImage::Format_ARGB32),
                          Region(normal, rect))
                    << control;
                EXPECT_EQ(button->picture(P::kOverPicture).convertToFormat(QImage::Format_ARGB32),
                          Region(over, rect))
                    << control;
                EXPECT_EQ(button->picture(P::kDownPicture), button->picture(P::kNormalPicture));
                // Only the countdown's OK, which starts disabled, has a
                // disabled picture (its normal one darkened).
                const bool startsDisabled =
                    c.mode == layout::kSensorMira2Mode && std::string(control) == "OK";
                EXPECT_EQ(button->picture(P::kDisablePicture).isNull(), !startsDisabled)
                    << control;
            }
        }
        for (const char* control : c.hidden) {
            auto* widget = popup.findChild<QWidget*>(control);
            ASSERT_NE(widget, nullptr) << control;
            EXPECT_TRUE(widget->isHidden()) << control;
        }
    }
    EXPECT_TRUE(skinMessages.messages.empty());
}

enum class Action { Ok, Cancel, Close, Escape, Enter };

struct ReturnCase {
    int mode;
    Action action;
    int result;
};

void Perform(CPopDlg& popup, Action action) {
    switch (action) {
        case Action::Ok:
            ClickControl(popup, "OK");
            break;
        case Action::Cancel:
            ClickControl(popup, "Cancel");
            break;
        case Action::Close:
            ClickControl(popup, "Close");
            break;
        case Action::Escape:
            TypeKey(popup, Qt::Key_Escape);
            break;
        case Action::Enter:
            TypeKey(popup, Qt::Key_Return);
            break;
    }
}

class PopDlgReturnTest : public PopDlgFixture, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(PopDlgReturnTest, EndsWithItsResult) {
    const ReturnCase& c = GetParam();
    CPopDlg popup(c.mode, Context());
    WhenModal([&c](CPopDlg& shown) { Perform(shown, c.action); });
    EXPECT_EQ(popup.DoModal(), c.result);
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PlainModes, PopDlgReturnTest,
    ::testing::Values(ReturnCase{layout::kLeftClickWarnMode, Action::Ok, 1},
                      ReturnCase{layout::kLeftClickWarnMode, Action::Close, 2},
                      ReturnCase{layout::kLeftClickWarnMode, Action::Escape, 2},
                      ReturnCase{layout::kLeftClickWarnMode, Action::Enter, 1},
                      ReturnCase{layout::kDeleteMacroMode, Action::Ok, 1},
                      ReturnCase{layout::kDeleteMacroMode, Action::Cancel, 2},
                      ReturnCase{layout::kDeleteMacroMode, Action::Close, 2},
                      ReturnCase{layout::kDeleteMacroMode, Action::Escape, 2},
                      ReturnCase{layout::kDeleteMacroMode, Action::Enter, 1},
                      ReturnCase{layout::kResetWarnMode, Action::Ok, 1},
                      ReturnCase{layout::kResetWarnMode, Action::Cancel, 2},
                      ReturnCase{layout::kResetWarnMode, Action::Close, 2},
                      ReturnCase{layout::kResetWarnMode, Action::Escape, 2},
                      ReturnCase{layout::kResetWarnMode, Action::Enter, 1},
                      ReturnCase{layout::kSensorMira3Mode, Action::Ok, 1},
                      ReturnCase{layout::kSensorMira3Mode, Action::Close, 2},
                      ReturnCase{layout::kSensorMira3Mode, Action::Escape, 2},
                      ReturnCase{layout::kSensorMira3Mode, Action::Enter, 1},
                      ReturnCase{layout::kSensorMira1Mode, Action::Cancel, 2},
                      ReturnCase{layout::kSensorMira1Mode, Action::Close, 2},
                      ReturnCase{layout::kSensorMira1Mode, Action::Escape, 2},
                      ReturnCase{layout::kSensorMira2Mode, Action::Cancel, 2},
                      ReturnCase{layout::kSensorMira2Mode, Action::Close, 2},
                      ReturnCase{layout::kSensorMira2Mode, Action::Escape, 2}));

TEST_F(PopDlgLayoutTest, TheSystemCloseEndsAPlainModeWithTwo) {
    CPopDlg popup(layout::kResetWarnMode, Context());
    WhenModal([](CPopDlg& shown) { shown.close(); });
    EXPECT_EQ(popup.DoModal(), 2);
}

TEST_F(PopDlgLayoutTest, WithoutSkinTheModesStillWork) {
    PageContext context = Context();
    context.skin = nullptr;
    CPopDlg popup(layout::kDeleteMacroMode, context);
    EXPECT_EQ(popup.findChild<QWidget*>("Cancel")->geometry(), QRect(317, 150, 57, 24));
    WhenModal([](CPopDlg& shown) { ClickControl(shown, "OK"); });
    EXPECT_EQ(popup.DoModal(), 1);
}

TEST_F(PopDlgLayoutTest, ThePopupOpensCentredOnTheMainWindow) {
    // The pop-up's owner is a page inside the main window.
    RecordingParent window;
    window.resize(800, 560);
    auto* page = new QWidget(&window);
    page->setGeometry(200, 60, 300, 200);
    window.ShowAndWait();
    CPopDlg popup(layout::kResetWarnMode, Context(), page);
    QRect at;
    WhenModal([&at](CPopDlg& shown) {
        at = shown.geometry();
        ClickControl(shown, "Cancel");
    });
    EXPECT_EQ(popup.DoModal(), 2);
    const QRect main(window.mapToGlobal(QPoint(0, 0)), window.size());
    EXPECT_LE(std::abs(at.center().x() - main.center().x()), 1);
    EXPECT_LE(std::abs(at.center().y() - main.center().y()), 1);
}

}  // namespace
}  // namespace solune::test

namespace solune::test {
namespace {

using PopUpAnswersTest = PopDlgFixture;

// Answers given in advance go to the pop-ups in the order they open, each
// running on its pop-up while it is shown; once they are used up, the
// fallback answers every further pop-up.
TEST_F(PopUpAnswersTest, AnswersGoToThePopUpsInTheOrderTheyOpenThenTheFallback) {
    std::vector<std::pair<int, bool>> answered;  // (mode, shown while answered)
    auto answerWith = [&answered](const char* button) {
        return [&answered, button](CPopDlg& shown) {
            answered.emplace_back(shown.mode(), shown.isVisible());
            ClickControl(shown, button);
        };
    };
    PopUps::SetNextAnswer(answerWith("OK"));
    PopUps::SetNextAnswer(answerWith("Cancel"));
    PopUps::SetFallbackAnswer(answerWith("Close"));
    EXPECT_EQ(PopUps::PendingAnswers(), 2u);

    CPopDlg first(layout::kDeleteMacroMode, Context());
    EXPECT_EQ(first.DoModal(), 1);
    CPopDlg second(layout::kResetWarnMode, Context());
    EXPECT_EQ(second.DoModal(), 2);
    EXPECT_EQ(PopUps::PendingAnswers(), 0u);
    CPopDlg third(layout::kLeftClickWarnMode, Context());
    EXPECT_EQ(third.DoModal(), 2);
    PopUps::Clear();

    const std::vector<std::pair<int, bool>> expected = {{layout::kDeleteMacroMode, true},
                                                        {layout::kResetWarnMode, true},
                                                        {layout::kLeftClickWarnMode, true}};
    EXPECT_EQ(answered, expected);
}

}  // namespace
}  // namespace solune::test
