#pragma once
// The program's file dialogs: Qt's own.

#include "config/app/FileDialogs.h"

namespace solune {

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<std::filesystem::path> SaveProfileName(
        QWidget* parent, const std::filesystem::path& start) override;
    std::optional<std::filesystem::path> OpenProfileName(
        QWidget* parent, const std::filesystem::path& start) override;
};

}  // namespace solune
