#include "config/macros/MacroLibrary.h"

#include <algorithm>
#include <set>
#include <system_error>
#include <utility>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroFileName.h"
#include "config/macros/StagedFolder.h"
#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "platform/TextCodec.h"

namespace fs = std::filesystem;

namespace solune {

namespace {

// Paths in the index are UTF-16. A folder whose name is not UTF-8 keeps each
// odd byte as one code unit, so the index stays readable.
std::u16string pathText(const fs::path& path) {
    std::u16string text;
    if (!FromUtf8(path.native(), text)) {
        text.assign(path.native().begin(), path.native().end());
    }
    return text;
}

// The file name part of a listed path; empty when it names no file.
fs::path listedFileName(std::u16string_view listed) {
    const auto slash = listed.find_last_of(u"/\\");
    const std::u16string_view name =
        slash == std::u16string_view::npos ? listed : listed.substr(slash + 1);
    if (name.empty() || name == u"." || name == u"..") {
        return {};
    }
    return fs::path(ToUtf8(name));
}

}  // namespace

fs::path DefaultMacroFolder() {
    return UserDataFolder() / "Dravik" / "SOLUNE300" / "Macros";
}

MacroLibrary::MacroLibrary(MacroOwner* owner, MacroFileWriter writer)
    : m_owner(owner), m_writer(std::move(writer)) {
    if (!m_writer) {
        m_writer = WriteFileAtomically;
    }
}

MacroLoadReport MacroLibrary::LoadAllMacros() {
    MacroLoadReport report;
    if (m_current != nullptr) {
        m_current->events.clear();
    }
    StagedFolder::RecoverInterruptedSwap(m_folder);
    const fs::path indexPath = m_folder / kMacroListFileName;
    std::error_code ec;
    if (!fs::exists(indexPath, ec)) {
        return report;
    }
    report.indexFound = true;
    DataStream index;
    std::vector<std::u16string> listed;
    if (index.LoadFile(indexPath, kMaxMacroListBytes)) {
        report.indexComplete = ReadMacroList(index, listed);
    }
    std::set<fs::path> seen;
    for (const std::u16string& entry : listed) {
        const fs::path name = listedFileName(entry);
        // A file listed again is the same macro: it is loaded once.
        if (!name.empty() && !seen.insert(name).second) {
            continue;
        }
        auto macro = std::make_unique<CMacro>();
        if (name.empty() || LoadMacroFile(m_folder / name, *macro) != MacroFileStatus::Complete) {
            report.skipped.push_back(name.empty() ? fs::path(ToUtf8(entry)) : m_folder / name);
            continue;
        }
        AppendMacro(std::move(macro));
        ++report.loaded;
    }
    return report;
}

MacroSaveResult MacroLibrary::SaveAllMacros() {
    if (m_folder.native().size() < 4) {
        return MacroSaveResult::NoFolder;
    }
    StagedFolder staged(m_folder);
    if (!staged.Begin()) {
        return MacroSaveResult::Failed;
    }
    std::vector<std::u16string> names;
    std::vector<std::u16string> paths;
    for (const auto& macro : m_macros) {
        // An ordinary name is its own file name and takes the "1"s with it; a
        // name that had to be changed into a file name keeps its text.
        std::u16string name = macro->name;
        std::string stem = MacroFileStem(name);
        const bool nameIsFileName = stem == ToUtf8(name);
        while (ExistsNoFollow(staged.staging() / (stem + kMacroFileExtension))) {
            stem += '1';
            if (nameIsFileName) {
                name += u'1';
            }
        }
        const fs::path fileName = stem + kMacroFileExtension;
        // The file carries the name the macro will have once the save is done.
        DataStream stream;
        std::swap(macro->name, name);
        WriteMacro(stream, *macro);
        std::swap(macro->name, name);
        if (!m_writer(staged.staging() / fileName, stream.bytes())) {
            return MacroSaveResult::Failed;
        }
        names.push_back(std::move(name));
        paths.push_back(pathText(m_folder / fileName));
    }
    DataStream index;
    WriteMacroList(index, paths);
    if (!m_writer(staged.staging() / kMacroListFileName, index.bytes()) || !staged.Commit()) {
        return MacroSaveResult::Failed;
    }
    for (std::size_t i = 0; i < m_macros.size(); ++i) {
        m_macros[i]->name = std::move(names[i]);
    }
    return MacroSaveResult::Saved;
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
    m_macros.erase(it);
    return true;
}

CMacro& MacroLibrary::AppendMacro(std::unique_ptr<CMacro> macro) {
    macro->owner = m_owner;
    m_macros.push_back(std::move(macro));
    return *m_macros.back();
}

}  // namespace solune
