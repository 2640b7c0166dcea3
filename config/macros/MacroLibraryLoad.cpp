// Loading the macro library (see MacroLibrary.h).
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <system_error>

#include "config/macros/DamagedCopy.h"
#include "config/macros/MacroFile.h"
#include "config/macros/MacroFileName.h"
#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroNames.h"
#include "platform/TextCodec.h"

namespace fs = std::filesystem;

namespace solune {

namespace {

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

// What to do with an unreadable file: a regular file of ours is copied, the
// index in any other form is moved aside (a save replaces the index), and any
// other macro entry is left alone.
bool copiesAsIs(OwnFileRead result) {
    return result == OwnFileRead::TooLarge;
}

}  // namespace

MacroLoadReport MacroLibrary::LoadAllMacros() {
    m_report = MacroLoadReport{};
    m_keptNames.clear();
    m_indexOnDisk.clear();
    m_indexBlocked = false;
    if (m_current != nullptr) {
        m_current->events.clear();
    }
    if (refuseUnsafeFolder(m_report)) {
        m_refused = true;
        m_mustTell = true;
        return m_report;
    }
    recoverInterruptedSwap();
    struct stat st {};
    if (::lstat(m_folder.c_str(), &st) != 0) {
        return m_report;
    }
    std::vector<Damaged> damaged;
    std::vector<std::u16string> listed;
    readIndex(m_report, damaged, listed);
    std::set<fs::path> seen;
    loadListed(listed, m_report, damaged, seen);
    loadUnlisted(m_report, damaged, seen);
    makeIdsUnique(m_report);
    keepDamaged(damaged, m_report);
    m_mustTell = m_report.NeedsTelling();
    return m_report;
}

bool MacroLibrary::refuseUnsafeFolder(MacroLoadReport& report) {
    for (const fs::path& path : {sibling(""), sibling(".saving"), sibling(".previous")}) {
        if (IsSymbolicLink(path)) {
            report.problems.push_back({path, "is a symbolic link"});
        }
    }
    struct stat st {};
    if (report.problems.empty() && ::lstat(m_folder.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
        report.problems.push_back({sibling(""), "is not a folder"});
    }
    report.folderRefused = !report.problems.empty();
    return report.folderRefused;
}

// An earlier version replaced the whole folder through "<folder>.previous";
// a crash at that moment left the folder missing and its copy beside it.
void MacroLibrary::recoverInterruptedSwap() {
    struct stat st {};
    const fs::path previous = sibling(".previous");
    if (::lstat(sibling("").c_str(), &st) != 0 && ::lstat(previous.c_str(), &st) == 0 &&
        S_ISDIR(st.st_mode)) {
        ::rename(previous.c_str(), sibling("").c_str());
    }
}

void MacroLibrary::readIndex(MacroLoadReport& report, std::vector<Damaged>& damaged,
                             std::vector<std::u16string>& listed) {
    const fs::path path = m_folder / kMacroListFileName;
    std::vector<std::uint8_t> bytes;
    const OwnFileRead result = m_reader(path, kMaxMacroListBytes, bytes);
    if (result == OwnFileRead::Missing) {
        return;
    }
    report.indexFound = true;
    if (result != OwnFileRead::Done) {
        report.problems.push_back({path, OwnFileReadProblem(result, kMaxMacroListBytes)});
        damaged.push_back({path, !copiesAsIs(result)});
        if (!copiesAsIs(result)) {
            m_indexBlocked = true;  // until it is moved aside
        }
        return;
    }
    DataStream index{std::span<const std::uint8_t>(bytes)};
    const bool whole = ReadMacroList(index, listed);
    const bool nameless = std::any_of(listed.begin(), listed.end(), [](const std::u16string& e) {
        return listedFileName(e).empty();
    });
    std::string problem;
    if (!whole) {
        problem = "ends early";
    } else if (index.position() != index.size()) {
        problem = "holds data after its last entry";
    } else if (nameless) {
        problem = "lists entries that name no file";
    }
    report.indexComplete = problem.empty();
    if (report.indexComplete) {
        m_indexOnDisk = std::move(bytes);
    } else {
        report.problems.push_back({path, problem});
        damaged.push_back({path, false});
    }
}

bool MacroLibrary::loadFile(const fs::path& name, MacroLoadReport& report,
                            std::vector<Damaged>& damaged) {
    const fs::path path = m_folder / name;
    std::vector<std::uint8_t> bytes;
    const OwnFileRead result = m_reader(path, kMaxMacroFileBytes, bytes);
    if (result == OwnFileRead::Missing) {
        report.missing.push_back(path);
        return false;
    }
    auto macro = std::make_unique<CMacro>();
    if (result == OwnFileRead::Done) {
        DataStream stream{std::span<const std::uint8_t>(bytes)};
        if (ReadMacro(stream, *macro) == MacroFileStatus::Complete) {
            macro->listText = macro->name;
            const CMacro* added = &AppendMacro(std::move(macro));
            m_disk[added] = DiskFile{name, std::move(bytes)};
            ++report.loaded;
            return true;
        }
        report.problems.push_back({path, "ends before its data"});
        damaged.push_back({path, false});
    } else {
        report.problems.push_back({path, OwnFileReadProblem(result, kMaxMacroFileBytes)});
        if (copiesAsIs(result)) {
            damaged.push_back({path, false});
        }
    }
    m_keptNames.insert(name);
    return false;
}

void MacroLibrary::loadListed(const std::vector<std::u16string>& listed, MacroLoadReport& report,
                              std::vector<Damaged>& damaged, std::set<fs::path>& seen) {
    for (const std::u16string& entry : listed) {
        const fs::path name = listedFileName(entry);
        // A file listed again is the same macro: it is loaded once.
        if (!name.empty() && seen.insert(name).second) {
            loadFile(name, report, damaged);
        }
    }
}

void MacroLibrary::loadUnlisted(MacroLoadReport& report, std::vector<Damaged>& damaged,
                                std::set<fs::path>& seen) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (IsMacroFileName(name.string()) && !seen.count(name)) {
            found.push_back(name);
        }
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& name : found) {
        seen.insert(name);
        if (loadFile(name, report, damaged)) {
            ++report.unlisted;
        }
    }
}

void MacroLibrary::makeIdsUnique(MacroLoadReport& report) {
    std::vector<std::int32_t> ids;
    for (const auto& macro : m_macros) {
        ids.push_back(macro->id);
    }
    std::set<std::int32_t> taken;
    for (const auto& macro : m_macros) {
        if (taken.insert(macro->id).second) {
            continue;
        }
        const std::int32_t newId = NewMacroId(ids);
        report.renumbered.push_back({macro->name, macro->id, newId});
        macro->id = newId;
        ids.push_back(newId);
        taken.insert(newId);
    }
}

void MacroLibrary::keepDamaged(const std::vector<Damaged>& damaged, MacroLoadReport& report) {
    if (damaged.empty() || !m_keepDamaged) {
        return;
    }
    const fs::path copy = MakeDamagedCopyFolder(sibling(""), std::time(nullptr));
    if (copy.empty()) {
        return;
    }
    report.damagedCopy = copy;
    for (const Damaged& item : damaged) {
        const fs::path to = copy / item.path.filename();
        if (item.move) {
            if (RenameNoReplace(item.path, to) && item.path.filename() == kMacroListFileName) {
                m_indexBlocked = false;
            }
        } else {
            CopyOwnFile(item.path, to);
        }
    }
    SyncFolderEntries(copy);
}

}  // namespace solune
