#pragma once
// Where the button assignment page's controls sit, and the static texts of its
// artwork ("MouseSetting_Normal.bmp" … "MouseSetting_Disable.bmp"). The page
// is as large as the main window's page area.

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The function selectors of buttons 1 … 9, in button order.
inline constexpr std::array<int, 9> kFunctionSelectorIds = {1012, 1021, 1022, 1023, 1024,
                                                            1025, 1026, 1031, 1038};

// "Bn8" (1039) and "Bn9" (1041) are bound but never placed, so they have no
// row here and no artwork.
inline constexpr auto kButtonPageControls = std::to_array<LayoutControl>({
    {1012, "Function1", ControlKind::ComboButton, {57, 41, 182, 22}, ""},
    {1021, "Function2", ControlKind::ComboButton, {57, 74, 182, 25}, ""},
    {1022, "Function3", ControlKind::ComboButton, {57, 107, 182, 25}, ""},
    {1023, "Function4", ControlKind::ComboButton, {57, 139, 182, 25}, ""},
    {1024, "Function5", ControlKind::ComboButton, {57, 171, 182, 25}, ""},
    {1025, "Function6", ControlKind::ComboButton, {57, 203, 182, 25}, ""},
    {1026, "Function7", ControlKind::ComboButton, {57, 235, 182, 25}, ""},
    {1031, "Function8", ControlKind::ComboButton, {57, 267, 182, 25}, ""},
    {1038, "Function9", ControlKind::ComboButton, {57, 299, 182, 25}, ""},
    {1032, "Bn1", ControlKind::Marker, {268, 38, 25, 25}, "1"},
    {1033, "Bn2", ControlKind::Marker, {463, 38, 27, 24}, "2"},
    {1013, "Bn3", ControlKind::Marker, {465, 65, 25, 22}, "3"},
    {1034, "Bn4", ControlKind::Marker, {252, 97, 25, 23}, "4"},
    {1037, "Bn5", ControlKind::Marker, {254, 124, 24, 22}, "5"},
    {1035, "Bn6", ControlKind::Marker, {254, 152, 22, 22}, "6"},
    {1036, "Bn7", ControlKind::Marker, {483, 152, 24, 21}, "7"},
    {1028, "125", ControlKind::CheckBox, {272, 330, 44, 17}, "125"},
    {1027, "250", ControlKind::CheckBox, {340, 330, 41, 17}, "250"},
    {1029, "500", ControlKind::CheckBox, {401, 330, 38, 17}, "500"},
    {1030, "1000", ControlKind::CheckBox, {459, 330, 45, 17}, "1000"},
    {1040, "Enable", ControlKind::CheckBox, {540, 312, 59, 16}, "Enable"},
    {1014, "Double Click", ControlKind::Slider, {560, 70, 176, 17}, ""},
    {1015, "Scroll Speed", ControlKind::Slider, {545, 171, 200, 17}, ""},
    {1016, "Point Acceleration", ControlKind::Slider, {545, 271, 200, 15}, ""},
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
