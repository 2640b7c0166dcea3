#include "platform/IniFile.h"

#include "platform/TextCodec.h"
#include "platform/Windows1252.h"

namespace solune {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Turns the file's bytes into UTF-8 text.
std::string decode(std::string_view bytes) {
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE) {
        std::u16string units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            units.push_back(char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8)));
        }
        return ToUtf8(units);
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    std::u16string check;
    if (FromUtf8(bytes, check)) {
        return std::string(bytes);
    }
    return ToUtf8(DecodeWindows1252(bytes));
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// At most `maxChars` code points of UTF-8 `text`, never cutting one in half.
std::string firstChars(const std::string& text, std::size_t maxChars) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((uint8_t(text[i]) & 0xC0) != 0x80) {
            if (count == maxChars) {
                return text.substr(0, i);
            }
            ++count;
        }
    }
    return text;
}

}  // namespace

bool IniFile::Load(const std::filesystem::path& path) {
    return Read(path, kMaxIniFileBytes) == FileReadResult::Done;
}

FileReadResult IniFile::Read(const std::filesystem::path& path, std::size_t maxBytes) {
    m_entries.clear();
    std::string bytes;
    const FileReadResult result = ReadRegularFile(path, maxBytes, bytes);
    if (result == FileReadResult::Done) {
        Parse(bytes);
    }
    return result;
}

void IniFile::Parse(std::string_view bytes) {
    m_entries.clear();
    const std::string text = decode(bytes);
    std::string section;
    bool inSection = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line = trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = std::string(trim(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) {
            continue;
        }
        m_entries.push_back({section, std::string(trim(line.substr(0, equals))),
                             std::string(unquote(trim(line.substr(equals + 1))))});
    }
}

std::string IniFile::Value(std::string_view section, std::string_view key,
                           std::size_t maxChars) const {
    for (const Entry& e : m_entries) {
        if (sameName(e.section, section) && sameName(e.key, key)) {
            return firstChars(e.value, maxChars);
        }
    }
    return {};
}

}  // namespace solune
