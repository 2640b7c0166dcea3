#pragma once
// Where the lighting page's controls sit, the twenty preset colours, the
// colour panel's swatches, and the static texts of the page's artwork
// ("ColorSetting_BK.bmp" and "ColorSetting_Normal.bmp" …
// "ColorSetting_Disable.bmp").

#include <array>
#include <cstdint>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The preset colours, row by row (rows 1 … 4, columns 1 … 5). The colour
// panel offers the same twenty colours in the same order.
inline constexpr std::array<std::array<Rgb, 5>, 4> kPresetColors = {{
    {{{255, 0, 0}, {255, 20, 0}, {255, 60, 0}, {255, 150, 0}, {255, 255, 0}}},
    {{{180, 255, 0}, {0, 255, 0}, {60, 255, 10}, {60, 255, 70}, {60, 255, 100}}},
    {{{0, 255, 255}, {60, 100, 255}, {20, 100, 255}, {0, 0, 255}, {80, 0, 255}}},
    {{{180, 0, 200}, {200, 0, 160}, {255, 0, 100}, {255, 0, 30}, {255, 10, 10}}},
}};

inline constexpr std::array<int, 5> kPresetColumnX = {550, 578, 605, 633, 661};
inline constexpr std::array<int, 4> kPresetRowY = {118, 145, 173, 202};
inline constexpr int kPresetSize = 22;

// The control ids of the lighting page. The presets have ids of their own,
// PresetButtonId.
enum LightingPageControl : int {
    kLightingOnId = 1027,
    kLightingOffId = 1028,
    kLightingSelectId = 1029,
    kLightingWheelBoxId = 1030,
    kLightingDpiIndicatorId = 1031,
    kLightingDpiButtonsId = 1032,
    kLightingLogoBoxId = 1033,
    kLightingWheelColorId = 1034,
    kLightingMarker2Id = 1035,
    kLightingMarker3Id = 1036,
    kLightingLogoColorId = 1037,
    kLightingFirstPresetId = 1038,  // the preset of row 1, column 1
    kLightingSolidId = 1043,
    kLightingBlinkingId = 1049,
    kLightingPulsatingId = 1055,
    kLightingBreathingId = 1061,
    kLightingColorShiftId = 1062,
    kLightingSolidColorId = 1063,
    kLightingRedEditId = 1082,
    kLightingGreenEditId = 1083,
    kLightingBlueEditId = 1084,
    kLightingPreviewId = 1085,
};

// The effect buttons, in effect order (solid, blinking, pulsating,
// breathing), and the red, green and blue edits.
inline constexpr std::array<int, 4> kLightingEffectIds = {
    kLightingSolidId, kLightingBlinkingId, kLightingPulsatingId, kLightingBreathingId};
inline constexpr std::array<int, 3> kLightingEditIds = {kLightingRedEditId, kLightingGreenEditId,
                                                        kLightingBlueEditId};

// The preset button of row r and column c (both from 1): six ids per row
// from kLightingFirstPresetId, caption the two digits r and c.
constexpr int PresetButtonId(int row, int column) {
    return kLightingFirstPresetId + 6 * (row - 1) + (column - 1);
}
constexpr ControlRect PresetButtonRect(int row, int column) {
    return {kPresetColumnX[column - 1], kPresetRowY[row - 1], kPresetSize, kPresetSize};
}

