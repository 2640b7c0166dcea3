// The firmware package check ("config.ini" and the image file) on fuzz bytes:
// the first part of the input is config.ini, the rest the image file that the
// seeds' config.ini names. A package that passes holds a consistent image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

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
        package.Header().imageLength != length || package.FileVersionText().empty()) {
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
    if (package.ReadFirmwareConfig(folder) == 1 &&
        package.LoadFirmwareImage(folder, package.FirmwareFileName()) == 1) {
        requireConsistent(package);
    }
    solune::FirmwarePackage direct(log, view);
    if (direct.LoadFirmwareImage(folder, kImageName) == 1) {
        requireConsistent(direct);
    }
    return 0;
}
