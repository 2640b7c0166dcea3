#pragma once
// Where the macro page's controls sit, where their pictures are cut from, the
// scroll parts cut from the scroll pictures, and the static texts of the
// page's artwork ("MacroSetting_BK.bmp" and "MacroSetting_Normal.bmp" …
// "MacroSetting_Disable.bmp").

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the macro page.
enum MacroPageControl : int {
    kMacroListId = 1069,
    kEventListId = 1070,
    kNewMacroId = 1064,
    kDeleteMacroId = 1065,
    kRecordDelayId = 1066,
    kRecordHoldId = 1071,
    kStartRecordId = 1067,
    kStopRecordId = 1068,
};

// "Stop Record" sits where "Start Record" sits (it is hidden at start) but
// takes its pictures from its own place lower down in the page pictures.
inline constexpr auto kMacroPageControls = std::to_array<LayoutControl>({
    {kMacroListId, "Macro", ControlKind::List, {42, 75, 200, 199}, "", {}, "Macro list"},
    {kEventListId, "Events", ControlKind::List, {282, 75, 200, 199}, "", {}, "Event list"},
    {kNewMacroId, "New Macro", ControlKind::Button, {41, 285, 81, 26}, "New Macro"},
    {kDeleteMacroId, "Delete", ControlKind::Button, {137, 285, 83, 26}, "Delete"},
    {kRecordDelayId, "Record Delay", ControlKind::CheckBox, {543, 73, 86, 17}, "Record Delay"},
    {kRecordHoldId, "Record Hold", ControlKind::CheckBox, {543, 95, 86, 19}, "Record Hold"},
    {kStartRecordId, "Start Record", ControlKind::Button, {542, 127, 86, 25}, "Start Record"},
    {kStopRecordId,
     "Stop Record",
     ControlKind::Button,
     {542, 127, 86, 25},
     "Stop Record",
     {542, 165, 86, 25}},
});

// The seven pictures of both lists' scroll controls: the background is the
// whole "Scroll_Normal.bmp"; each part is cut at the same place from
// "Scroll_Down.bmp" (normal) and "Scroll_Over.bmp" (pressed).
inline constexpr ControlRect kScrollThumbCrop = FromEdges(0, 41, 23, 97);
inline constexpr ControlRect kScrollFirstArrowCrop = FromEdges(0, 0, 23, 16);
inline constexpr ControlRect kScrollSecondArrowCrop = FromEdges(0, 206, 23, 222);
inline constexpr std::array<ControlRect, 3> kScrollPartCrops = {
    kScrollFirstArrowCrop, kScrollThumbCrop, kScrollSecondArrowCrop};

inline constexpr auto kMacroPageTexts = std::to_array<StaticText>({
    {"Macro List", {42, 53, 200, 18}, TextRole::Title, TextAlign::Left},
    {"Events", {282, 53, 200, 18}, TextRole::Title, TextAlign::Left},
    {"Right-click the events to insert or delete rows.",
     {282, 280, 220, 34},
     TextRole::Message,
     TextAlign::Left},
    {"Record Options", {543, 51, 200, 18}, TextRole::Title, TextAlign::Left},
});

}  // namespace solune::layout
