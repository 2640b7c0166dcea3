#pragma once
// Replaces the whole contents of a folder at once: the new files are written
// into a staging folder beside it, which then takes the folder's place in one
// step. At every instant the folder holds either all of its old files or all
// of the new ones, so a crash or a full disk while writing loses nothing.
//
//   StagedFolder staged(folder);
//   if (staged.Begin()) { write files into staged.staging(); staged.Commit(); }
//
// The staging folder is "<folder>.saving" and, on file systems that cannot
// exchange two folders in one step, the old folder waits as
// "<folder>.previous" for the moment between two renames;
// RecoverInterruptedSwap puts it back when a crash hit that moment.

#include <filesystem>

namespace solune {

class StagedFolder {
  public:
    // `folder` is the folder to replace; when it is a symbolic link, the folder
    // it points to is replaced and the link stays.
    explicit StagedFolder(const std::filesystem::path& folder);
    // Removes the staging folder unless Commit succeeded.
    ~StagedFolder();

    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;

    // Creates the folder's parent folders when missing and an empty staging
    // folder (removing one left by an earlier crash). False when it cannot.
    bool Begin();

    // Where the new files go between Begin and Commit.
    const std::filesystem::path& staging() const { return m_staging; }

    // Puts the staging folder in the folder's place and deletes the old
    // contents. False (with the folder untouched) when that is impossible, for
    // example when a file, not a folder, has the folder's name.
    bool Commit();

    // When a crash left the folder missing but its ".previous" copy in place,
    // renames the copy back. Harmless otherwise.
    static void RecoverInterruptedSwap(const std::filesystem::path& folder);

  private:
    std::filesystem::path m_folder;
    std::filesystem::path m_staging;
    std::filesystem::path m_previous;
    bool m_begun = false;
    bool m_committed = false;
};

}  // namespace solune
