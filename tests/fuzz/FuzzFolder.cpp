#include "tests/fuzz/FuzzFolder.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace solune::fuzz {

namespace {

constexpr char kPrefix[] = "solune-fuzz-";

// libFuzzer ends a timed run without running exit handlers, so the folders of
// finished runs are removed by the next run: those whose process is gone.
void removeStaleFolders(const std::filesystem::path& base) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(base, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) != 0) {
            continue;
        }
        const std::string pid = name.substr(sizeof kPrefix - 1);
        if (!pid.empty() && pid.find_first_not_of("0123456789") == std::string::npos &&
            !std::filesystem::exists("/proc/" + pid, ec)) {
            std::filesystem::remove_all(entry.path(), ec);
        }
    }
}

std::filesystem::path makeFolder() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path(ec);
    removeStaleFolders(base);
    const std::filesystem::path folder = base / (kPrefix + std::to_string(::getpid()));
    std::filesystem::remove_all(folder, ec);
    if (!std::filesystem::create_directory(folder, ec)) {
        std::abort();
    }
    return folder;
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
