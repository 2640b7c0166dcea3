#include "config/profiles/DataStream.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <system_error>

#include "platform/AtomicFile.h"
#include "platform/DataFolderFiles.h"

namespace solune {

namespace {

constexpr std::int64_t kMaxBytes = std::numeric_limits<std::int32_t>::max();

bool isSpace(char16_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::int32_t parseDecimal(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), kMaxBytes + 1);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(), kMaxBytes));
}

}  // namespace

DataStream::DataStream() : m_data(kInitialCapacity, 0), m_capacity(kInitialCapacity) {}

DataStream::DataStream(std::span<const std::uint8_t> bytes) {
    if (static_cast<std::int64_t>(bytes.size()) <= kMaxBytes) {
        m_data.assign(bytes.begin(), bytes.end());
        m_capacity = m_size = static_cast<std::int32_t>(bytes.size());
    }
}

DataStream::~DataStream() {
    clear();
}

void DataStream::clear() {
    m_data.clear();
    m_data.shrink_to_fit();
    m_capacity = m_size = m_position = 0;
}

bool DataStream::Reserve(std::int32_t n) {
    if (n < 0) {
        return false;
    }
    if (m_capacity - m_size >= n) {
        return true;
    }
    std::int64_t grown =
        std::int64_t(m_capacity) + std::max<std::int64_t>(2 * std::int64_t(n), 1024);
    if (grown > kMaxBytes) {
        return false;
    }
    m_data.resize(static_cast<std::size_t>(grown), 0);
    m_capacity = static_cast<std::int32_t>(grown);
    return true;
}

bool DataStream::writeBytes(const std::uint8_t* bytes, std::int32_t count) {
    if (!Reserve(count)) {
        return false;
    }
    std::copy_n(bytes, count, m_data.begin() + m_size);
    m_size += count;
    return true;
}

bool DataStream::WriteByte(std::uint8_t value) {
    return writeBytes(&value, 1);
}

bool DataStream::WriteInt16(std::int16_t value) {
    auto v = static_cast<std::uint16_t>(value);
    const std::uint8_t b[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
    return writeBytes(b, 2);
}

bool DataStream::WriteInt32(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                               std::uint8_t(v >> 24)};
    return writeBytes(b, 4);
}

bool DataStream::WriteString(std::u16string_view text) {
    if (static_cast<std::int64_t>(text.size()) * 2 + 4 > kMaxBytes) {
        return false;
    }
    if (!Reserve(4 + 2 * static_cast<std::int32_t>(text.size()))) {
        return false;
    }
    WriteInt32(static_cast<std::int32_t>(text.size()));
    for (char16_t unit : text) {
        WriteInt16(static_cast<std::int16_t>(unit));
    }
    return true;
}

bool DataStream::WriteNumberText(std::int32_t value) {
    char text[16];
    int length = std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return WriteString(std::u16string(text, text + length));
}

bool DataStream::readBytes(std::uint8_t* bytes, std::int32_t count) {
    if (count < 0 || m_size - m_position < count) {
        return false;
    }
    std::copy_n(m_data.begin() + m_position, count, bytes);
    m_position += count;
    return true;
}

bool DataStream::ReadByte(std::uint8_t& value) {
    return readBytes(&value, 1);
}

bool DataStream::ReadInt16(std::int16_t& value) {
    std::uint8_t b[2];
    if (!readBytes(b, 2)) {
        return false;
    }
    value = static_cast<std::int16_t>(b[0] | (b[1] << 8));
    return true;
}

bool DataStream::ReadInt32(std::int32_t& value) {
    std::uint8_t b[4];
    if (!readBytes(b, 4)) {
        return false;
    }
    value = static_cast<std::int32_t>(std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) |
                                      (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24));
    return true;
}

bool DataStream::ReadString(std::u16string& text) {
    const std::int32_t start = m_position;
    std::int32_t count = 0;
    if (!ReadInt32(count)) {
        return false;
    }
    if (count <= 0) {
        text.clear();
        return true;
    }
    if ((m_size - m_position) / 2 < count) {
        m_position = start;  // the units run past the data: nothing is read
        return false;
    }
    std::u16string result(static_cast<std::size_t>(count), u'\0');
    for (char16_t& unit : result) {
        std::int16_t raw = 0;
        ReadInt16(raw);
        unit = static_cast<char16_t>(raw);
    }
    text = std::move(result);
    return true;
}

bool DataStream::ReadNumberText(std::int32_t& value) {
    std::u16string text;
    if (!ReadString(text)) {
        return false;
    }
    value = parseDecimal(text);
    return true;
}

bool DataStream::ReadFourInt32(std::array<std::int32_t, 4>& values) {
    if (m_size - m_position < 16) {
        return false;
    }
    for (std::int32_t& v : values) {
        ReadInt32(v);
    }
    return true;
}

bool DataStream::LoadFile(const std::filesystem::path& path, std::size_t maxBytes) {
    return LoadRegularFile(path, maxBytes) == FileReadResult::Done;
}

FileReadResult DataStream::LoadRegularFile(const std::filesystem::path& path,
                                           std::size_t maxBytes) {
    clear();
    std::vector<std::uint8_t> data;
    return take(ReadRegularFile(path, std::min<std::size_t>(maxBytes, kMaxFileBytes), data), data);
}

FileReadResult DataStream::LoadDataFile(const std::filesystem::path& root,
                                        const std::filesystem::path& relative,
                                        std::size_t maxBytes) {
    clear();
    std::vector<std::uint8_t> data;
    return take(ReadDataFile(root, relative, std::min<std::size_t>(maxBytes, kMaxFileBytes), data),
                data);
}

FileReadResult DataStream::take(FileReadResult result, std::vector<std::uint8_t>& data) {
    if (result == FileReadResult::Done) {
        m_data = std::move(data);
        m_capacity = m_size = static_cast<std::int32_t>(m_data.size());
    }
    return result;
}

FileWriteStatus DataStream::SaveFile(const std::filesystem::path& path) const {
    // The missing folders of the file's folder. (The folder rule that takes a
    // last component without a "." for a folder would make a folder where a
    // file without an extension belongs, so the parent is created directly.)
    std::error_code ec;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    return WriteFileAtomicallyWithStatus(path, bytes());
}

FileWriteStatus DataStream::SaveDataFile(const std::filesystem::path& root,
                                         const std::filesystem::path& relative) const {
    const FileReadResult result = ReplaceDataFile(root, relative, bytes());
    const int error = errno;
    switch (result) {
        case FileReadResult::Done:
            return FileWriteStatus::Written();
        case FileReadResult::Link:
            return FileWriteStatus::Failed(ELOOP);
        case FileReadResult::ForeignOwner:
            return FileWriteStatus::Failed(EPERM);
        case FileReadResult::NotRegularFile: {
            // Either a file stands where one of its folders belongs, or a
            // folder (or device) where the file belongs.
            std::error_code ec;
            [[maybe_unused]] const auto status = std::filesystem::symlink_status(root / relative, ec);
            return FileWriteStatus::Failed(ec.value() == ENOTDIR ? ENOTDIR : EISDIR);
        }
        default:
            return FileWriteStatus::Failed(error);
    }
}

}  // namespace solune
