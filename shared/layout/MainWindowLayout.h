#pragma once
// Where the main window's controls sit, and the static texts of its artwork.
// The main window places its controls from this table; the skin generator
// draws "Main_Normal.bmp" … "Main_Disable.bmp" from it. The window takes the
// size of "Main_Normal.bmp"; every page is moved to kPageRect.

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

inline constexpr int kMouseSettingsButtonId = 1000;
inline constexpr int kSensorButtonId = 1001;
inline constexpr int kColorButtonId = 1002;
inline constexpr int kMacroButtonId = 1003;
inline constexpr int kSupportButtonId = 1004;
inline constexpr int kFirstProfileButtonId = 1007;  // 1007 … 1011: profiles 1 … 5
inline constexpr int kResetButtonId = 1031;
inline constexpr int kLanguageButtonId = 1032;
inline constexpr int kOkButtonId = 1041;
inline constexpr int kApplyButtonId = 1042;
inline constexpr int kCancelButtonId = 1044;
inline constexpr int kFirmwareVerLabelId = 1080;

// The menu button of profile k (1 … 5).
constexpr int ProfileMenuButtonId(int profile) {
    return 1021 - profile;
}

// The place of every page (button, sensor, lighting, macro and support page).
inline constexpr ControlRect kPageRect{9, 209, 783, 349};

// The page buttons carry their texts in the artwork; the profile buttons show
// the profile names as their own captions and the combo buttons their chosen
// item, so the artwork leaves those empty.
inline constexpr auto kMainControls = std::to_array<LayoutControl>({
    {1000, "Mouse Settings", ControlKind::Button, {65, 150, 122, 35}, "Mouse Settings"},
    {1001, "Sensor Performance", ControlKind::Button, {187, 150, 182, 35}, "Sensor Performance"},
    {1002, "Color Settings", ControlKind::Button, {369, 150, 141, 35}, "Color Settings"},
    {1003, "Macro Settings", ControlKind::Button, {519, 150, 136, 35}, "Macro Settings"},
    {1004, "Support", ControlKind::Button, {655, 150, 97, 35}, "Support"},
    {1007, "Profile1", ControlKind::Button, {25, 187, 140, 20}, ""},
    {1008, "Profile2", ControlKind::Button, {182, 187, 139, 20}, ""},
    {1009, "Profile3", ControlKind::Button, {337, 187, 140, 20}, ""},
    {1010, "Profile4", ControlKind::Button, {492, 187, 141, 20}, ""},
    {1011, "Profile5", ControlKind::Button, {649, 187, 142, 20}, ""},
    {1020, "1", ControlKind::ComboButton, {9, 187, 16, 20}, ""},
    {1019, "2", ControlKind::ComboButton, {165, 187, 17, 20}, ""},
    {1018, "3", ControlKind::ComboButton, {321, 187, 16, 20}, ""},
    {1017, "4", ControlKind::ComboButton, {477, 187, 15, 20}, ""},
    {1016, "5", ControlKind::ComboButton, {633, 187, 16, 20}, ""},
    {1031, "Reset to Default", ControlKind::Button, {38, 563, 89, 24}, "Reset to Default"},
    {1032, "Language", ControlKind::ComboButton, {146, 563, 117, 24}, ""},
    {1041, "OK", ControlKind::Button, {555, 563, 56, 24}, "OK"},
    {1042, "Apply", ControlKind::Button, {617, 563, 55, 24}, "Apply"},
    {1044, "Cancel", ControlKind::Button, {678, 563, 54, 24}, "Cancel"},
    {1080, "FirmwareVer", ControlKind::Label, {242, 7, 29, 13}, ""},
});

inline constexpr auto kMainTexts = std::to_array<StaticText>({
    {"SOLUNE 300", {40, 52, 420, 40}, TextRole::Banner, TextAlign::Left},
    {"Optical Gaming Mouse", {42, 96, 300, 18}, TextRole::Label, TextAlign::Left},
    {"Ver.", {200, 7, 38, 13}, TextRole::Label, TextAlign::Right},
});

}  // namespace solune::layout
