#include "updater/bootloader/FirmwareFormat.h"

namespace solune {

namespace {

std::uint16_t get16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void put16(std::span<std::uint8_t> b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

}  // namespace

FirmwareHeader ParseFirmwareHeader(std::span<const std::uint8_t, kFirmwareHeaderSize> bytes) {
    FirmwareHeader h;
    h.imageLength = get32(bytes, 2);
    h.vendorId = get16(bytes, 6);
    h.productId = get16(bytes, 8);
    h.firmwareVersion = get16(bytes, 10);
    h.checksum = get32(bytes, 12);
    for (std::size_t i = 0; i < kFirmwareLabelUnits; ++i) {
        const char16_t unit = get16(bytes, 16 + 2 * i);
        if (unit == 0) {
            break;
        }
        h.label.push_back(unit);
    }
    return h;
}

std::array<std::uint8_t, kFirmwareHeaderSize> BuildFirmwareHeader(const FirmwareHeader& header) {
    std::array<std::uint8_t, kFirmwareHeaderSize> bytes{};
    put32(bytes, 2, header.imageLength);
    put16(bytes, 6, header.vendorId);
    put16(bytes, 8, header.productId);
    put16(bytes, 10, header.firmwareVersion);
    put32(bytes, 12, header.checksum);
    for (std::size_t i = 0; i < header.label.size() && i + 1 < kFirmwareLabelUnits; ++i) {
        put16(bytes, 16 + 2 * i, header.label[i]);
    }
    return bytes;
}

std::uint32_t ImageChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    for (std::uint8_t b : bytes) {
        sum += b;
    }
    return sum;
}

std::uint16_t BlockSum16(std::span<const std::uint8_t> block) {
    return static_cast<std::uint16_t>(ImageChecksum(block));
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\r\n\0", 5)) == std::string_view::npos;
}

}  // namespace solune
