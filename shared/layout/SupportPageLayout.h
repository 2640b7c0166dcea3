#pragma once
// Where the support page's controls sit, and the static texts of its artwork
// ("Support_Normal.bmp" … "Support_Disable.bmp").

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the support page.
enum SupportPageControl : int {
    kSupportFaqId = 1086,
    kSupportOnlineId = 1071,
    kSupportUpdatesId = 1072,
    kSupportFirmwareId = 1073,
    kSupportFirmVersionId = 1082,
    kSupportSoftVersionId = 1081,
};

inline constexpr auto kSupportPageControls = std::to_array<LayoutControl>({
    {kSupportFaqId, "FQA", ControlKind::Button, {139, 122, 125, 25}, "FAQ"},
    {kSupportOnlineId, "Online Support", ControlKind::Button, {139, 274, 125, 24}, "Online Support"},
    {kSupportUpdatesId, "Check Updates", ControlKind::Button, {504, 122, 141, 25}, "Check Updates"},
    {kSupportFirmwareId, "Check Firmware", ControlKind::Button, {508, 274, 137, 24}, "Check Firmware"},
    {kSupportFirmVersionId, "Firm Version", ControlKind::Label, {630, 301, 30, 14}, ""},
    {kSupportSoftVersionId, "Soft Version", ControlKind::Label, {630, 314, 30, 13}, ""},
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
