#pragma once
// The colours of the artwork: a dark background, light-grey text, the accent
// green of lists, menus and selected captions, and crisp 1-pixel frames.

#include <QColor>

namespace solune::skinart {

inline const QColor kBackground{0x1B, 0x1D, 0x21};
inline const QColor kBand{0x23, 0x26, 0x2B};      // title bars and header bands
inline const QColor kPanel{0x2A, 0x2D, 0x33};     // control faces
inline const QColor kOverFace{0x35, 0x39, 0x40};  // control faces under the pointer
inline const QColor kDownFace{0x3C, 0x47, 0x18};  // pressed or chosen control faces
inline const QColor kWell{0x10, 0x11, 0x13};      // edit and list wells
inline const QColor kFrame{0x4B, 0x50, 0x58};
inline const QColor kText{0xD2, 0xD2, 0xD2};
inline const QColor kDimText{0x8C, 0x91, 0x98};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kAccent{0xB3, 0xD3, 0x35};  // ARGB 0xFFB3D335
inline const QColor kDisabledFace{0x22, 0x24, 0x28};
inline const QColor kDisabledFrame{0x34, 0x37, 0x3C};
inline const QColor kDisabledText{0x5A, 0x5E, 0x64};

}  // namespace solune::skinart
