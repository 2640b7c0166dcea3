#pragma once
// The virtual mouse's firmware side: what its boot loader keeps between
// exchanges, and how it learns the version of an image it installs.
//
// Version convention: an installed image states its version with the ASCII text
// "SOLUNE300-FW:" followed at once by a version text of digits, a point and two
// decimals ("SOLUNE300-FW:1.08"), anywhere in the image; the first such text
// counts. An image without it leaves the mouse's version as it was.
//
// The boot loader's data lives under the key "bootloader" of MouseState::extra
// (so the state file keeps it), the image as hexadecimal text:
//   started      a start command was accepted
//   blockCount   blocks announced by the start command
//   checksum     the checksum announced by it
//   image        blockCount * 1024 bytes as hex, zero until written
//   reply80/81   the reply the next read of report 0x80 / 0x81 returns
//   leaveOnRead  the next read of report 0x80 returns the mouse to normal mode
// The normal mode's pending boot request lives under "updater".

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "simulator/MouseState.h"

namespace solune::simulator {

inline constexpr std::size_t kBootBlockBytes = 1024;
inline constexpr int kFirstBootBlockNumber = 20;
inline constexpr int kMaxBootBlocks = 120;
inline constexpr const char* kVersionMarker = "SOLUNE300-FW:";

// The version an image states by the convention above; nothing without one.
std::optional<std::uint16_t> StatedFirmwareVersion(std::span<const std::uint8_t> image);

// An image of `size` bytes (at least 17) that states `version`: the marker and
// version text first, then a byte pattern. For tests, benchmarks and demos.
std::vector<std::uint8_t> MakeVirtualFirmwareImage(std::uint16_t version, std::size_t size);

// Hexadecimal text of bytes and back (lower case; Decode of bad text gives 0s).
std::string EncodeHex(std::span<const std::uint8_t> bytes);
void DecodeHex(const std::string& text, std::size_t at, std::span<std::uint8_t> out);

// Moves the mouse into its boot loader (product 0x1307) as a new device; the
// boot loader starts with nothing announced.
void EnterBootLoaderMode(MouseState& state);

// Installs the boot loader's image: the version it states (if any), then back
// to normal mode as a new device.
void InstallBootLoaderImage(MouseState& state);

}  // namespace solune::simulator
