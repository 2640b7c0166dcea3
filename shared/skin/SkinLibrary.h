#pragma once
// The skin pictures of the configuration program and the routines that load
// and cut pictures, shared with the updater.
//
// Pictures are QImage values; a null QImage is "no picture". The 62 slots of
// SkinElementTable.h are loaded once, on the first request for any element,
// and kept for the life of the library (the program keeps one library for
// the whole process). Loading checks every file (present, and a picture by its
// header) at once, but decodes a slot's picture only when it is first asked
// for, so a start decodes only the families its windows cut from and the
// pop-ups' pictures wait until a pop-up opens. A file that is missing or
// unreadable leaves its slot empty without a message; the failure shows when a
// picture is cut from, or copied out of, that empty slot. A decoded picture
// is kept: files changed afterwards change nothing already decoded.
//
// Scales: the folder holds every picture also drawn at twice the scale
// ("NAME@2x.bmp", shared/layout/PictureScales.h). The library hands out the
// set that suits the device pixel ratio it was given (at first the primary
// screen's): the nearest scale at or above the ratio, else the largest. Every
// picture carries its scale as its device pixel ratio, so it covers the same
// logical rectangle at every scale, and every rectangle given to the library
// is in logical pixels (the ordinary set's). A scaled file that is missing or
// unreadable is replaced by the ordinary one, drawn enlarged by Qt; only a
// missing ordinary file is a failure.
//
// Results: GetSkinPart and CropSkin hand back independent pictures, so the
// caller may keep, change or drop them; changing one never changes the slot.
// A cut region shares the slot's pixels until the caller changes it (Qt then
// copies it), so cutting costs no picture memory.

#include <QImage>
#include <array>
#include <filesystem>

#include "shared/layout/PictureScales.h"
#include "shared/skin/SkinFailure.h"

namespace solune {

class SkinLibrary {
  public:
    static constexpr int kSlotCount = 62;

    // `failure` is borrowed and must outlive the library; it is reported for
    // every failed request ("ui load failed!" in the configuration program).
    SkinLibrary(SkinFailure& failure, std::filesystem::path skinFolder = DefaultSkinFolder());

    // The device pixel ratio of the primary screen; 1 without a GUI
    // application or a screen.
    static double PrimaryScreenRatio();
    // Chooses the set for a screen of `ratio` for every picture handed out
    // from now on; pictures handed out before keep their scale.
    void SetDevicePixelRatio(double ratio);
    // The scale of the chosen set (1 or 2).
    int pictureScale() const { return m_scale; }

    // ProgramFolder() + "SOLUNE300_Skins".
    static std::filesystem::path DefaultSkinFolder();
    // ProgramFolder() + "VESK300_Skins/NeoSansStd-Regular.otf".
    static std::filesystem::path PrivateFontPath();

    // Checks the 62 slots' files unless that has run already. The flag is set
    // before any file is read, so a failed load is not retried.
    void LoadSkin();
    bool isLoaded() const { return m_loaded; }
    // The folder the pictures are read from (also for the extra pictures that
    // windows load by name with LoadSkinPicture).
    const std::filesystem::path& folder() const { return m_folder; }

    // The picture of skin element `element` in state `state` (0 normal, 1 over,
    // 2 down, 3 disable), cut at (x1, y1) … (x2, y2) for the cut elements; the
    // rectangle and the state are ignored for the elements that are whole
    // pictures. An element or state that the table does not have, or an empty
    // slot, reports the failure and gives a null picture.
    QImage GetSkinPart(int element, int state, int x1, int y1, int x2, int y2);

    // The picture of slot `slot` (null when empty or out of range). For the
    // windows that cut directly from a named slot.
    QImage Picture(int slot);
    // The logical size of slot `slot`'s picture, read from its file's header
    // by the start-up check without decoding it; invalid when the slot is
    // empty or out of range.
    QSize PictureSize(int slot);

    // Cuts the region x1 … x2, y1 … y2 (right and bottom exclusive, in logical
    // pixels) out of `picture`, at the picture's scale. A null picture reports
    // the failure; a region that is empty or does not lie inside the picture
    // gives a null picture without a message.
    QImage CropSkin(const QImage& picture, int x1, int y1, int x2, int y2);

    // Any picture file (BMP, PNG, ...) read wholly into memory: the picture
    // never refers back to the file. At a `scale` above 1 the file of that
    // scale ("NAME@2x.bmp") when it is a picture, with the scale as its device
    // pixel ratio, else the file itself. Null when the file is missing or is
    // not a picture.
    static QImage LoadSkinPicture(const std::filesystem::path& path, int scale = 1);

    // The picture file `file` of the skin folder that is no slot ("0.bmp",
    // …), at the chosen scale; null when missing. Each call reads the file.
    QImage ExtraPicture(std::string_view file);

    // Makes the private font (PrivateFontPath() unless given) available to the
    // skinned texts under the face "NeoSansStd-Regular" for the life of the
    // process. A missing file is not an error: texts fall back to a sans-serif.
    static void RegisterPrivateFont(const std::filesystem::path& fontFile = PrivateFontPath());

    // True once slot `slot`'s picture of the chosen set has been decoded
    // (for tests).
    bool isDecoded(int slot) const {
        return slot >= 0 && slot < kSlotCount && chosenSet().decoded[slot];
    }
    // How many picture files the library has decoded so far, slots and extra
    // pictures, every scale (for tests).
    int decodeCount() const { return m_decodeCount; }

  private:
    // The decoded pictures of one scale.
    struct PictureSet {
        std::array<bool, kSlotCount> decoded{};
        std::array<QImage, kSlotCount> pictures;
    };

    const PictureSet& chosenSet() const;
    PictureSet& chosenSet();
    // The picture of `slot` in the chosen set, decoded on first use; null
    // when the slot is empty.
    const QImage& slotPicture(int slot);

    SkinFailure& m_failure;
    std::filesystem::path m_folder;
    bool m_loaded = false;
    int m_scale = 1;
    int m_decodeCount = 0;
    std::array<bool, kSlotCount> m_present{};
    std::array<QSize, kSlotCount> m_sizes{};
    std::array<PictureSet, layout::kPictureScales.size()> m_sets;
};

// CropSkin with its own failure report: the updater's copy, which tells the
// user "UI load failed!" through its SkinFailure.
QImage CropSkin(const QImage& picture, int x1, int y1, int x2, int y2, SkinFailure& failure);

}  // namespace solune
