#pragma once
// Where the rename dialog's controls sit, and the static texts of its artwork
// ("ReName_Normal.bmp" … "ReName_Disable.bmp").

#include <array>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the rename dialog.
enum RenameDlgControl : int {
    kRenameOkId = 1072,
    kRenameCancelId = 1073,
    kRenameCloseId = 1074,
    kRenameEditId = 1075,
};

inline constexpr auto kRenameDlgControls = std::to_array<LayoutControl>({
    {kRenameOkId, "OK", ControlKind::Button, {273, 130, 55, 25}, "OK"},
    {kRenameCancelId, "Cancel", ControlKind::Button, {336, 130, 55, 25}, "Cancel"},
    {kRenameCloseId, "Close", ControlKind::CloseButton, {376, 0, 21, 22}, ""},
    {kRenameEditId, "name edit", ControlKind::Edit, {112, 44, 199, 15}, "", {}, "Profile name"},
});

inline constexpr auto kRenameDlgTexts = std::to_array<StaticText>({
    {"Rename Profile", {12, 3, 300, 18}, TextRole::Title, TextAlign::Left},
    {"Profile name", {12, 43, 96, 17}, TextRole::Label, TextAlign::Right},
    {"Type the new name and press OK.", {112, 66, 260, 16}, TextRole::Label, TextAlign::Left},
});

}  // namespace solune::layout
