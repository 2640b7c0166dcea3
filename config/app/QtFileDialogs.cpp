#include "config/app/QtFileDialogs.h"

#include <QFileDialog>

namespace solune {

namespace {

std::optional<std::filesystem::path> Chosen(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(name.toStdString());
}

}  // namespace

std::optional<std::filesystem::path> QtFileDialogs::SaveProfileName(
    QWidget* parent, const std::filesystem::path& start) {
    // No default suffix: the caller adds ".profile" by its own rule.
    return Chosen(QFileDialog::getSaveFileName(parent, {}, QString::fromStdString(start.string()),
                                               QString::fromLatin1(kProfileFileFilter)));
}

std::optional<std::filesystem::path> QtFileDialogs::OpenProfileName(
    QWidget* parent, const std::filesystem::path& start) {
    return Chosen(QFileDialog::getOpenFileName(parent, {}, QString::fromStdString(start.string()),
                                               QString::fromLatin1(kProfileFileFilter)));
}

}  // namespace solune
