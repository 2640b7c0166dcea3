#pragma once
// Where the button assignment page's controls sit, and the static texts of its
// artwork ("MouseSetting_Normal.bmp" … "MouseSetting_Disable.bmp"). The page
// is as large as the main window's page area.

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the button page.
enum ButtonPageControl : int {
    kFunction1Id = 1012,
    kFunction2Id = 1021,
    kFunction3Id = 1022,
    kFunction4Id = 1023,
    kFunction5Id = 1024,
    kFunction6Id = 1025,
    kFunction7Id = 1026,
    kFunction8Id = 1031,
    kFunction9Id = 1038,
    kMarkerBn1Id = 1032,
    kMarkerBn2Id = 1033,
    kMarkerBn3Id = 1013,
    kMarkerBn4Id = 1034,
    kMarkerBn5Id = 1037,
    kMarkerBn6Id = 1035,
    kMarkerBn7Id = 1036,
    kMarkerBn8Id = 1039,  // bound but never placed
    kMarkerBn9Id = 1041,  // bound but never placed
    kRate125Id = 1028,
    kRate250Id = 1027,
    kRate500Id = 1029,
    kRate1000Id = 1030,
    kAccelerationEnableId = 1040,
    kDoubleClickSliderId = 1014,
    kScrollSpeedSliderId = 1015,
    kAccelerationSliderId = 1016,
};

// The function selectors of buttons 1 … 9, in button order.
inline constexpr std::array<int, 9> kFunctionSelectorIds = {
    kFunction1Id, kFunction2Id, kFunction3Id, kFunction4Id, kFunction5Id,
    kFunction6Id, kFunction7Id, kFunction8Id, kFunction9Id};

// The markers "Bn1" … "Bn9", in button order.
inline constexpr std::array<int, 9> kMarkerIds = {kMarkerBn1Id, kMarkerBn2Id, kMarkerBn3Id,
                                                  kMarkerBn4Id, kMarkerBn5Id, kMarkerBn6Id,
                                                  kMarkerBn7Id, kMarkerBn8Id, kMarkerBn9Id};

// "Bn8" and "Bn9" are bound but never placed, so they have no row here and
// no artwork.
inline constexpr auto kButtonPageControls = std::to_array<LayoutControl>({
    {kFunction1Id, "Function1", ControlKind::ComboButton, {57, 41, 182, 22}, "", {}, "Button 1 function"},
    {kFunction2Id, "Function2", ControlKind::ComboButton, {57, 74, 182, 25}, "", {}, "Button 2 function"},
    {kFunction3Id, "Function3", ControlKind::ComboButton, {57, 107, 182, 25}, "", {}, "Button 3 function"},
    {kFunction4Id, "Function4", ControlKind::ComboButton, {57, 139, 182, 25}, "", {}, "Button 4 function"},
    {kFunction5Id, "Function5", ControlKind::ComboButton, {57, 171, 182, 25}, "", {}, "Button 5 function"},
    {kFunction6Id, "Function6", ControlKind::ComboButton, {57, 203, 182, 25}, "", {}, "Button 6 function"},
    {kFunction7Id, "Function7", ControlKind::ComboButton, {57, 235, 182, 25}, "", {}, "Button 7 function"},
    {kFunction8Id, "Function8", ControlKind::ComboButton, {57, 267, 182, 25}, "", {}, "Button 8 function"},
    {kFunction9Id, "Function9", ControlKind::ComboButton, {57, 299, 182, 25}, "", {}, "Button 9 function"},
    {kMarkerBn1Id, "Bn1", ControlKind::Marker, {268, 38, 25, 25}, "1", {}, "Button 1 marker"},
    {kMarkerBn2Id, "Bn2", ControlKind::Marker, {463, 38, 27, 24}, "2", {}, "Button 2 marker"},
    {kMarkerBn3Id, "Bn3", ControlKind::Marker, {465, 65, 25, 22}, "3", {}, "Button 3 marker"},
    {kMarkerBn4Id, "Bn4", ControlKind::Marker, {252, 97, 25, 23}, "4", {}, "Button 4 marker"},
    {kMarkerBn5Id, "Bn5", ControlKind::Marker, {254, 124, 24, 22}, "5", {}, "Button 5 marker"},
    {kMarkerBn6Id, "Bn6", ControlKind::Marker, {254, 152, 22, 22}, "6", {}, "Button 6 marker"},
    {kMarkerBn7Id, "Bn7", ControlKind::Marker, {483, 152, 24, 21}, "7", {}, "Button 7 marker"},
    {kRate125Id, "125", ControlKind::CheckBox, {272, 330, 44, 17}, "125"},
    {kRate250Id, "250", ControlKind::CheckBox, {340, 330, 41, 17}, "250"},
    {kRate500Id, "500", ControlKind::CheckBox, {401, 330, 38, 17}, "500"},
    {kRate1000Id, "1000", ControlKind::CheckBox, {459, 330, 45, 17}, "1000"},
    {kAccelerationEnableId, "Enable", ControlKind::CheckBox, {540, 312, 59, 16}, "Enable", {}, "Enable pointer acceleration"},
    {kDoubleClickSliderId, "Double Click", ControlKind::Slider, {560, 70, 176, 17}, ""},
    {kScrollSpeedSliderId, "Scroll Speed", ControlKind::Slider, {545, 171, 200, 17}, ""},
    {kAccelerationSliderId, "Point Acceleration", ControlKind::Slider, {545, 271, 200, 15}, ""},
});

