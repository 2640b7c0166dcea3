// The firmware package check ("config.ini" and the image file) on fuzz bytes:
// the first part of the input is config.ini, the rest the image file that the
// seeds' config.ini names. A package that passes holds a consistent image for
// this mouse and the version config.ini gives; one that fails keeps nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/VersionText.h"
#include "tests/fuzz/FuzzFolder.h"
#include "updater/bootloader/FirmwareFormat.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace {

constexpr char kImageName[] = "SOLUNE300_1.08.fub";

void requireConsistent(const solune::FirmwarePackage& package) {
    const int blocks = package.BlockCount();
    const auto length = static_cast<std::size_t>(package.ImageByteCount());
    if (blocks < 1 || blocks > static_cast<int>(solune::kMaxFirmwareBlocks) || length == 0 ||
        length > static_cast<std::size_t>(blocks) * solune::kFirmwareBlockSize ||
        length <= static_cast<std::size_t>(blocks - 1) * solune::kFirmwareBlockSize ||
        package.Header().imageLength != length || package.FileVersionText().empty() ||
        package.Header().vendorId != 0x22D4 || package.Header().productId != 0x1308) {
        std::abort();
    }
    std::uint32_t sum = 0;
    for (int i = 0; i < blocks; ++i) {
        sum += solune::ImageChecksum(package.Block(i));
    }
    if (sum != package.Header().checksum) {
        std::abort();
    }
}

// Loads the image into a package that holds none yet: what passes is
// consistent, and a refused image leaves nothing behind.
void checkLoad(solune::FirmwarePackage& package, const std::filesystem::path& folder,
               const std::string& name) {
    if (package.LoadFirmwareImage(folder, name) == 1) {
        requireConsistent(package);
    } else if (package.BlockCount() != 0 || package.ImageByteCount() != 0 ||
               package.LastFailure().empty()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string config = input.ConsumeRandomLengthString(4096);
    const std::vector<std::uint8_t> image = input.ConsumeRemainingBytes<std::uint8_t>();
    const std::filesystem::path& folder = solune::fuzz::FuzzFolder();
    solune::fuzz::WriteFuzzFile(
        folder / "config.ini",
        std::span(reinterpret_cast<const std::uint8_t*>(config.data()), config.size()));
    solune::fuzz::WriteFuzzFile(folder / kImageName, image);

    solune::CLOG log;  // no file: the entries are dropped
    solune::SilentUpdateView view;
    solune::FirmwarePackage package(log, view);
    if (package.ReadFirmwareConfig(folder) == 1) {
        checkLoad(package, folder, package.FirmwareFileName());
        if (package.LastFailure().empty() &&
            solune::ParseVersionText(package.ConfigVersion()) != package.FileVersion()) {
            std::abort();
        }
    }
    solune::FirmwarePackage direct(log, view);
    checkLoad(direct, folder, kImageName);
    return 0;
}
