// Saving the macro library (see MacroLibrary.h for the order of the steps and
// why a crash at any point loses nothing).
#include <dirent.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroFileName.h"
#include "config/macros/MacroLibrary.h"
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

// Removes what a save or an earlier program left in the folder: anything but
// ".macro" files and the index. Links go as links; another user's entries stay.
void removeStrayEntry(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        DeleteOwnFolderTree(path);
    } else if (S_ISLNK(st.st_mode) || st.st_uid == ::geteuid()) {
        ::unlink(path.c_str());
    }
}

}  // namespace

MacroSaveResult MacroLibrary::SaveAllMacros() {
    if (m_folder.native().size() < 4) {
        return MacroSaveResult::NoFolder;
    }
    MacroLoadReport check;
    if (m_refused || refuseUnsafeFolder(check)) {
        return MacroSaveResult::Refused;
    }
    if (m_mustTell) {
        return MacroSaveResult::NotAcknowledged;
    }
    const std::vector<PlannedFile> plan = planFiles(nullptr);
    if (indexBytes(plan) > kMaxMacroListBytes) {
        return MacroSaveResult::TooLarge;
    }
    std::vector<std::vector<std::uint8_t>> bytes;
    bytes.reserve(m_macros.size());
    for (std::size_t i = 0; i < m_macros.size(); ++i) {
        bytes.push_back(macroBytes(*m_macros[i], plan[i].appendedOnes));
        if (bytes.back().size() > kMaxMacroFileBytes) {
            return MacroSaveResult::TooLarge;
        }
    }
    if (m_indexBlocked || !MakePrivateFolder(m_folder)) {
        return MacroSaveResult::Failed;
    }
    if (!removeDeletedFiles() || !moveRenamedFiles(plan) || !writeChangedFiles(plan, bytes)) {
        return MacroSaveResult::Failed;
    }
    SyncFolderEntries(m_folder);
    if (!writeIndex(plan)) {
        return MacroSaveResult::Failed;
    }
    removeLeftovers();
    for (std::size_t i = 0; i < m_macros.size(); ++i) {
        m_macros[i]->name.append(plan[i].appendedOnes, u'1');
    }
    return MacroSaveResult::Saved;
}

bool MacroLibrary::CanAddMacro(std::u16string_view name) const {
    const std::u16string extra(name);
    CMacro probe(nullptr, MacroRect{}, 0, extra);
    return MacroFileSize(probe) <= kMaxMacroFileBytes &&
           indexBytes(planFiles(&extra)) <= kMaxMacroListBytes;
}

bool MacroLibrary::nameIsFree(const std::string& name,
                              const std::unordered_set<std::string>& planned,
                              const std::unordered_set<std::string>& current) const {
    if (planned.count(name) || m_keptNames.count(name)) {
        return false;
    }
    if (current.count(name) ||
        std::find(m_deletedFiles.begin(), m_deletedFiles.end(), name) != m_deletedFiles.end()) {
        return true;  // that file moves away or goes before this one is written
    }
    return !ExistsNoFollow(m_folder / name);
}

std::vector<MacroLibrary::PlannedFile> MacroLibrary::planFiles(
    const std::u16string* extraName) const {
    std::unordered_set<std::string> current;
    for (const auto& [macro, file] : m_disk) {
        current.insert(file.name.string());
    }
    std::unordered_set<std::string> planned;
    std::vector<PlannedFile> plan;
    const auto place = [&](const std::u16string& name) {
        const std::string stem = MacroFileStem(name);
        const bool nameIsStem = stem == ToUtf8(name);
        for (std::size_t attempt = 0;; ++attempt) {
            std::size_t ones = 0;
            std::string file = MacroFileNameFor(stem, nameIsStem, attempt, ones);
            if (nameIsFree(file, planned, current)) {
                planned.insert(file);
                plan.push_back(PlannedFile{std::move(file), ones});
                return;
            }
        }
    };
    for (const auto& macro : m_macros) {
        place(macro->name);
    }
    if (extraName != nullptr) {
        place(*extraName);
    }
    return plan;
}

std::uintmax_t MacroLibrary::indexBytes(const std::vector<PlannedFile>& plan) const {
    std::uintmax_t total = 4;
    for (const PlannedFile& file : plan) {
        total += 4 + 2 * std::uintmax_t(pathText(m_folder / file.name).size());
    }
    return total;
}

