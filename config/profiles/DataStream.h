#pragma once
// A growable little-endian byte buffer with a read cursor: the byte layer of
// profile files and macro files.
//
// Encodings: byte 1, int16 2, int32 4 bytes, little-endian. A string is an
// int32 count of UTF-16 code units followed by the units (2 bytes each), no
// terminator; the empty string is count 0. A number text is a string holding
// the decimal text of a signed int32 as "%d" prints it.
//
// Writes append at size(). Reads take bytes at position() and never pass
// size(): a read that would returns false, leaves its output untouched and does
// not move the cursor.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/BoundedRead.h"
#include "platform/FileWriteStatus.h"

namespace solune {

class DataStream {
  public:
    // Capacity of a new writing stream, and the least a buffer grows by.
    static constexpr std::int32_t kInitialCapacity = 1024;
    // The most a stream can hold.
    static constexpr std::size_t kMaxFileBytes = 0x7FFFFFFF;

    DataStream();
    // A stream that reads a copy of `bytes` (size and capacity are their length).
    explicit DataStream(std::span<const std::uint8_t> bytes);
    virtual ~DataStream();

    DataStream(const DataStream&) = delete;
    DataStream& operator=(const DataStream&) = delete;

    // Makes room for n more bytes after size(): nothing when capacity - size >= n,
    // else capacity grows by max(2n, 1024) with the new bytes zero. Returns false
    // (and changes nothing) when the buffer would pass 2^31 - 1 bytes.
    bool Reserve(std::int32_t n);

    // Each write reserves its own length first; false when that fails.
    bool WriteByte(std::uint8_t value);
    bool WriteInt16(std::int16_t value);
    bool WriteInt32(std::int32_t value);
    bool WriteString(std::u16string_view text);
    bool WriteNumberText(std::int32_t value);

    bool ReadByte(std::uint8_t& value);
    bool ReadInt16(std::int16_t& value);
    bool ReadInt32(std::int32_t& value);
    // A count of 0 or less gives the empty string and reads nothing more.
    bool ReadString(std::u16string& text);
    // The string's decimal value: leading white space skipped, an optional sign,
    // digits up to the first non-digit (clamped to the int32 range); 0 without digits.
    bool ReadNumberText(std::int32_t& value);
    // Four int32 values (16 bytes).
    bool ReadFourInt32(std::array<std::int32_t, 4>& values);

    // Replaces the contents with the whole file. False (and an empty stream)
    // when the file cannot be read, is not a regular file or holds more than
    // `maxBytes` bytes (at most 2^31 - 1). A pipe or device is never waited on.
    bool LoadFile(const std::filesystem::path& path, std::size_t maxBytes = kMaxFileBytes);
    // The same, saying why a file was not read.
    FileReadResult LoadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);
    // Creates the missing folders of the path, then replaces the file with the
    // size() bytes so that a crash or a full disk never leaves a partial file in
    // place of the old one. The status says why the file could not be written.
    FileWriteStatus SaveFile(const std::filesystem::path& path) const;

    // The same for the file `relative` of the data folder `root`, reached as
    // DataFolderFiles.h says (no link followed below the root, only the
    // user's own files, new folders 0700 and the file 0600). The read gives
    // Link or ForeignOwner for what it refuses; SaveDataFile then fails with
    // ELOOP or EPERM, and otherwise with the errno of the step that failed.
    FileReadResult LoadDataFile(const std::filesystem::path& root,
                                const std::filesystem::path& relative, std::size_t maxBytes);
    FileWriteStatus SaveDataFile(const std::filesystem::path& root,
                                 const std::filesystem::path& relative) const;

    std::int32_t capacity() const { return m_capacity; }
    std::int32_t size() const { return m_size; }
    std::int32_t position() const { return m_position; }
    std::span<const std::uint8_t> bytes() const { return {m_data.data(), std::size_t(m_size)}; }

  private:
    bool writeBytes(const std::uint8_t* bytes, std::int32_t count);
    bool readBytes(std::uint8_t* bytes, std::int32_t count);
    void clear();
    // Takes `data` as the contents when `result` is Done; returns `result`.
    FileReadResult take(FileReadResult result, std::vector<std::uint8_t>& data);

    std::vector<std::uint8_t> m_data;  // m_capacity bytes
    std::int32_t m_capacity = 0;
    std::int32_t m_size = 0;
    std::int32_t m_position = 0;
};

}  // namespace solune
