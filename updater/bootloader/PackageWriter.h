#pragma once
// Making firmware packages: the image file with its header and "config.ini".
// Used by "solune300ctl firmware pack" and by tests, so that demos and tests
// install real packages.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace solune {

// The whole image file: a header for vendor 0x22D4, product 0x1308, `version`
// (hundredths), the image's length and ImageChecksum and `label` (at most 11
// UTF-16 units are kept), followed by `image`.
std::vector<std::uint8_t> BuildFirmwareFile(std::span<const std::uint8_t> image,
                                            std::uint16_t version, const std::u16string& label);

// The text of "config.ini" naming `fileName` with the version text `versionText`.
std::string BuildFirmwareConfig(const std::string& versionText, const std::string& fileName);

// The default image file name for a version text: "SOLUNE300_<version>.fub".
std::string DefaultFirmwareFileName(const std::string& versionText);

enum class PackResult {
    Written,
    BadImage,     // empty or longer than 120 blocks
    BadVersion,   // not "D.DD" (one to three digits, a point, two decimals)
    BadFileName,  // empty, a path, or not holding the version text at position 1 or later
    WriteFailed,  // a file could not be written; an existing package stays whole
};

// Writes folder/fileName and folder/"config.ini" (creating the folder), each
// replaced atomically; the image file is written first, so config.ini never
// names a file that is not complete.
PackResult WriteFirmwarePackage(const std::filesystem::path& folder, const std::string& fileName,
                                const std::string& versionText, std::span<const std::uint8_t> image,
                                const std::u16string& label);

}  // namespace solune
