#pragma once
// The skin's picture files and the table that maps a skin element number to
// the picture it comes from. Read by SkinLibrary and by the skin generator.

#include <array>
#include <string_view>

namespace solune::skin {

// The 62 picture slots, in load order. Pictures of one family share one size
// and coordinate system.
inline constexpr std::array<std::string_view, 62> kSlotFiles = {
    "Main_Normal.bmp",
    "Main_Over.bmp",
    "Main_Down.bmp",
    "Main_Disable.bmp",
    "MouseSetting_Normal.bmp",
    "MouseSetting_Over.bmp",
    "MouseSetting_Down.bmp",
    "MouseSetting_Disable.bmp",
    "Sensor_Normal.bmp",
    "Sensor_Over.bmp",
    "Sensor_Down.bmp",
    "Sensor_Disable.bmp",
    "ColorSetting_BK.bmp",
    "ColorSetting_Normal.bmp",
    "ColorSetting_Over.bmp",
    "ColorSetting_Down.bmp",
    "ColorSetting_Disable.bmp",
    "MacroSetting_BK.bmp",
    "MacroSetting_Normal.bmp",
    "MacroSetting_Over.bmp",
    "MacroSetting_Down.bmp",
    "MacroSetting_Disable.bmp",
    "Support_Normal.bmp",
    "Support_Over.bmp",
    "Support_Down.bmp",
    "Support_Disable.bmp",
    "Slider_Normal.bmp",
    "Slider_Disable.bmp",
    "Slider1.bmp",
    "Slider2.bmp",
    "Slider3.bmp",
    "ColorPanel.bmp",
    "Mouse.png",
    "ReName_Normal.bmp",
    "ReName_Over.bmp",
    "ReName_Down.bmp",
    "ReName_Disable.bmp",
    "Scroll_Normal.bmp",
    "Scroll_Over.bmp",
    "Scroll_Down.bmp",
    "LeftClickWarn_Normal.bmp",
    "LeftClickWarn_Over.bmp",
    "LeftClickWarn_Down.bmp",
    "DeleteMacro_Normal.bmp",
    "DeleteMacro_Over.bmp",
    "DeleteMacro_Down.bmp",
    "SensorMira1_Normal.bmp",
    "SensorMira1_Over.bmp",
    "SensorMira1_Down.bmp",
    "SensorMira2_Normal.bmp",
    "SensorMira2_Over.bmp",
    "SensorMira2_Down.bmp",
    "SensorMira3_Normal.bmp",
    "SensorMira3_Over.bmp",
    "SensorMira3_Down.bmp",
    "ResetWarn_Normal.bmp",
    "ResetWarn_Over.bmp",
    "ResetWarn_Down.bmp",
    "AssignKey_Normal.bmp",
    "AssignKey_Over.bmp",
    "AssignKey_Down.bmp",
    "AssignKey_Disable.bmp",
};

// The slot of a file name of kSlotFiles, or -1.
constexpr int SlotOf(std::string_view fileName) {
    for (int i = 0; i < static_cast<int>(kSlotFiles.size()); ++i) {
        if (kSlotFiles[i] == fileName) {
            return i;
        }
    }
    return -1;
}

enum class ElementKind {
    Whole,  // the slot's picture itself, rectangle and state ignored
    Copy,   // a new copy of the slot's picture, rectangle and state ignored
    Cut,    // the rectangle cut from the picture of the state's slot
};

// One row: elements first … last. For Cut rows, stateSlots[state] is the slot
// of that state (0 normal, 1 over, 2 down, 3 disable); -1 marks a state the
// row does not have. Whole and Copy rows use stateSlots[0].
struct ElementRow {
    int first;
    int last;
    ElementKind kind;
    std::array<int, 4> stateSlots;
};

namespace detail {
constexpr ElementRow Whole(int element, std::string_view file) {
    return {element, element, ElementKind::Whole, {SlotOf(file), -1, -1, -1}};
}
constexpr ElementRow Copy(int element, std::string_view file) {
    return {element, element, ElementKind::Copy, {SlotOf(file), -1, -1, -1}};
}
// A family whose normal picture is `normal` and whose other states follow it
// in slot order.
constexpr ElementRow Cut(int first, int last, std::string_view normal, int states) {
    const int s = SlotOf(normal);
    return {first,
            last,
            ElementKind::Cut,
            {s, states > 1 ? s + 1 : -1, states > 2 ? s + 2 : -1, states > 3 ? s + 3 : -1}};
}
}  // namespace detail

// Elements missing here (60, and everything outside 0 … 173) are failures.
inline constexpr std::array<ElementRow, 38> kElementRows = {
    detail::Copy(0, "Main_Normal.bmp"),
    detail::Cut(1, 21, "Main_Normal.bmp", 4),
    detail::Whole(22, "MouseSetting_Normal.bmp"),
    detail::Cut(23, 48, "MouseSetting_Normal.bmp", 4),
    detail::Whole(49, "Sensor_Normal.bmp"),
    detail::Cut(50, 59, "Sensor_Normal.bmp", 4),
    detail::Cut(61, 71, "Sensor_Normal.bmp", 4),
    detail::Whole(72, "ColorSetting_BK.bmp"),
    detail::Cut(73, 112, "ColorSetting_Normal.bmp", 4),
    detail::Copy(113, "Mouse.png"),
    detail::Whole(114, "MacroSetting_BK.bmp"),
    detail::Cut(115, 122, "MacroSetting_Normal.bmp", 4),
    detail::Whole(123, "Support_Normal.bmp"),
    detail::Cut(124, 129, "Support_Normal.bmp", 4),
    detail::Copy(130, "Slider_Normal.bmp"),
    detail::Copy(131, "Slider_Disable.bmp"),
    detail::Copy(132, "Slider1.bmp"),
    detail::Copy(133, "Slider2.bmp"),
    detail::Copy(134, "Slider3.bmp"),
    detail::Copy(135, "Scroll_Normal.bmp"),
    // The scroll parts come from the down picture in state 0 and from the over
    // picture in state 1.
    ElementRow{
        136, 138, ElementKind::Cut, {SlotOf("Scroll_Down.bmp"), SlotOf("Scroll_Over.bmp"), -1, -1}},
    detail::Copy(139, "ColorPanel.bmp"),
    detail::Whole(140, "ReName_Normal.bmp"),
    detail::Cut(141, 144, "ReName_Normal.bmp", 4),
    detail::Whole(145, "LeftClickWarn_Normal.bmp"),
    detail::Cut(146, 147, "LeftClickWarn_Normal.bmp", 3),
    detail::Whole(148, "DeleteMacro_Normal.bmp"),
    detail::Cut(149, 151, "DeleteMacro_Normal.bmp", 3),
    detail::Whole(152, "SensorMira1_Normal.bmp"),
    detail::Cut(153, 155, "SensorMira1_Normal.bmp", 3),
    detail::Whole(156, "SensorMira2_Normal.bmp"),
    detail::Cut(157, 161, "SensorMira2_Normal.bmp", 3),
    detail::Whole(162, "SensorMira3_Normal.bmp"),
    detail::Cut(163, 164, "SensorMira3_Normal.bmp", 3),
    detail::Whole(165, "ResetWarn_Normal.bmp"),
    detail::Cut(166, 168, "ResetWarn_Normal.bmp", 3),
    detail::Whole(169, "AssignKey_Normal.bmp"),
    detail::Cut(170, 173, "AssignKey_Normal.bmp", 4),
};

// The row that holds `element`, or nullptr for a failure element.
static_assert(SlotOf("AssignKey_Disable.bmp") == 61);

constexpr const ElementRow* FindElementRow(int element) {
    for (const ElementRow& row : kElementRows) {
        if (element >= row.first && element <= row.last) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace solune::skin
