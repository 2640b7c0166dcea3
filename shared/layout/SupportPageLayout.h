#pragma once
// Where the support page's controls sit, and the static texts of its artwork
// ("Support_Normal.bmp" … "Support_Disable.bmp").

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

inline constexpr auto kSupportPageControls = std::to_array<LayoutControl>({
    {1086, "FQA", ControlKind::Button, {139, 122, 125, 25}, "FAQ"},
    {1071, "Online Support", ControlKind::Button, {139, 274, 125, 24}, "Online Support"},
    {1072, "Check Updates", ControlKind::Button, {504, 122, 141, 25}, "Check Updates"},
    {1073, "Check Firmware", ControlKind::Button, {508, 274, 137, 24}, "Check Firmware"},
    {1082, "Firm Version", ControlKind::Label, {630, 301, 30, 14}, ""},
    {1081, "Soft Version", ControlKind::Label, {630, 314, 30, 13}, ""},
});

inline constexpr auto kSupportPageTexts = std::to_array<StaticText>({
    {"Help", {139, 98, 300, 20}, TextRole::Title, TextAlign::Left},
    {"Questions answered by the support team",
     {139, 150, 300, 16},
     TextRole::Label,
     TextAlign::Left},
    {"Contact", {139, 250, 300, 20}, TextRole::Title, TextAlign::Left},
    {"Updates", {504, 98, 260, 20}, TextRole::Title, TextAlign::Left},
    {"The newest software for your mouse", {504, 150, 260, 16}, TextRole::Label, TextAlign::Left},
    {"Firmware", {508, 250, 200, 20}, TextRole::Title, TextAlign::Left},
    {"Firmware Version", {500, 301, 126, 13}, TextRole::Label, TextAlign::Right},
    {"Software Version", {500, 314, 126, 13}, TextRole::Label, TextAlign::Right},
});

}  // namespace solune::layout
