#include "shared/skin/SkinLibrary.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>

#include "platform/Folders.h"
#include "shared/skin/BmpPicture.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

SkinLibrary::SkinLibrary(SkinFailure& failure, std::filesystem::path skinFolder)
    : m_failure(failure), m_folder(std::move(skinFolder)) {}

std::filesystem::path SkinLibrary::DefaultSkinFolder() {
    return ProgramFolder() / "SOLUNE300_Skins";
}

std::filesystem::path SkinLibrary::PrivateFontPath() {
    return ProgramFolder() / "VESK300_Skins" / "NeoSansStd-Regular.otf";
}

void SkinLibrary::LoadSkin() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    for (int i = 0; i < kSlotCount; ++i) {
        // The header tells whether the file is a picture; the pixels wait.
        QImageReader reader(
            QString::fromStdString((m_folder / std::string(skin::kSlotFiles[i])).string()));
        m_present[i] = reader.canRead() && reader.size().isValid();
    }
}

const QImage& SkinLibrary::slotPicture(int slot) {
    if (m_present[slot] && !m_decoded[slot]) {
        m_decoded[slot] = true;
        m_slots[slot] = LoadSkinPicture(m_folder / std::string(skin::kSlotFiles[slot]));
    }
    return m_slots[slot];
}

QImage SkinLibrary::Picture(int slot) {
    LoadSkin();
    if (slot < 0 || slot >= kSlotCount) {
        return {};
    }
    return slotPicture(slot);
}

QImage SkinLibrary::GetSkinPart(int element, int state, int x1, int y1, int x2, int y2) {
    LoadSkin();
    const skin::ElementRow* row = skin::FindElementRow(element);
    if (!row) {
        m_failure.report();
        return {};
    }
    if (row->kind != skin::ElementKind::Cut) {
        const QImage& whole = slotPicture(row->stateSlots[0]);
        if (whole.isNull()) {
            m_failure.report();
        }
        // QImage copies share their pixels until one of them is changed, so
        // the "whole" and "copy" rows both hand out a value the caller cannot
        // use to alter the slot.
        return whole;
    }
    if (state < 0 || state > 3 || row->stateSlots[state] < 0) {
        m_failure.report();
        return {};
    }
    return CropSkin(slotPicture(row->stateSlots[state]), x1, y1, x2, y2);
}

QImage SkinLibrary::CropSkin(const QImage& picture, int x1, int y1, int x2, int y2) {
    return solune::CropSkin(picture, x1, y1, x2, y2, m_failure);
}

QImage SkinLibrary::LoadSkinPicture(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // Read whole, so the picture never refers back to the file.
    const QByteArray bytes = file.readAll();
    QImage picture = ReadUncompressedBmp(bytes);
    if (picture.isNull()) {
        picture.loadFromData(bytes);
    }
    return picture;
}

void SkinLibrary::RegisterPrivateFont(const std::filesystem::path& fontFile) {
    skin::AddPrivateFont(fontFile, skin::kNeoSansFace);
}

QImage CropSkin(const QImage& picture, int x1, int y1, int x2, int y2, SkinFailure& failure) {
    if (picture.isNull()) {
        failure.report();
        return {};
    }
    const QRect area(x1, y1, x2 - x1, y2 - y1);
    if (area.width() <= 0 || area.height() <= 0 || !picture.rect().contains(area)) {
        return {};
    }
    return picture.copy(area);
}

}  // namespace solune
