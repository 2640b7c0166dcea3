#pragma once
// The export and import file dialogs. The program shows Qt's dialogs; tests
// answer with scripted names.

#include <QString>
#include <filesystem>
#include <optional>

class QWidget;

namespace solune {

// The filter of both dialogs.
inline constexpr const char* kProfileFileFilter = "Vesk Mouse Profile (*.profile)";

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;

    // A save dialog starting at `start` (a folder and a proposed file name),
    // with the profile filter and no default extension. The chosen path, or
    // none when the user cancelled.
    virtual std::optional<std::filesystem::path> SaveProfileName(
        QWidget* parent, const std::filesystem::path& start) = 0;
    // An open dialog starting in the folder `start` with the profile filter.
    virtual std::optional<std::filesystem::path> OpenProfileName(
        QWidget* parent, const std::filesystem::path& start) = 0;
};

}  // namespace solune
