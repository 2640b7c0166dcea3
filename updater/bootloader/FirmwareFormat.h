#pragma once
// The firmware image file and the block store.
//
// File layout (little-endian):
//   0   2  not read
//   2   4  imageLength      bytes of image after the header
//   6   2  vendorId         0x22D4 for this mouse
//   8   2  productId        0x1308 (the mouse in normal mode)
//   10  2  firmwareVersion  hundredths (108 = 1.08)
//   12  4  checksum         ImageChecksum of the image
//   16 24  label            UTF-16 text, terminated within the field
//   40  imageLength         the image, sent in 1024-byte blocks

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MouseIdentity.h"

namespace solune {

inline constexpr std::size_t kFirmwareHeaderSize = 40;
inline constexpr std::size_t kFirmwareBlockSize = 1024;
inline constexpr std::size_t kMaxFirmwareBlocks = 120;
inline constexpr std::size_t kMaxFirmwareImageSize = kFirmwareBlockSize * kMaxFirmwareBlocks;
inline constexpr std::size_t kFirmwareLabelUnits = 12;  // 24 bytes of UTF-16

struct FirmwareHeader {
    std::uint32_t imageLength = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t firmwareVersion = 0;
    std::uint32_t checksum = 0;
    std::u16string label;  // up to the first 0 unit, at most 12 units
};

// Reads the fields of a 40-byte header.
FirmwareHeader ParseFirmwareHeader(std::span<const std::uint8_t, kFirmwareHeaderSize> bytes);

// The 40-byte header for `header`; bytes 0..1 are 0, the label is cut to 11
// units so that its terminator fits.
std::array<std::uint8_t, kFirmwareHeaderSize> BuildFirmwareHeader(const FirmwareHeader& header);

// True for one plain file name inside a folder: not empty, not "." or "..",
// no folder separator ("/", nor the "\\" of Windows-written packages), no line
// break and no NUL.
bool IsPlainFileName(std::string_view name);

// The sum, in 32 bits, of every byte (0..255) of `bytes`. Over the stored blocks
// (padding included) it equals the plain byte sum of the image.
std::uint32_t ImageChecksum(std::span<const std::uint8_t> bytes);

// The sum of the bytes of one block kept in 16 bits (carries beyond bit 15
// dropped), as the boot loader checks it.
std::uint16_t BlockSum16(std::span<const std::uint8_t> block);

}  // namespace solune
