#include "shared/skin/SkinLibrary.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QImageReader>

#include "platform/Folders.h"
#include "shared/skin/BmpPicture.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/LogicalSize.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

namespace {

// `pixels`, a rectangle inside `picture`, as a picture of its own that reads
// `picture`'s pixels in place. It holds a reference to them, so they stay
// while it lives, and it is read-only: the first change copies it. Pictures
// whose rows cannot be addressed that way are copied at once.
QImage SharedRegion(const QImage& picture, const QRect& pixels) {
    if (picture.depth() != 32) {
        return picture.copy(pixels);
    }
    auto* keeper = new QImage(picture);
    const uchar* first = keeper->constBits() + pixels.y() * keeper->bytesPerLine() +
                         pixels.x() * static_cast<qsizetype>(sizeof(QRgb));
    QImage region(
        first, pixels.width(), pixels.height(), keeper->bytesPerLine(), keeper->format(),
        [](void* held) { delete static_cast<QImage*>(held); }, keeper);
    region.setDevicePixelRatio(picture.devicePixelRatio());
    return region;
}

std::size_t SetIndex(int scale) {
    for (std::size_t i = 0; i < layout::kPictureScales.size(); ++i) {
        if (layout::kPictureScales[i] == scale) {
            return i;
        }
    }
    return 0;
}

}  // namespace

SkinLibrary::SkinLibrary(SkinFailure& failure, std::filesystem::path skinFolder)
    : m_failure(failure), m_folder(std::move(skinFolder)) {
    SetDevicePixelRatio(PrimaryScreenRatio());
}

double SkinLibrary::PrimaryScreenRatio() {
    const QScreen* screen =
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                     : nullptr;
    return screen ? screen->devicePixelRatio() : 1.0;
}

void SkinLibrary::SetDevicePixelRatio(double ratio) {
    m_scale = layout::PictureScaleFor(ratio);
}

const SkinLibrary::PictureSet& SkinLibrary::chosenSet() const {
    return m_sets[SetIndex(m_scale)];
}

SkinLibrary::PictureSet& SkinLibrary::chosenSet() {
    return m_sets[SetIndex(m_scale)];
}

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
        m_sizes[i] = m_present[i] ? reader.size() : QSize();
    }
}

const QImage& SkinLibrary::slotPicture(int slot) {
    PictureSet& set = chosenSet();
    if (m_present[slot] && !set.decoded[slot]) {
        set.decoded[slot] = true;
        ++m_decodeCount;
        set.pictures[slot] = LoadSkinPicture(m_folder / std::string(skin::kSlotFiles[slot]), m_scale);
    }
    return set.pictures[slot];
}

QImage SkinLibrary::ExtraPicture(std::string_view file) {
    ++m_decodeCount;
    return LoadSkinPicture(m_folder / std::string(file), m_scale);
}

QImage SkinLibrary::Picture(int slot) {
    LoadSkin();
    if (slot < 0 || slot >= kSlotCount) {
        return {};
    }
    return slotPicture(slot);
}

QSize SkinLibrary::PictureSize(int slot) {
    LoadSkin();
    return slot >= 0 && slot < kSlotCount ? m_sizes[slot] : QSize();
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

QImage SkinLibrary::LoadSkinPicture(const std::filesystem::path& path, int scale) {
    if (scale > 1) {
        const std::filesystem::path scaled =
            path.parent_path() / layout::ScaledPictureFile(path.filename().string(), scale);
        QImage picture = LoadSkinPicture(scaled);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(scale);
            return picture;
        }
    }
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
    if (area.width() <= 0 || area.height() <= 0 || !LogicalRect(picture).contains(area)) {
        return {};
    }
    return SharedRegion(picture, PixelRect(picture, area));
}

}  // namespace solune