// The pointer sliders: "Double Click" 200 … 1400 ms in steps of 200 (start
// 800), "Scroll Speed" 1 … 6 lines (start 1), "Point Acceleration" 1 … 3
// (start 2).
inline constexpr auto kButtonPageSliderRanges = std::to_array<SliderRange>({
    {kDoubleClickSliderId, 200, 1400, 200, 800},
    {kScrollSpeedSliderId, 1, 6, 1, 1},
    {kAccelerationSliderId, 1, 3, 1, 2},
});

inline constexpr auto kButtonPageTexts = std::to_array<StaticText>({
    {"Button Assignment", {57, 12, 182, 20}, TextRole::Title, TextAlign::Left},
    {"1", {34, 41, 18, 22}, TextRole::Label, TextAlign::Right},
    {"2", {34, 74, 18, 25}, TextRole::Label, TextAlign::Right},
    {"3", {34, 107, 18, 25}, TextRole::Label, TextAlign::Right},
    {"4", {34, 139, 18, 25}, TextRole::Label, TextAlign::Right},
    {"5", {34, 171, 18, 25}, TextRole::Label, TextAlign::Right},
    {"6", {34, 203, 18, 25}, TextRole::Label, TextAlign::Right},
    {"7", {34, 235, 18, 25}, TextRole::Label, TextAlign::Right},
    {"8", {34, 267, 18, 25}, TextRole::Label, TextAlign::Right},
    {"9", {34, 299, 18, 25}, TextRole::Label, TextAlign::Right},
    {"Report Rate (Hz)", {272, 310, 200, 17}, TextRole::Title, TextAlign::Left},
    {"Double Click", {560, 49, 176, 18}, TextRole::Title, TextAlign::Left},
    {"Slow", {560, 89, 60, 13}, TextRole::Label, TextAlign::Left},
    {"Fast", {676, 89, 60, 13}, TextRole::Label, TextAlign::Right},
    {"Scroll Speed", {545, 150, 200, 18}, TextRole::Title, TextAlign::Left},
    {"1 line", {545, 190, 70, 13}, TextRole::Label, TextAlign::Left},
    {"6 lines", {675, 190, 70, 13}, TextRole::Label, TextAlign::Right},
    {"Pointer Acceleration", {545, 250, 200, 18}, TextRole::Title, TextAlign::Left},
    {"Low", {545, 288, 60, 13}, TextRole::Label, TextAlign::Left},
    {"High", {685, 288, 60, 13}, TextRole::Label, TextAlign::Right},
});

}  // namespace solune::layout
