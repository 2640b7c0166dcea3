#pragma once
// Where the main window's controls sit, and the static texts of its artwork.
// The main window places its controls from this table; the skin generator
// draws "Main_Normal.bmp" … "Main_Disable.bmp" from it. The window takes the
// size of "Main_Normal.bmp"; every page is moved to kPageRect.

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the main window.
enum MainWindowControl : int {
    kMouseSettingsButtonId = 1000,
    kSensorButtonId = 1001,
    kColorButtonId = 1002,
    kMacroButtonId = 1003,
    kSupportButtonId = 1004,
    kFirstProfileButtonId = 1007,  // 1007 … 1011: profiles 1 … 5
    kProfile2ButtonId = 1008,
    kProfile3ButtonId = 1009,
    kProfile4ButtonId = 1010,
    kProfile5ButtonId = 1011,
    kLastProfileMenuId = 1016,  // the menu of profile 5
    kProfile4MenuId = 1017,
    kProfile3MenuId = 1018,
    kProfile2MenuId = 1019,
    kFirstProfileMenuId = 1020,  // the menu of profile 1
    kResetButtonId = 1031,
    kLanguageButtonId = 1032,
    kOkButtonId = 1041,
    kApplyButtonId = 1042,
    kCancelButtonId = 1044,
    kFirmwareVerLabelId = 1080,
};

// The menu button of profile k (1 … 5).
constexpr int ProfileMenuButtonId(int profile) {
    return kFirstProfileMenuId + 1 - profile;
}

// The profile (1 … 5) whose menu button is `id`; outside 1 … 5 for any other
// id.
constexpr int ProfileOfMenuButton(int id) {
    return kFirstProfileMenuId + 1 - id;
}

// The place of every page (button, sensor, lighting, macro and support page).
inline constexpr ControlRect kPageRect{9, 209, 783, 349};

// The page buttons carry their texts in the artwork; the profile buttons show
// the profile names as their own captions and the combo buttons their chosen
// item, so the artwork leaves those empty.
inline constexpr auto kMainControls = std::to_array<LayoutControl>({
    {kMouseSettingsButtonId, "Mouse Settings", ControlKind::Button, {65, 150, 122, 35}, "Mouse Settings"},
    {kSensorButtonId, "Sensor Performance", ControlKind::Button, {187, 150, 182, 35}, "Sensor Performance"},
    {kColorButtonId, "Color Settings", ControlKind::Button, {369, 150, 141, 35}, "Color Settings"},
    {kMacroButtonId, "Macro Settings", ControlKind::Button, {519, 150, 136, 35}, "Macro Settings"},
    {kSupportButtonId, "Support", ControlKind::Button, {655, 150, 97, 35}, "Support"},
    {kFirstProfileButtonId, "Profile1", ControlKind::Button, {25, 187, 140, 20}, ""},
    {kProfile2ButtonId, "Profile2", ControlKind::Button, {182, 187, 139, 20}, ""},
    {kProfile3ButtonId, "Profile3", ControlKind::Button, {337, 187, 140, 20}, ""},
    {kProfile4ButtonId, "Profile4", ControlKind::Button, {492, 187, 141, 20}, ""},
    {kProfile5ButtonId, "Profile5", ControlKind::Button, {649, 187, 142, 20}, ""},
    {kFirstProfileMenuId, "1", ControlKind::ComboButton, {9, 187, 16, 20}, "", {}, "Profile 1 menu"},
    {kProfile2MenuId, "2", ControlKind::ComboButton, {165, 187, 17, 20}, "", {}, "Profile 2 menu"},
    {kProfile3MenuId, "3", ControlKind::ComboButton, {321, 187, 16, 20}, "", {}, "Profile 3 menu"},
    {kProfile4MenuId, "4", ControlKind::ComboButton, {477, 187, 15, 20}, "", {}, "Profile 4 menu"},
    {kLastProfileMenuId, "5", ControlKind::ComboButton, {633, 187, 16, 20}, "", {}, "Profile 5 menu"},
    {kResetButtonId, "Reset to Default", ControlKind::Button, {38, 563, 89, 24}, "Reset to Default"},
    {kLanguageButtonId, "Language", ControlKind::ComboButton, {146, 563, 117, 24}, ""},
    {kOkButtonId, "OK", ControlKind::Button, {555, 563, 56, 24}, "OK"},
    {kApplyButtonId, "Apply", ControlKind::Button, {617, 563, 55, 24}, "Apply"},
    {kCancelButtonId, "Cancel", ControlKind::Button, {678, 563, 54, 24}, "Cancel"},
    {kFirmwareVerLabelId, "FirmwareVer", ControlKind::Label, {242, 7, 29, 13}, "", {}, "Firmware version"},
});

inline constexpr auto kMainTexts = std::to_array<StaticText>({
    {"SOLUNE 300", {40, 52, 420, 40}, TextRole::Banner, TextAlign::Left},
    {"Optical Gaming Mouse", {42, 96, 300, 18}, TextRole::Label, TextAlign::Left},
    {"Ver.", {200, 7, 38, 13}, TextRole::Label, TextAlign::Right},
});

}  // namespace solune::layout
