#include "updater/bootloader/FirmwarePackage.h"

#include <fstream>

#include "platform/IniFile.h"
#include "updater/bootloader/FirmwareVersion.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace solune {

namespace {

constexpr const char* kIncorrect = "the firmware file is incorrect";
constexpr const char* kCannotOpen = "Unable to Open Firmware File";
constexpr const char* kReadFailed = "read fub file is failed";
constexpr const char* kCheckFailed = "checksunm or check fub filelength is failed";

}  // namespace

int FirmwarePackage::fail(const std::string& message) {
    m_lastFailure = message;
    m_log.Write(message);
    m_view.ShowScreen(kScreenFirmwareIncorrect);
    return 0;
}

int FirmwarePackage::ReadFirmwareConfig(const std::filesystem::path& folder) {
    IniFile ini;
    ini.Load(folder / "config.ini");
    // Both values are read before either is checked.
    const std::string version = ini.Value("Firmware", "Version");
    const std::string name = ini.Value("Firmware", "Name");
    const std::size_t at = version.empty() ? std::string::npos : name.find(version);
    int result = 1;
    if (at != std::string::npos && at >= 1) {
        m_configVersion = version;
        m_fileName = name;
        m_lastFailure.clear();
    } else {
        result = fail(kIncorrect);
    }
    m_log.WriteTagged("the fub firmware file name is:", name);
    return result;
}

std::span<const std::uint8_t> FirmwarePackage::Block(int index) const {
    return std::span<const std::uint8_t>(m_blocks).subspan(
        static_cast<std::size_t>(index) * kFirmwareBlockSize, kFirmwareBlockSize);
}

int FirmwarePackage::LoadFirmwareImage(const std::filesystem::path& folder,
                                       const std::string& name) {
    const std::filesystem::path path = folder / name;
    std::error_code ec;
    std::ifstream in;
    // Only a regular file (or a link to one) is opened: a pipe or a device
    // would block the updater or never end.
    if (!name.empty() && std::filesystem::is_regular_file(path, ec)) {
        in.open(path, std::ios::binary);
    }
    if (!in.is_open()) {
        return fail(kCannotOpen);
    }
    in.seekg(0, std::ios::end);
    const std::streamoff fileLength = in.tellg();
    in.seekg(0, std::ios::beg);
    // The store holds 120 blocks: a longer image, an empty one or a file that
    // does not even hold its header is refused before anything is stored.
    if (fileLength < static_cast<std::streamoff>(kFirmwareHeaderSize) ||
        fileLength == static_cast<std::streamoff>(kFirmwareHeaderSize) ||
        fileLength - static_cast<std::streamoff>(kFirmwareHeaderSize) >
            static_cast<std::streamoff>(kMaxFirmwareImageSize)) {
        return fail(kCheckFailed);
    }
    std::array<std::uint8_t, kFirmwareHeaderSize> header{};
    const std::size_t wanted = static_cast<std::size_t>(fileLength) - kFirmwareHeaderSize;
    const std::size_t blocks = (wanted + kFirmwareBlockSize - 1) / kFirmwareBlockSize;
    std::vector<std::uint8_t> store(blocks * kFirmwareBlockSize, 0);
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    in.read(reinterpret_cast<char*>(store.data()), static_cast<std::streamsize>(wanted));
    // The image is read once; a file that shrank or failed in between is a
    // read failure rather than a shorter image.
    if (static_cast<std::size_t>(in.gcount()) != wanted || in.bad()) {
        return fail(kReadFailed);
    }
    m_imageByteCount = static_cast<std::int32_t>(wanted);
    m_blockCount = static_cast<std::int32_t>(blocks);
    m_blocks = std::move(store);
    m_header = ParseFirmwareHeader(header);
    m_computedChecksum = static_cast<std::int32_t>(ImageChecksum(m_blocks));
    if (m_header.imageLength != static_cast<std::uint32_t>(m_imageByteCount) ||
        m_header.checksum != static_cast<std::uint32_t>(m_computedChecksum)) {
        return fail(kCheckFailed);
    }
    m_fileVersionText = VersionText(m_header.firmwareVersion);
    m_lastFailure.clear();
    return 1;
}

}  // namespace solune
