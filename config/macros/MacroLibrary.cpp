#include "config/macros/MacroLibrary.h"

#include <algorithm>
#include <utility>

#include "platform/Folders.h"

namespace fs = std::filesystem;

namespace solune {

fs::path DefaultMacroFolder() {
    return UserDataFolder() / "Dravik" / "SOLUNE300" / "Macros";
}

MacroLibrary::MacroLibrary(MacroOwner* owner, MacroFileWriter writer, MacroFileReader reader)
    : m_owner(owner), m_writer(std::move(writer)), m_reader(std::move(reader)) {
    if (!m_writer) {
        m_writer = [](const fs::path& path, std::span<const std::uint8_t> bytes) {
            return WriteOwnFile(path, bytes, true);
        };
    }
    if (!m_reader) {
        m_reader = ReadOwnFile;
    }
}

MacroLibrary::~MacroLibrary() = default;

void MacroLibrary::SetOwner(MacroOwner* owner) {
    m_owner = owner;
    for (const auto& macro : m_macros) {
        macro->owner = owner;
    }
}

void MacroLibrary::SetMacroFolder(fs::path folder) {
    m_folder = std::move(folder);
}

fs::path MacroLibrary::sibling(const char* suffix) const {
    // "a/b/" names the folder "a/b".
    fs::path base = m_folder.lexically_normal();
    if (!base.has_filename() && base.has_parent_path()) {
        base = base.parent_path();
    }
    base += suffix;
    return base;
}

CMacro* MacroLibrary::findById(std::int32_t id) const {
    auto it = std::find_if(m_macros.begin(), m_macros.end(),
                           [id](const auto& macro) { return macro->id == id; });
    return it == m_macros.end() ? nullptr : it->get();
}

std::optional<ButtonMacro> MacroLibrary::MacroById(std::int32_t id) const {
    const CMacro* macro = findById(id);
    if (macro == nullptr) {
        return std::nullopt;
    }
    return macro->ToButtonMacro();
}

CMacro& MacroLibrary::SelectOrCreateMacro(std::int32_t id, std::u16string name,
                                          MacroRect clientRect) {
    m_current = findById(id);
    if (m_current == nullptr) {
        m_current =
            &AppendMacro(std::make_unique<CMacro>(m_owner, clientRect, id, std::move(name)));
    }
    return *m_current;
}

bool MacroLibrary::DeleteMacro(std::int32_t id) {
    auto it = std::find_if(m_macros.begin(), m_macros.end(),
                           [id](const auto& macro) { return macro->id == id; });
    if (it == m_macros.end()) {
        return false;
    }
    if (it->get() == m_current) {
        m_current = nullptr;
    }
    if (auto disk = m_disk.find(it->get()); disk != m_disk.end()) {
        m_deletedFiles.push_back(disk->second.name);
        m_disk.erase(disk);
    }
    m_macros.erase(it);
    return true;
}

CMacro& MacroLibrary::AppendMacro(std::unique_ptr<CMacro> macro) {
    macro->owner = m_owner;
    m_macros.push_back(std::move(macro));
    return *m_macros.back();
}

}  // namespace solune