inline constexpr auto kLightingPageControls = std::to_array<LayoutControl>({
    {kLightingOnId, "ON", ControlKind::Button, {46, 68, 154, 20}, "ON"},
    {kLightingOffId, "OFF", ControlKind::Button, {46, 88, 168, 20}, "OFF"},
    {kLightingSelectId, "Select", ControlKind::Button, {46, 108, 82, 21}, "Select"},
    {kLightingWheelBoxId, "Scroll Wheel", ControlKind::CheckBox, {106, 146, 108, 18}, "Scroll Wheel"},
    {kLightingLogoBoxId, "LogoType", ControlKind::CheckBox, {106, 164, 108, 19}, "Logo"},
    {kLightingDpiButtonsId, "DPI Buttons", ControlKind::CheckBox, {106, 183, 108, 20}, "DPI Buttons"},
    {kLightingDpiIndicatorId, "DPI Indicator", ControlKind::CheckBox, {106, 203, 108, 18}, "DPI Indicator"},
    {kLightingWheelColorId, "1", ControlKind::ColorButton, {73, 145, 17, 16}, "", {}, "Scroll wheel colour"},
    {kLightingLogoColorId, "4", ControlKind::ColorButton, {73, 166, 17, 16}, "", {}, "Logo colour"},
    {kLightingMarker3Id, "3", ControlKind::Marker, {73, 186, 17, 16}, "3", {}, "Zone 3 marker"},
    {kLightingMarker2Id, "2", ControlKind::Marker, {73, 205, 17, 15}, "2", {}, "Zone 2 marker"},
    {PresetButtonId(1, 1), "11", ControlKind::Button, PresetButtonRect(1, 1), ""},
    {PresetButtonId(1, 2), "12", ControlKind::Button, PresetButtonRect(1, 2), ""},
    {PresetButtonId(1, 3), "13", ControlKind::Button, PresetButtonRect(1, 3), ""},
    {PresetButtonId(1, 4), "14", ControlKind::Button, PresetButtonRect(1, 4), ""},
    {PresetButtonId(1, 5), "15", ControlKind::Button, PresetButtonRect(1, 5), ""},
    {PresetButtonId(2, 1), "21", ControlKind::Button, PresetButtonRect(2, 1), ""},
    {PresetButtonId(2, 2), "22", ControlKind::Button, PresetButtonRect(2, 2), ""},
    {PresetButtonId(2, 3), "23", ControlKind::Button, PresetButtonRect(2, 3), ""},
    {PresetButtonId(2, 4), "24", ControlKind::Button, PresetButtonRect(2, 4), ""},
    {PresetButtonId(2, 5), "25", ControlKind::Button, PresetButtonRect(2, 5), ""},
    {PresetButtonId(3, 1), "31", ControlKind::Button, PresetButtonRect(3, 1), ""},
    {PresetButtonId(3, 2), "32", ControlKind::Button, PresetButtonRect(3, 2), ""},
    {PresetButtonId(3, 3), "33", ControlKind::Button, PresetButtonRect(3, 3), ""},
    {PresetButtonId(3, 4), "34", ControlKind::Button, PresetButtonRect(3, 4), ""},
    {PresetButtonId(3, 5), "35", ControlKind::Button, PresetButtonRect(3, 5), ""},
    {PresetButtonId(4, 1), "41", ControlKind::Button, PresetButtonRect(4, 1), ""},
    {PresetButtonId(4, 2), "42", ControlKind::Button, PresetButtonRect(4, 2), ""},
    {PresetButtonId(4, 3), "43", ControlKind::Button, PresetButtonRect(4, 3), ""},
    {PresetButtonId(4, 4), "44", ControlKind::Button, PresetButtonRect(4, 4), ""},
    {PresetButtonId(4, 5), "45", ControlKind::Button, PresetButtonRect(4, 5), ""},
    {kLightingSolidId, "Solid", ControlKind::Button, {46, 256, 81, 28}, "Solid"},
    {kLightingBlinkingId, "Blinking", ControlKind::Button, {46, 284, 81, 19}, "Blinking"},
    {kLightingPulsatingId, "Pulsating", ControlKind::Button, {46, 303, 81, 19}, "Pulsating"},
    {kLightingBreathingId, "Breathing", ControlKind::Button, {46, 323, 81, 20}, "Breathing"},
    {kLightingColorShiftId, "Color Shift", ControlKind::Button, {544, 67, 86, 19}, "Color Shift"},
    {kLightingSolidColorId, "Solid Color", ControlKind::Button, {544, 87, 86, 20}, "Solid Color"},
    {kLightingRedEditId, "red edit", ControlKind::Edit, {552, 266, 36, 15}, "", {}, "Red"},
    {kLightingGreenEditId, "green edit", ControlKind::Edit, {599, 266, 37, 15}, "", {}, "Green"},
    {kLightingBlueEditId, "blue edit", ControlKind::Edit, {645, 266, 36, 15}, "", {}, "Blue"},
    {kLightingPreviewId, "Mouse", ControlKind::Picture, {257, 75, 205, 212}, "", {}, "Lighting preview"},
});

// The faces the artwork draws for the mode choices ("ON", "OFF", "Select")
// and the effect choices ("Solid" … "Breathing"): one size for all seven, so
// the choices line up whatever the size of their hit rectangles (which stay
// as above). Each face lies inside its control's rectangle.
struct ChoiceFace {
    int id = 0;
    ControlRect face;
};
inline constexpr auto kLightingChoiceFaces = std::to_array<ChoiceFace>({
    {kLightingOnId, {46, 68, 81, 19}},
    {kLightingOffId, {46, 88, 81, 19}},
    {kLightingSelectId, {46, 108, 81, 19}},
    {kLightingSolidId, {46, 265, 81, 19}},
    {kLightingBlinkingId, {46, 284, 81, 19}},
    {kLightingPulsatingId, {46, 303, 81, 19}},
    {kLightingBreathingId, {46, 323, 81, 19}},
});

// The preset colour of a preset button id, or nullptr for any other id.
constexpr const Rgb* PresetColorOf(int id) {
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 5; ++c) {
            if (PresetButtonId(r, c) == id) {
                return &kPresetColors[r - 1][c - 1];
            }
        }
    }
    return nullptr;
}

// The colour panel ("ColorPanel.bmp"): twenty swatches in four rows of five,
// hit rectangles in the panel's client coordinates, in kPresetColors order.
// The panel window takes the picture's size.
inline constexpr PictureSize kColorPanelSize{102, 82};
inline constexpr std::array<int, 5> kSwatchLeft = {1, 22, 42, 62, 82};
inline constexpr std::array<int, 5> kSwatchRight = {21, 41, 61, 81, 101};
inline constexpr std::array<int, 4> kSwatchTop = {1, 22, 42, 62};
inline constexpr std::array<int, 4> kSwatchBottom = {21, 41, 61, 81};

constexpr ControlRect SwatchRect(int row, int column) {
    return FromEdges(kSwatchLeft[column - 1], kSwatchTop[row - 1], kSwatchRight[column - 1],
                     kSwatchBottom[row - 1]);
}

inline constexpr auto kLightingPageTexts = std::to_array<StaticText>({
    {"Lighting Zones", {46, 46, 168, 18}, TextRole::Title, TextAlign::Left},
    {"Effect", {46, 235, 120, 18}, TextRole::Title, TextAlign::Left},
    {"Color Mode", {544, 46, 150, 18}, TextRole::Title, TextAlign::Left},
    {"RGB", {552, 245, 129, 18}, TextRole::Title, TextAlign::Left},
    // Each letter centred under its edit, clear of the edits beside it.
    {"R", {552, 283, 36, 15}, TextRole::Label, TextAlign::Center},
    {"G", {599, 283, 37, 15}, TextRole::Label, TextAlign::Center},
    {"B", {645, 283, 36, 15}, TextRole::Label, TextAlign::Center},
    {"Preview", {257, 53, 205, 18}, TextRole::Title, TextAlign::Center},
});

}  // namespace solune::layout
