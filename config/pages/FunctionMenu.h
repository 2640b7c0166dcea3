#pragma once
// The function menu that every selector of the button page carries, and the
// rules that map it to a button's function code.
//
// Built in this order (text, row id):
//   "Default Commands" (255), opening a 100 × 20 sub-menu of
//       "Left Click" (0) … "Dpi down" (6);
//   "Profile switch up" (9), "Profile switch down" (10),
//   "Profile switch roll" (8), "Scroll up" (11), "Scroll down" (12),
//   "Single key assign..." (13), "Assign record macro" (14),
//   "Disable Button" (15);
//   one row per macro under "Assign record macro" (RefreshMacroRows), id =
//   the macro's id, text = the text of its row in the macro-name list.
// A row id is the function code a button stores; code 7 has no row. Macro
// ids are always above 15, which is what tells a macro row from the fixed
// ones.

#include <array>
#include <string_view>
#include <vector>

#include "config/pages/MacroDirectory.h"

namespace solune {

class CVixComboButton;

inline constexpr int kDefaultCommandsRow = 255;
inline constexpr int kDefaultCommandsWidth = 100;
inline constexpr int kDefaultCommandsHeight = 20;
inline constexpr int kFirstMacroMenuId = 16;

struct FunctionMenuRow {
    int id;
    std::string_view text;
    bool inDefaultCommands;  // a row of the "Default Commands" sub-menu
};

inline constexpr auto kFunctionMenuRows = std::to_array<FunctionMenuRow>({
    {0, "Left Click", true},
    {1, "Right Click", true},
    {2, "Scroll Click", true},
    {3, "Forward", true},
    {4, "Back", true},
    {5, "Dpi up", true},
    {6, "Dpi down", true},
    {9, "Profile switch up", false},
    {10, "Profile switch down", false},
    {8, "Profile switch roll", false},
    {11, "Scroll up", false},
    {12, "Scroll down", false},
    {13, "Single key assign...", false},
    {14, "Assign record macro", false},
    {15, "Disable Button", false},
});

// Adds the fixed rows to the selector's menu (creating it), "Default
// Commands" first with its sub-menu sized before its rows are added.
void BuildFunctionMenu(CVixComboButton& selector);

// Empties the sub-menu of "Assign record macro" (creating an empty one when
// there is none) and clears its hover row. Nothing when the selector has no
// menu. "Assign record macro" stays a sub-menu opener once it has been one;
// with an empty sub-menu it opens nothing and cannot be chosen.
void ClearMacroRows(CVixComboButton& selector);
// Adds a row for one macro under "Assign record macro", unless the sub-menu
// holds its id already. The first one turns the row into a sub-menu opener.
void AddMacroRow(CVixComboButton& selector, const MacroListRow& row);

// Shows the row of function `code` 0 … 15 (also in sub-menus): caption = the
// row's text, chosen id = `code`, chosen value untouched. False, and nothing
// changed, when the menu has no such row (code 7) or `code` is no function
// code (a macro id, "Default Commands" 255 or any other value a damaged
// profile may hold), so a selector never takes a code it could not store.
bool ShowMenuRow(CVixComboButton& selector, int code);

}  // namespace solune
