#pragma once
// The news the macro page's controls exchange through
// ControlParent::controlNotify(code, value). The codes a CMacro sends its
// event list (110, 114, 115) are in config/macros/MacroOwner.h.

namespace solune::macropage {

// Scroll control -> its list: the position was set (value: the position).
// It is also the scroll controls' child id.
inline constexpr int kNotifyScrolled = 100;
// Macro-name list -> page: the selected row changed (value: its macro id, 0
// when no row is selected).
inline constexpr int kNotifySelectMacro = 103;
// Macro-name list -> page: the row of this macro was deleted (value: id).
inline constexpr int kNotifyMacroDeleted = 104;
// Event list -> page: start recording from the context menu (value: the menu
// item, kMenuRecordBefore or kMenuRecordAfter).
inline constexpr int kNotifyStartRecord = 116;
// Event list -> page: rows were not inserted because the macro's file has no
// room for them (value: 0).
inline constexpr int kNotifyMacroFull = 117;

}  // namespace solune::macropage
