#pragma once
// One macro of the macro library: a name, an id and its event rows.

#include <cstdint>
#include <string>
#include <vector>

#include "config/macros/CEventItem.h"
#include "config/macros/MacroOwner.h"
#include "config/macros/MacroRect.h"
#include "config/profiles/ButtonMacro.h"

namespace solune {

// Where AddEvent places a new row.
enum InsertMode : std::int32_t {
    kInsertAppend = 0,         // at the end, every other row deselected
    kInsertAfterSelected = 1,  // after the first selected row; at the top when none is
};

// Row layout inside the event list: row i spans left 4, top 5 + 18 i,
// right = macro rect.right - 2, bottom 23 + 18 i.
inline constexpr std::int32_t kRowLeft = 4;
inline constexpr std::int32_t kRowTop = 5;
inline constexpr std::int32_t kRowHeight = 18;
inline constexpr std::int32_t kRowRightInset = 2;

inline constexpr int kNoRow = -1;

struct CMacro {
    CMacro() = default;
    // A macro that enters the list as `name`: its list text is the name.
    CMacro(MacroOwner* owner, MacroRect rect, std::int32_t id, std::u16string name)
        : owner(owner), rect(rect), id(id), name(std::move(name)), listText(this->name) {}

    // The control that holds the macro; borrowed, may be null (then nothing is
    // notified). It must outlive the macro's editing calls.
    MacroOwner* owner = nullptr;
    // The event list's client rectangle when the macro was made (or as read
    // from its file); the layout uses its right edge, scrolling its height.
    MacroRect rect;
    std::int32_t id = 0;  // unique in the library
    std::u16string name;  // display name and base of the file name
    // The text the macro-name list and the button page's menus show: the name
    // the macro had when it entered the list (made there, or loaded). A save
    // that gives the macro a distinguishing "1" changes `name` only, so the
    // list keeps showing what the user saw. Not part of the macro's file.
    std::u16string listText;
    std::vector<CEventItem> events;

    // One more than the largest serial of the rows, compared unsigned (1 for a
    // macro without rows).
    std::uint32_t NextSerial() const;

    // Index of the first selected row, or kNoRow.
    int FirstSelectedRow() const;
    void DeselectAll();

    // Inserts one row (selected, every other row deselected) as `mode` says,
    // lays the rows out, sends kNotifyRowsOverflow when the last row ends below
    // rect.bottom and then kNotifyShowRow with the new row's index. A mode
    // other than kInsertAfterSelected appends.
    void AddEvent(std::uint8_t kind, std::int16_t code, std::uint8_t edge, std::int32_t delay,
                  std::int32_t mode);

    // Places every row at its layout position (see kRowLeft ...).
    void LayOutRows();

    // Removes the first selected row (nothing when none is selected), sends
    // kNotifyRowDeleted with the new row count and moves the following rows up
    // one row height. The selection goes to the row that took its place; when
    // the removed row was the last one, to the first row (sending kNotifyShowRow
    // with 0); when it was the only one, nowhere. Returns false when no row was
    // selected.
    bool DeleteSelectedRow();

    // True for a macro recorded in hold mode: at least one row, no release.
    bool IsHoldMacro() const;

    // The profile's copy: name, id and the four event values of every row.
    ButtonMacro ToButtonMacro() const;
};

}  // namespace solune
