#pragma once
// Where the sensor page's controls sit, and the static texts of its artwork
// ("Sensor_Normal.bmp" … "Sensor_Disable.bmp"). The down picture also serves
// as the filled "Quality Analyzer" bar and as the step labels' background in
// separate X/Y mode.

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the sensor page.
enum SensorPageControl : int {
    kSensorSeparateId = 1018,
    kSensorSaveId = 1019,
    kSensorTestId = 1020,
    kSensorAnalyzeId = 1021,
    kSensorXAxisId = 1022,
    kSensorYAxisId = 1023,
    kSensorPointSpeedId = 1024,
    kSensorLiftDistanceId = 1025,
    kSensorQualityId = 1026,
    kSensorSurfaceId = 1027,
    kSensorDefinedModeId = 1087,
    kSensorDefinedEditId = 1088,
    kSensorStep1xId = 1089,
    kSensorStep1xyId = 1090,
    kSensorStep2xId = 1091,
    kSensorStep3xId = 1092,
    kSensorStep2xyId = 1093,
    kSensorStep3xyId = 1094,
    kSensorAngleSnapId = 1095,
    kSensorColumn1Id = 1096,
    kSensorColumn2Id = 1097,
    kSensorColumn3Id = 1098,
};

// The step labels of the X slider and the Y slider, and the columns behind
// them, stage by stage.
inline constexpr std::array<int, 3> kSensorXLabelIds = {kSensorStep1xId, kSensorStep2xId,
                                                        kSensorStep3xId};
inline constexpr std::array<int, 3> kSensorYLabelIds = {kSensorStep1xyId, kSensorStep2xyId,
                                                        kSensorStep3xyId};
inline constexpr std::array<int, 3> kSensorColumnIds = {kSensorColumn1Id, kSensorColumn2Id,
                                                        kSensorColumn3Id};

// In the order the page makes them (their tab order).
inline constexpr auto kSensorPageControls = std::to_array<LayoutControl>({
    {kSensorSeparateId, "Enable X or Y Separate Setting", ControlKind::CheckBox, {35, 73, 16, 17}, "", {}, "Separate X / Y"},
    {kSensorDefinedModeId, "Eanble Defined mode", ControlKind::CheckBox, {584, 14, 140, 26}, "Enable Defined Mode"},
    {kSensorAnalyzeId, "Analyze Surface", ControlKind::Button, {230, 296, 104, 25}, "Analyze Surface"},
    {kSensorTestId, "Test", ControlKind::Button, {636, 314, 54, 25}, "Test"},
    {kSensorSaveId, "Save", ControlKind::Button, {697, 314, 56, 25}, "Save"},
    {kSensorXAxisId, "Xaxis", ControlKind::Slider3D, {78, 102, 595, 16}, "", {}, "X DPI"},
    {kSensorYAxisId, "Yaxis", ControlKind::Slider3D, {78, 121, 595, 15}, "", {}, "Y DPI"},
    {kSensorPointSpeedId, "Point Speed", ControlKind::Slider, {444, 211, 288, 17}, ""},
    {kSensorLiftDistanceId, "Lift Distance", ControlKind::Slider, {424, 278, 329, 17}, ""},
    {kSensorQualityId, "Quality Analyzer", ControlKind::Progress, {36, 207, 101, 107}, "", {}, "Surface quality bar"},
    {kSensorSurfaceId, "Surface", ControlKind::Picture, {233, 210, 96, 47}, ""},
    {kSensorStep1xId, "Step1x", ControlKind::Label, {280, 36, 52, 21}, "", {}, "DPI stage 1, X"},
    {kSensorStep1xyId, "Step1xy", ControlKind::Label, {281, 67, 51, 20}, "", {}, "DPI stage 1, Y"},
    {kSensorStep2xId, "Step2x", ControlKind::Label, {366, 36, 52, 21}, "", {}, "DPI stage 2, X"},
    {kSensorStep2xyId, "Step2xy", ControlKind::Label, {367, 67, 51, 20}, "", {}, "DPI stage 2, Y"},
    {kSensorStep3xId, "Step3x", ControlKind::Label, {454, 36, 52, 21}, "", {}, "DPI stage 3, X"},
    {kSensorStep3xyId, "Step3xy", ControlKind::Label, {455, 67, 51, 20}, "", {}, "DPI stage 3, Y"},
    {kSensorDefinedEditId, "edit", ControlKind::Edit, {706, 69, 44, 18}, "", {}, "Defined value"},
    {kSensorAngleSnapId, "AngleSnap", ControlKind::ComboButton, {698, 37, 54, 21}, "", {}, "Angle Snap"},
    {kSensorColumn1Id, "XYaxisBK1", ControlKind::Label, {241, 29, 35, 64}, "", {}, "DPI stage 1"},
    {kSensorColumn2Id, "XYaxisBK2", ControlKind::Label, {337, 29, 26, 64}, "", {}, "DPI stage 2"},
    {kSensorColumn3Id, "XYaxisBK3", ControlKind::Label, {426, 29, 25, 64}, "", {}, "DPI stage 3"},
});

// The "Surface" picture's size: "0.bmp", "10.bmp" … "100.bmp" are drawn to it.
inline constexpr PictureSize kSurfacePictureSize{96, 47};

// The sliders: both DPI sliders 50 … 7000 in steps of 50 (their thumbs start
// at 400, 1600 and 7000), "Point Speed" 1 … 10 (start 6), "Lift Distance"
// 1 … 32 (start 1).
inline constexpr auto kSensorPageSliderRanges = std::to_array<SliderRange>({
    {kSensorXAxisId, 50, 7000, 50, 400},
    {kSensorYAxisId, 50, 7000, 50, 400},
    {kSensorPointSpeedId, 1, 10, 1, 6},
    {kSensorLiftDistanceId, 1, 32, 1, 1},
});
inline constexpr std::array<int, 3> kSensorInitialDpi = {400, 1600, 7000};

inline constexpr auto kSensorPageTexts = std::to_array<StaticText>({
    {"DPI Stages", {35, 10, 200, 20}, TextRole::Title, TextAlign::Left},
    // The stage numbers, each centred over its stage's values.
    {"1", {280, 15, 52, 19}, TextRole::Title, TextAlign::Center},
    {"2", {366, 15, 52, 19}, TextRole::Title, TextAlign::Center},
    {"3", {454, 15, 52, 19}, TextRole::Title, TextAlign::Center},
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
