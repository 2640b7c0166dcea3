#pragma once
// Where the sensor page's controls sit, and the static texts of its artwork
// ("Sensor_Normal.bmp" … "Sensor_Disable.bmp"). The down picture also serves
// as the filled "Quality Analyzer" bar and as the step labels' background in
// separate X/Y mode.

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

inline constexpr auto kSensorPageControls = std::to_array<LayoutControl>({
    {1018, "Enable X or Y Separate Setting", ControlKind::CheckBox, {35, 73, 16, 17}, ""},
    {1087, "Eanble Defined mode", ControlKind::CheckBox, {584, 14, 140, 26}, "Enable Defined Mode"},
    {1088, "edit", ControlKind::Edit, {706, 69, 44, 18}, ""},
    {1095, "AngleSnap", ControlKind::ComboButton, {698, 37, 54, 21}, ""},
    {1022, "Xaxis", ControlKind::Slider3D, {78, 102, 595, 16}, ""},
    {1023, "Yaxis", ControlKind::Slider3D, {78, 121, 595, 15}, ""},
    {1024, "Point Speed", ControlKind::Slider, {444, 211, 288, 17}, ""},
    {1025, "Lift Distance", ControlKind::Slider, {424, 278, 329, 17}, ""},
    {1026, "Quality Analyzer", ControlKind::Progress, {36, 207, 101, 107}, ""},
    {1027, "Surface", ControlKind::Picture, {233, 210, 96, 47}, ""},
    {1021, "Analyze Surface", ControlKind::Button, {230, 296, 104, 25}, "Analyze Surface"},
    {1020, "Test", ControlKind::Button, {636, 314, 54, 25}, "Test"},
    {1019, "Save", ControlKind::Button, {697, 314, 56, 25}, "Save"},
    {1089, "Step1x", ControlKind::Label, {280, 36, 52, 21}, ""},
    {1091, "Step2x", ControlKind::Label, {366, 36, 52, 21}, ""},
    {1092, "Step3x", ControlKind::Label, {454, 36, 52, 21}, ""},
    {1090, "Step1xy", ControlKind::Label, {281, 67, 51, 20}, ""},
    {1093, "Step2xy", ControlKind::Label, {367, 67, 51, 20}, ""},
    {1094, "Step3xy", ControlKind::Label, {455, 67, 51, 20}, ""},
    {1096, "XYaxisBK1", ControlKind::Label, {241, 29, 35, 64}, "1"},
    {1097, "XYaxisBK2", ControlKind::Label, {337, 29, 26, 64}, "2"},
    {1098, "XYaxisBK3", ControlKind::Label, {426, 29, 25, 64}, "3"},
});

// The "Surface" picture's size: "0.bmp", "10.bmp" … "100.bmp" are drawn to it.
inline constexpr PictureSize kSurfacePictureSize{96, 47};

inline constexpr auto kSensorPageTexts = std::to_array<StaticText>({
    {"DPI Stages", {35, 10, 200, 20}, TextRole::Title, TextAlign::Left},
    {"Separate X / Y", {56, 73, 180, 17}, TextRole::Label, TextAlign::Left},
    {"X", {60, 102, 14, 16}, TextRole::Label, TextAlign::Center},
    {"Y", {60, 121, 14, 15}, TextRole::Label, TextAlign::Center},
    {"50", {78, 138, 40, 13}, TextRole::Label, TextAlign::Left},
    {"7000", {613, 138, 60, 13}, TextRole::Label, TextAlign::Right},
    {"Angle Snap", {590, 40, 104, 17}, TextRole::Label, TextAlign::Right},
    {"Defined Value", {584, 69, 118, 18}, TextRole::Label, TextAlign::Right},
    {"Surface Quality", {36, 186, 190, 18}, TextRole::Title, TextAlign::Left},
    {"Pointer Speed", {444, 189, 288, 18}, TextRole::Title, TextAlign::Left},
    {"Lift Distance", {424, 256, 329, 18}, TextRole::Title, TextAlign::Left},
});

}  // namespace solune::layout
