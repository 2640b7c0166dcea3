#pragma once
// The seven modes of the pop-up dialog: where each mode shows its buttons and
// labels, and the static texts of each mode's artwork. A mode's number is also
// the skin element of its background, and its name the prefix of its pictures
// ("LeftClickWarn_Normal.bmp", "LeftClickWarn_Over.bmp", …).

#include <array>
#include <span>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the pop-up dialog.
enum PopDlgControl : int {
    kPopOkId = 1076,
    kPopCancelId = 1077,
    kPopCloseId = 1078,
    kPopTimeId = 1079,
    kPopImageId = 1080,
};

inline constexpr int kLeftClickWarnMode = 145;
inline constexpr int kDeleteMacroMode = 148;
inline constexpr int kSensorMira1Mode = 152;
inline constexpr int kSensorMira2Mode = 156;
inline constexpr int kSensorMira3Mode = 162;
inline constexpr int kResetWarnMode = 165;
inline constexpr int kAssignKeyMode = 169;

// "TQA2-1.bmp" … "TQA2-3.bmp", the frames of the analysis animation, are drawn
// to the size of the SensorMira2 picture label.
inline constexpr PictureSize kAnalysisFrameSize{196, 95};

struct PopMode {
    int mode = 0;
    std::string_view name;                    // picture prefix
    std::span<const LayoutControl> controls;  // the shown controls; the others are hidden
    std::span<const StaticText> texts;
};

namespace popdlg {
inline constexpr auto kLeftClickWarn = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {313, 145, 60, 29}, "OK"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {348, 0, 27, 23}, ""},
});
inline constexpr auto kLeftClickWarnTexts = std::to_array<StaticText>({
    {"Left Click", {12, 3, 320, 18}, TextRole::Title, TextAlign::Left},
    {"At least one button must keep the Left Click function, so this button stays on "
     "Left Click.",
     {24, 50, 327, 80},
     TextRole::Message,
     TextAlign::Left},
});

// The Close button of this mode is 20 pixels wide, at the picture's right edge.
inline constexpr auto kDeleteMacro = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {257, 150, 55, 24}, "OK"},
    {kPopCancelId, "Cancel", ControlKind::Button, {317, 150, 57, 24}, "Cancel"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {377, 0, 20, 23}, ""},
});
inline constexpr auto kDeleteMacroTexts = std::to_array<StaticText>({
    {"Delete Macro", {12, 3, 350, 18}, TextRole::Title, TextAlign::Left},
    {"Delete the selected macro? Buttons that use it go back to their default function.",
     {24, 50, 350, 80},
     TextRole::Message,
     TextAlign::Left},
});

inline constexpr auto kSensorMira1 = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {224, 157, 104, 23}, "Start Analysis"},
    {kPopCancelId, "Cancel", ControlKind::Button, {335, 157, 54, 23}, "Cancel"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {376, 0, 21, 22}, ""},
});
inline constexpr auto kSensorMira1Texts = std::to_array<StaticText>({
    {"Surface Analysis", {12, 3, 350, 18}, TextRole::Title, TextAlign::Left},
    {"Step 1 of 3: put the mouse on the surface you want to analyse, then press Start "
     "Analysis. Keep the mouse still while the analysis runs.",
     {24, 48, 350, 96},
     TextRole::Message,
     TextAlign::Left},
});

inline constexpr auto kSensorMira2 = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {224, 157, 104, 23}, "Next"},
    {kPopCancelId, "Cancel", ControlKind::Button, {335, 157, 54, 23}, "Cancel"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {376, 0, 21, 22}, ""},
    {kPopTimeId, "Time", ControlKind::Label, {303, 133, 14, 12}, ""},
    {kPopImageId, "Image", ControlKind::Picture, {16, 62, 196, 95}, ""},
});
inline constexpr auto kSensorMira2Texts = std::to_array<StaticText>({
    {"Surface Analysis", {12, 3, 350, 18}, TextRole::Title, TextAlign::Left},
    {"Step 2 of 3: analysing the surface. Keep the mouse still.",
     {224, 62, 164, 64},
     TextRole::Message,
     TextAlign::Left},
    {"Seconds left", {218, 132, 82, 14}, TextRole::Label, TextAlign::Right},
});

inline constexpr auto kSensorMira3 = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {305, 157, 84, 23}, "Show Result"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {376, 0, 21, 22}, ""},
});
inline constexpr auto kSensorMira3Texts = std::to_array<StaticText>({
    {"Surface Analysis", {12, 3, 350, 18}, TextRole::Title, TextAlign::Left},
    {"Step 3 of 3: the analysis is complete. Press Show Result to see the quality of the "
     "surface.",
     {24, 48, 350, 96},
     TextRole::Message,
     TextAlign::Left},
});

inline constexpr auto kResetWarn = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {255, 147, 57, 27}, "OK"},
    {kPopCancelId, "Cancel", ControlKind::Button, {315, 147, 58, 27}, "Cancel"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {348, 0, 27, 23}, ""},
});
inline constexpr auto kResetWarnTexts = std::to_array<StaticText>({
    {"Reset to Default", {12, 3, 320, 18}, TextRole::Title, TextAlign::Left},
    {"Reset all five profiles to the factory settings? The changes made to them are lost.",
     {24, 50, 327, 80},
     TextRole::Message,
     TextAlign::Left},
});

inline constexpr auto kAssignKey = std::to_array<LayoutControl>({
    {kPopOkId, "OK", ControlKind::Button, {274, 131, 54, 25}, "OK"},
    {kPopCancelId, "Cancel", ControlKind::Button, {334, 131, 55, 25}, "Cancel"},
    {kPopCloseId, "Close", ControlKind::CloseButton, {378, 0, 19, 23}, ""},
    {kPopTimeId, "Time", ControlKind::Label, {132, 99, 63, 16}, ""},
});
inline constexpr auto kAssignKeyTexts = std::to_array<StaticText>({
    {"Single Key Assign", {12, 3, 350, 18}, TextRole::Title, TextAlign::Left},
    {"Press the key to assign to this button, then press OK.",
     {24, 48, 350, 40},
     TextRole::Message,
     TextAlign::Left},
    {"Key", {80, 99, 48, 16}, TextRole::Label, TextAlign::Right},
});
}  // namespace popdlg

inline constexpr std::array<PopMode, 7> kPopModes = {{
    {kLeftClickWarnMode, "LeftClickWarn", popdlg::kLeftClickWarn, popdlg::kLeftClickWarnTexts},
    {kDeleteMacroMode, "DeleteMacro", popdlg::kDeleteMacro, popdlg::kDeleteMacroTexts},
    {kSensorMira1Mode, "SensorMira1", popdlg::kSensorMira1, popdlg::kSensorMira1Texts},
    {kSensorMira2Mode, "SensorMira2", popdlg::kSensorMira2, popdlg::kSensorMira2Texts},
    {kSensorMira3Mode, "SensorMira3", popdlg::kSensorMira3, popdlg::kSensorMira3Texts},
    {kResetWarnMode, "ResetWarn", popdlg::kResetWarn, popdlg::kResetWarnTexts},
    {kAssignKeyMode, "AssignKey", popdlg::kAssignKey, popdlg::kAssignKeyTexts},
}};

// The layout of pop-up mode `mode`, or nullptr.
constexpr const PopMode* FindPopMode(int mode) {
    for (const PopMode& m : kPopModes) {
        if (m.mode == mode) {
            return &m;
        }
    }
    return nullptr;
}

}  // namespace solune::layout
