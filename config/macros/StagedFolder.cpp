#include "config/macros/StagedFolder.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/Folders.h"

namespace fs = std::filesystem;

namespace solune {

namespace {

// The folder really replaced: "a/b/" names the folder "a/b", and a symbolic
// link is followed so that it survives the save.
fs::path resolvedFolder(const fs::path& folder) {
    fs::path path = folder.lexically_normal();
    if (!path.has_filename() && path.has_parent_path()) {
        path = path.parent_path();
    }
    return ResolveLinks(path);
}

fs::path besideFolder(const fs::path& folder, const char* suffix) {
    fs::path path = folder;
    path += suffix;
    return path;
}

}  // namespace

StagedFolder::StagedFolder(const fs::path& folder)
    : m_folder(resolvedFolder(folder)),
      m_staging(besideFolder(m_folder, ".saving")),
      m_previous(besideFolder(m_folder, ".previous")) {}

StagedFolder::~StagedFolder() {
    if (m_begun && !m_committed) {
        DeleteFolderTree(m_staging);
    }
}

bool StagedFolder::Begin() {
    std::error_code ec;
    if (m_folder.has_parent_path()) {
        fs::create_directories(m_folder.parent_path(), ec);
    }
    DeleteFolderTree(m_staging);
    m_begun = fs::create_directory(m_staging, ec) && !ec;
    return m_begun;
}

bool StagedFolder::Commit() {
    if (!m_begun || m_committed) {
        return false;
    }
    SyncFolder(m_staging);
    if (!ExistsNoFollow(m_folder)) {
        m_committed = ::rename(m_staging.c_str(), m_folder.c_str()) == 0;
    } else if (!IsRealFolder(m_folder)) {
        return false;
    } else if (::renameat2(AT_FDCWD, m_staging.c_str(), AT_FDCWD, m_folder.c_str(),
                           RENAME_EXCHANGE) == 0) {
        m_committed = true;
        DeleteFolderTree(m_staging);  // now the old contents
    } else if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP) {
        // The file system cannot exchange folders: two renames, the old folder
        // kept aside until the new one is in place.
        DeleteFolderTree(m_previous);
        if (::rename(m_folder.c_str(), m_previous.c_str()) != 0) {
            return false;
        }
        if (::rename(m_staging.c_str(), m_folder.c_str()) != 0) {
            ::rename(m_previous.c_str(), m_folder.c_str());
            return false;
        }
        m_committed = true;
        DeleteFolderTree(m_previous);
    }
    if (m_committed) {
        SyncFolder(m_folder.parent_path());
    }
    return m_committed;
}

void StagedFolder::RecoverInterruptedSwap(const fs::path& folder) {
    const fs::path resolved = resolvedFolder(folder);
    const fs::path previous = besideFolder(resolved, ".previous");
    if (!ExistsNoFollow(resolved) && IsRealFolder(previous)) {
        ::rename(previous.c_str(), resolved.c_str());
    }
}

}  // namespace solune
