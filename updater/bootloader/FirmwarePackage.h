#pragma once
// The firmware package: "config.ini" naming the firmware ("fub") file and its
// version, and the image file itself, read and checked before any device I/O.
//
// config.ini, section [Firmware]: Version (the version text) and Name (the image
// file's name in the package folder), each at most 259 characters; a missing
// file, section or key reads as empty.
//
// Every failure writes its log line and reports PackageRefused (UpdateView.h):
//   "the firmware file is incorrect"               name check failed: the Name
//       does not hold the Version at position 1 or later, is not one plain file
//       name of the package folder, the Version is not digits-point-two-digits,
//       or config.ini is not a regular file of at most 64 KiB; or the image's
//       header names another mouse than 22D4:1308 or another version than the
//       Version of config.ini
//   "Unable to Open Firmware File"                  image file cannot be opened
//   "read fub file is failed"                       image file cannot be read
//   "checksunm or check fub filelength is failed"   header length or checksum
//       wrong, image over 120 blocks, empty image, or a file shorter than its
//       40-byte header (the last three refused before any block is stored)

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "updater/bootloader/FirmwareFormat.h"

namespace solune {

class CLOG;
class UpdateView;

class FirmwarePackage {
  public:
    // `log` and `view` are borrowed for the life of the package.
    FirmwarePackage(CLOG& log, UpdateView& view) : m_log(log), m_view(view) {}

    // Reads folder/"config.ini" and checks that the Version text occurs in the
    // Name at position 1 or later (exact case; a name that begins with the
    // version fails; an empty version fails), that the Name is a plain file
    // name and the Version digits, a point and two decimals. Nothing is opened
    // when a check fails. Logs the file name with the tag
    // "the fub firmware file name is:" in both outcomes; a name that failed is
    // logged with every character but letters, digits and "._-+ ()" written as
    // "\xNN" (EscapeUnusualCharacters). Returns 1 or 0.
    int ReadFirmwareConfig(const std::filesystem::path& folder);

    // Reads folder/name, splits the image into 1024-byte blocks (the last one
    // padded with zeros), computes ImageChecksum and checks the header's length
    // and checksum, then the header's vendor and product (22D4:1308) and, once
    // ReadFirmwareConfig has passed, its version against the config's.
    // Returns 1 or 0; only on 1 are the blocks and header fields kept.
    int LoadFirmwareImage(const std::filesystem::path& folder, const std::string& name);

    const std::string& ConfigVersion() const { return m_configVersion; }
    const std::string& FirmwareFileName() const { return m_fileName; }
    std::int32_t ImageByteCount() const { return m_imageByteCount; }
    std::int32_t BlockCount() const { return m_blockCount; }
    // Block `index` (0 ... BlockCount() - 1): 1024 bytes.
    std::span<const std::uint8_t> Block(int index) const;
    const FirmwareHeader& Header() const { return m_header; }
    std::uint16_t FileVersion() const { return m_header.firmwareVersion; }
    std::int32_t ComputedChecksum() const { return m_computedChecksum; }
    // "%.2f" of the file version / 100, made once the image passed its checks.
    const std::string& FileVersionText() const { return m_fileVersionText; }
    // The text of the last failure's log line, followed by what was wrong where
    // the log line does not say it; empty after success.
    const std::string& LastFailure() const { return m_lastFailure; }

  private:
    int fail(const std::string& message, const std::string& detail = {});
    // What is wrong with the values of config.ini; empty when they pass.
    static std::string configProblem(const std::string& version, const std::string& name);
    // What is wrong with a header whose length and checksum passed; empty when
    // it is for this mouse and the config's version.
    std::string headerProblem(const FirmwareHeader& header) const;

    CLOG& m_log;
    UpdateView& m_view;
    std::string m_configVersion;
    std::string m_fileName;
    std::int32_t m_imageByteCount = 0;
    std::int32_t m_blockCount = 0;
    std::vector<std::uint8_t> m_blocks;  // m_blockCount * 1024 bytes
    FirmwareHeader m_header;
    std::int32_t m_computedChecksum = 0;
    std::string m_fileVersionText;
    std::string m_lastFailure;
};

}  // namespace solune
