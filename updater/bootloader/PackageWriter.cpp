#include "updater/bootloader/PackageWriter.h"

#include <algorithm>

#include "platform/AtomicFile.h"
#include "platform/VersionText.h"
#include "updater/bootloader/FirmwareFormat.h"

namespace solune {

std::vector<std::uint8_t> BuildFirmwareFile(std::span<const std::uint8_t> image,
                                            std::uint16_t version, const std::u16string& label) {
    FirmwareHeader header;
    header.imageLength = static_cast<std::uint32_t>(image.size());
    header.vendorId = kMouseVendorId;
    header.productId = kMouseProductId;
    header.firmwareVersion = version;
    header.checksum = ImageChecksum(image);
    header.label = label;
    const auto head = BuildFirmwareHeader(header);
    std::vector<std::uint8_t> file(head.size() + image.size());
    std::copy(head.begin(), head.end(), file.begin());
    std::copy(image.begin(), image.end(), file.begin() + head.size());
    return file;
}

std::string BuildFirmwareConfig(const std::string& versionText, const std::string& fileName) {
    return "[Firmware]\r\nVersion=" + versionText + "\r\nName=" + fileName + "\r\n";
}

std::string DefaultFirmwareFileName(const std::string& versionText) {
    return "SOLUNE300_" + versionText + ".fub";
}

PackResult WriteFirmwarePackage(const std::filesystem::path& folder, const std::string& fileName,
                                const std::string& versionText, std::span<const std::uint8_t> image,
                                const std::u16string& label) {
    if (image.empty() || image.size() > kMaxFirmwareImageSize) {
        return PackResult::BadImage;
    }
    const std::optional<std::uint16_t> version = ParseVersionText(versionText);
    if (!version) {
        return PackResult::BadVersion;
    }
    const std::size_t at = fileName.find(versionText);
    if (!IsPlainFileName(fileName) || fileName == "config.ini" || at == std::string::npos ||
        at == 0) {
        return PackResult::BadFileName;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::vector<std::uint8_t> file = BuildFirmwareFile(image, *version, label);
    if (!WriteFileAtomically(folder / fileName, file)) {
        return PackResult::WriteFailed;
    }
    const std::string config = BuildFirmwareConfig(versionText, fileName);
    const std::span<const std::uint8_t> configBytes(
        reinterpret_cast<const std::uint8_t*>(config.data()), config.size());
    if (!WriteFileAtomically(folder / "config.ini", configBytes)) {
        return PackResult::WriteFailed;
    }
    return PackResult::Written;
}

}  // namespace solune
