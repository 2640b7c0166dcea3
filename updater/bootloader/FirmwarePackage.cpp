#include "updater/bootloader/FirmwarePackage.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/BoundedRead.h"
#include "platform/ControlCharacters.h"
#include "platform/IniFile.h"
#include "platform/VersionText.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace solune {

namespace {

constexpr const char* kIncorrect = "the firmware file is incorrect";
constexpr const char* kCannotOpen = "Unable to Open Firmware File";
constexpr const char* kReadFailed = "read fub file is failed";
constexpr const char* kCheckFailed = "checksunm or check fub filelength is failed";

// config.ini holds two values of at most 259 characters; 64 KiB leaves ample
// room for comments and other sections while a runaway file is refused.
constexpr std::size_t kMaxFirmwareConfigBytes = 64 * 1024;

}  // namespace

int FirmwarePackage::fail(const std::string& message, const std::string& detail) {
    m_lastFailure = detail.empty() ? message : message + ": " + detail;
    m_log.Write(message);
    m_view.Report(UpdateEvent::PackageRefused);
    return 0;
}

std::string FirmwarePackage::configProblem(const std::string& version, const std::string& name) {
    const std::size_t at = version.empty() ? std::string::npos : name.find(version);
    if (at == std::string::npos || at < 1) {
        return "the name does not hold the version after its first character";
    }
    // The image must be one file of the package's own folder; anything else
    // could install a file from elsewhere.
    if (!IsPlainFileName(name)) {
        return "the name is not a plain file name";
    }
    if (!ParseVersionText(version)) {
        return "the version is not digits, a point and two decimals";
    }
    return {};
}

int FirmwarePackage::ReadFirmwareConfig(const std::filesystem::path& folder) {
    IniFile ini;
    const FileReadResult read = ini.Read(folder / "config.ini", kMaxFirmwareConfigBytes);
    // Both values are read before either is checked.
    const std::string version = ini.Value("Firmware", "Version");
    const std::string name = ini.Value("Firmware", "Name");
    std::string problem;
    if (read != FileReadResult::Done && read != FileReadResult::CannotOpen) {
        problem = "config.ini " + FileReadProblem(read, kMaxFirmwareConfigBytes);
    } else {
        problem = configProblem(version, name);
    }
    int result = 1;
    if (problem.empty()) {
        m_configVersion = version;
        m_fileName = name;
        m_lastFailure.clear();
    } else {
        result = fail(kIncorrect, problem);
    }
    // A name that failed its checks is shown with everything but plain name
    // characters escaped; the log escapes the control characters of any name.
    m_log.WriteTagged("the fub firmware file name is:",
                      result == 1 ? name : EscapeUnusualCharacters(name));
    return result;
}

std::span<const std::uint8_t> FirmwarePackage::Block(int index) const {
    return std::span<const std::uint8_t>(m_blocks).subspan(
        static_cast<std::size_t>(index) * kFirmwareBlockSize, kFirmwareBlockSize);
}

std::string FirmwarePackage::headerProblem(const FirmwareHeader& header) const {
    if (header.vendorId != kMouseVendorId || header.productId != kMouseProductId) {
        char ids[64];
        std::snprintf(ids, sizeof ids, "the image is for %04X:%04X, not %04X:%04X", header.vendorId,
                      header.productId, kMouseVendorId, kMouseProductId);
        return ids;
    }
    const std::optional<std::uint16_t> configVersion = ParseVersionText(m_configVersion);
    if (configVersion && header.firmwareVersion != *configVersion) {
        return "the image holds version " + VersionText(header.firmwareVersion) +
               ", config.ini names " + m_configVersion;
    }
    return {};
}

int FirmwarePackage::LoadFirmwareImage(const std::filesystem::path& folder,
                                       const std::string& name) {
    if (!IsPlainFileName(name)) {
        return fail(kCannotOpen);
    }
    // Only a regular file is read, opened without blocking: a pipe or a device
    // would block the updater or never end. The store holds 120 blocks.
    std::vector<std::uint8_t> file;
    const FileReadResult read =
        ReadRegularFile(folder / name, kFirmwareHeaderSize + kMaxFirmwareImageSize, file);
    if (read == FileReadResult::CannotOpen || read == FileReadResult::NotRegularFile) {
        return fail(kCannotOpen);
    }
    if (read == FileReadResult::ReadFailed) {
        return fail(kReadFailed);
    }
    // A longer image, an empty one or a file that does not even hold its header
    // is refused before anything is stored.
    if (read == FileReadResult::TooLarge || file.size() <= kFirmwareHeaderSize) {
        return fail(kCheckFailed);
    }
    // Everything is checked in locals; the package keeps the image only once
    // it passed, so a rejected file leaves nothing of itself behind.
    const std::size_t bytes = file.size() - kFirmwareHeaderSize;
    const std::size_t blocks = (bytes + kFirmwareBlockSize - 1) / kFirmwareBlockSize;
    std::vector<std::uint8_t> store(blocks * kFirmwareBlockSize, 0);
    std::copy(file.begin() + kFirmwareHeaderSize, file.end(), store.begin());
    const FirmwareHeader header = ParseFirmwareHeader(
        std::span<const std::uint8_t, kFirmwareHeaderSize>(file.data(), kFirmwareHeaderSize));
    const std::uint32_t checksum = ImageChecksum(store);
    if (header.imageLength != bytes || header.checksum != checksum) {
        return fail(kCheckFailed);
    }
    const std::string problem = headerProblem(header);
    if (!problem.empty()) {
        return fail(kIncorrect, problem);
    }
    m_imageByteCount = static_cast<std::int32_t>(bytes);
    m_blockCount = static_cast<std::int32_t>(blocks);
    m_blocks = std::move(store);
    m_header = header;
    m_computedChecksum = static_cast<std::int32_t>(checksum);
    m_fileVersionText = VersionText(m_header.firmwareVersion);
    m_lastFailure.clear();
    return 1;
}

}  // namespace solune
