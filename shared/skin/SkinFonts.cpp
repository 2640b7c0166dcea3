#include "shared/skin/SkinFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace solune::skin {
namespace {

// Liberation Sans has Arial's widths, so the texts fit the widths the layout
// tables were drawn for; it also stands in for the private faces, whose
// letters are about as wide. DejaVu Sans (wider) is the last free resort.
const QStringList kSansFallbacks = {"Liberation Sans", "Arimo", "DejaVu Sans", "Noto Sans",
                                    "sans-serif"};

// Installed once: the fallbacks for the private faces, for when their files
// are missing.
void InstallFallbacks() {
    static const bool installed = [] {
        for (const char* face : {kNeoSansFace, kNeoSansLightFace, kNeoSansUpdaterFace}) {
            QFont::insertSubstitutions(QString::fromLatin1(face), kSansFallbacks);
        }
        QFont::insertSubstitutions(QString::fromLatin1(kArialFace), kSansFallbacks);
        return true;
    }();
    (void)installed;
}

}  // namespace

QFont MakeFont(const char* face, int height, int weight) {
    InstallFallbacks();
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(height > 0 ? height : 1);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void AddPrivateFont(const std::filesystem::path& fontFile, const char* face) {
    InstallFallbacks();
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(fontFile.string()));
    if (id < 0) {
        return;
    }
    // The file's own family name may differ from the face the skin asks for;
    // put it ahead of the generic fallbacks.
    const QString faceName = QString::fromLatin1(face);
    QStringList substitutes = QFontDatabase::applicationFontFamilies(id);
    for (const QString& s : QFont::substitutes(faceName)) {
        if (!substitutes.contains(s)) {
            substitutes.append(s);
        }
    }
    QFont::removeSubstitutions(faceName);
    QFont::insertSubstitutions(faceName, substitutes);
}

}  // namespace solune::skin
