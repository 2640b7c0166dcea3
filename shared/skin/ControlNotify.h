#pragma once
// The news that skinned controls report to their parent through
// ControlParent::controlNotify(id, value).
//
// `id` is normally the reporting control's id and `value` the news; the one
// exception is `kMenuClosing`, which travels as the id with the phase as the
// value. Every window that receives a kMenuClosing passes it on unchanged to
// its own parent, so that it reaches the main window.

#include <cstdint>

namespace solune::notify {

// A button: the pointer entered it (value).
inline constexpr int kPointerEntered = 0;
// A label: it was double-clicked (value).
inline constexpr int kLabelDoubleClicked = 1;
// An edit: its text changed (value).
inline constexpr int kEditChanged = 102;

// A pop-up menu is about to be hidden (value 1) or has just been hidden (value
// 0); sent with this code as the id.
inline constexpr int kMenuClosing = 2234;
inline constexpr int kMenuClosingBefore = 1;
inline constexpr int kMenuClosingAfter = 0;

// The three-thumb slider reports value | code of the thumb that moved.
inline constexpr std::int32_t kThumbCode[4] = {0, 0x10000, 0x20000, 0x30000};
inline constexpr std::int32_t kThumbValueMask = 0xFFFF;

}  // namespace solune::notify
