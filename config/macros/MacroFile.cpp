#include "config/macros/MacroFile.h"

#include <algorithm>
#include <system_error>

#include "config/profiles/MacroEventRecord.h"

namespace solune {

namespace {

bool readRect(DataStream& s, MacroRect& rect) {
    std::array<std::int32_t, 4> v{};
    if (!s.ReadFourInt32(v)) {
        return false;
    }
    rect = MacroRect{v[0], v[1], v[2], v[3]}.Clamped();
    return true;
}

void writeRect(DataStream& s, const MacroRect& rect) {
    s.WriteInt32(rect.left);
    s.WriteInt32(rect.top);
    s.WriteInt32(rect.right);
    s.WriteInt32(rect.bottom);
}

bool readRow(DataStream& s, CEventItem& row) {
    std::int32_t serial = 0;
    bool ok = ReadMacroEvent(s, row) && readRect(s, row.rect) && s.ReadInt32(row.selected) &&
              s.ReadInt32(serial);
    row.serial = static_cast<std::uint32_t>(serial);
    return ok;
}

}  // namespace

void WriteMacro(DataStream& s, const CMacro& macro) {
    s.WriteString(macro.name);
    s.WriteInt32(macro.id);
    writeRect(s, macro.rect);
    s.WriteInt32(static_cast<std::int32_t>(macro.events.size()));
    for (const CEventItem& row : macro.events) {
        WriteMacroEvent(s, row);
        writeRect(s, row.rect);
        s.WriteInt32(row.selected);
        s.WriteInt32(static_cast<std::int32_t>(row.serial));
    }
}

MacroFileStatus ReadMacro(DataStream& s, CMacro& macro) {
    std::u16string name;
    std::int32_t id = 0;
    MacroRect rect;
    std::int32_t count = 0;
    if (!s.ReadString(name) || !s.ReadInt32(id) || !readRect(s, rect) || !s.ReadInt32(count)) {
        return MacroFileStatus::Truncated;
    }
    std::vector<CEventItem> rows;
    if (count > 0) {
        // The count comes from the file: check it against the bytes left before
        // making room for it.
        if ((s.size() - s.position()) / kMacroEventRecordSize < count) {
            return MacroFileStatus::Truncated;
        }
        rows.resize(static_cast<std::size_t>(count));
        for (CEventItem& row : rows) {
            readRow(s, row);
        }
    }
    macro.name = std::move(name);
    macro.id = id;
    macro.rect = rect;
    macro.events = std::move(rows);
    return MacroFileStatus::Complete;
}

MacroFileStatus LoadMacroFile(const std::filesystem::path& path, CMacro& macro) {
    DataStream stream;
    if (!stream.LoadFile(path, kMaxMacroFileBytes)) {
        return MacroFileStatus::Unreadable;
    }
    return ReadMacro(stream, macro);
}

std::uintmax_t MacroFileSize(const CMacro& macro) {
    return 28 + 2 * std::uintmax_t(macro.name.size()) +
           std::uintmax_t(kMacroEventRecordSize) * macro.events.size();
}

bool MacroHasRoomFor(const CMacro& macro, std::size_t rows) {
    const std::uintmax_t room = kMaxMacroFileBytes - std::min(MacroFileSize(macro), kMaxMacroFileBytes);
    return rows <= room / kMacroEventRecordSize;
}

FileWriteStatus SaveMacroFile(const CMacro& macro, const std::filesystem::path& path) {
    DataStream stream;
    WriteMacro(stream, macro);
    return stream.SaveFile(path);
}

void WriteMacroList(DataStream& s, const std::vector<std::u16string>& paths) {
    s.WriteInt32(static_cast<std::int32_t>(paths.size()));
    for (const std::u16string& path : paths) {
        s.WriteString(path);
    }
}

bool ReadMacroList(DataStream& s, std::vector<std::u16string>& paths) {
    paths.clear();
    std::int32_t count = 0;
    if (!s.ReadInt32(count)) {
        return false;
    }
    // Paths are appended as they are read, so a huge count costs nothing.
    for (std::int32_t i = 0; i < count; ++i) {
        std::u16string path;
        if (!s.ReadString(path)) {
            return false;
        }
        paths.push_back(std::move(path));
    }
    return true;
}

}  // namespace solune
