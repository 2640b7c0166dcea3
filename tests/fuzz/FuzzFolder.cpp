#include "tests/fuzz/FuzzFolder.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace solune::fuzz {

namespace {

std::filesystem::path makeFolder() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path(ec);
    std::string pattern = (base / "solune-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    return pattern;
}

void removeFolder() {
    std::error_code ec;
    std::filesystem::remove_all(FuzzFolder(), ec);
}

}  // namespace

const std::filesystem::path& FuzzFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path made = makeFolder();
        std::atexit(removeFolder);
        return made;
    }();
    return folder;
}

void WriteFuzzFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::abort();
    }
}

}  // namespace solune::fuzz
