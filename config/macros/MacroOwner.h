#pragma once
// What a CMacro reports to the control that holds it (the event list).

#include <cstdint>

namespace solune {

// Notification codes a CMacro sends its owner.
inline constexpr int kNotifyRowsOverflow = 110;  // value: row count - 1; rows reach below the list
inline constexpr int kNotifyRowDeleted = 114;    // value: the new row count
inline constexpr int kNotifyShowRow = 115;       // value: index of the row to scroll to

class MacroOwner {
  public:
    virtual ~MacroOwner() = default;
    // Called synchronously by the macro's editing operations, on the thread that
    // runs them.
    virtual void controlNotify(int code, std::int32_t value) = 0;
};

}  // namespace solune
