#pragma once
// A private folder for fuzzers that must hand their data to a reader as files:
// made once per process in /dev/shm (memory, so that millions of writes stay
// cheap) or the temporary folder, named after the process id. It is removed
// when the process exits normally, and by a later run once its process is gone.

#include <cstdint>
#include <filesystem>
#include <span>

namespace solune::fuzz {

// The process's folder, made on first use.
const std::filesystem::path& FuzzFolder();

// Replaces `path` with `bytes` (plainly: fuzzers need speed, not atomicity).
void WriteFuzzFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace solune::fuzz