std::vector<std::uint8_t> MacroLibrary::macroBytes(const CMacro& macro,
                                                   std::size_t appendedOnes) const {
    // The file carries the name the macro will have once the save is done.
    CMacro named(nullptr, macro.rect, macro.id, macro.name + std::u16string(appendedOnes, u'1'));
    DataStream stream;
    const std::vector<CEventItem>& rows = macro.events;
    named.events = rows;
    WriteMacro(stream, named);
    return {stream.bytes().begin(), stream.bytes().end()};
}

bool MacroLibrary::removeDeletedFiles() {
    while (!m_deletedFiles.empty()) {
        const fs::path path = m_folder / m_deletedFiles.back();
        if (IsOwnRegularFile(path) && ::unlink(path.c_str()) != 0 && errno != ENOENT) {
            return false;
        }
        m_deletedFiles.pop_back();
    }
    return true;
}

bool MacroLibrary::moveRenamedFiles(const std::vector<PlannedFile>& plan) {
    std::vector<std::pair<const CMacro*, fs::path>> movers;
    for (std::size_t i = 0; i < m_macros.size(); ++i) {
        auto it = m_disk.find(m_macros[i].get());
        if (it != m_disk.end() && it->second.name != plan[i].name) {
            movers.emplace_back(m_macros[i].get(), plan[i].name);
        }
    }
    // First out of every name that changes hands, under names that end in
    // ".macro" so that a crash in between still loads them; then in.
    static unsigned counter = 0;
    for (const auto& [macro, to] : movers) {
        DiskFile& file = m_disk[macro];
        for (;;) {
            const fs::path temporary = ".moving-" + std::to_string(::getpid()) + "-" +
                                       std::to_string(counter++) + kMacroFileExtension;
            if (RenameNoReplace(m_folder / file.name, m_folder / temporary)) {
                file.name = temporary;
                break;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
    }
    for (const auto& [macro, to] : movers) {
        DiskFile& file = m_disk[macro];
        if (!RenameNoReplace(m_folder / file.name, m_folder / to)) {
            return false;
        }
        file.name = to;
    }
    return true;
}

bool MacroLibrary::writeChangedFiles(const std::vector<PlannedFile>& plan,
                                     std::vector<std::vector<std::uint8_t>>& bytes) {
    for (std::size_t i = 0; i < m_macros.size(); ++i) {
        const CMacro* macro = m_macros[i].get();
        auto it = m_disk.find(macro);
        if (it != m_disk.end() && it->second.bytes == bytes[i]) {
            continue;
        }
        const fs::path path = m_folder / plan[i].name;
        if (it == m_disk.end() && ExistsNoFollow(path)) {
            return false;  // appeared since the plan: never replaced
        }
        if (!m_writer(path, bytes[i])) {
            return false;
        }
        m_disk[macro] = DiskFile{plan[i].name, std::move(bytes[i])};
    }
    return true;
}

bool MacroLibrary::writeIndex(const std::vector<PlannedFile>& plan) {
    std::vector<std::u16string> paths;
    paths.reserve(plan.size());
    for (const PlannedFile& file : plan) {
        paths.push_back(pathText(m_folder / file.name));
    }
    DataStream index;
    WriteMacroList(index, paths);
    std::vector<std::uint8_t> bytes(index.bytes().begin(), index.bytes().end());
    if (bytes == m_indexOnDisk && IsOwnRegularFile(m_folder / kMacroListFileName)) {
        return true;
    }
    if (!m_writer(m_folder / kMacroListFileName, bytes)) {
        return false;
    }
    m_indexOnDisk = std::move(bytes);
    SyncFolderEntries(m_folder);
    return true;
}

void MacroLibrary::removeLeftovers() {
    DeleteOwnFolderTree(sibling(".saving"));
    DeleteOwnFolderTree(sibling(".previous"));
    // The folder may hold thousands of macros: its entries are read as plain
    // names, and only the few strays become paths.
    std::vector<fs::path> stray;
    if (DIR* folder = ::opendir(m_folder.c_str())) {
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != ".." && name != kMacroListFileName &&
                !IsMacroFileName(name)) {
                stray.push_back(m_folder / name);
            }
        }
        ::closedir(folder);
    }
    for (const fs::path& path : stray) {
        removeStrayEntry(path);
    }
}

}  // namespace solune
