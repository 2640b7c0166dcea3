#pragma once
// How the SOLUNE 300 presents itself on USB, in normal mode and in its boot
// loader: one vendor id, one product id per mode, and the vendor interface
// (usage page and usage) that carries every feature report of both programs.

#include <cstdint>

namespace solune {

inline constexpr std::uint16_t kMouseVendorId = 0x22D4;
// The mouse in normal mode.
inline constexpr std::uint16_t kMouseProductId = 0x1308;
// The mouse in its boot loader, while its firmware is replaced.
inline constexpr std::uint16_t kBootLoaderProductId = 0x1307;

// The vendor interface, the same in both modes.
inline constexpr std::uint16_t kMouseUsagePage = 0xFF01;
inline constexpr std::uint16_t kMouseUsage = 0x0002;

}  // namespace solune
