#pragma once
// A fast reader for the skin's own kind of picture file: an uncompressed
// 24- or 32-bit Windows bitmap. The skin is made of such files, and reading
// them row by row here is several times quicker than the general picture
// reader, which matters at the program's start.

#include <QByteArray>
#include <QImage>

namespace solune {

// The picture in `bytes` when they are an uncompressed ("BI_RGB") bitmap of 24
// or 32 bits per pixel, bottom-up or top-down, as an opaque RGB32 picture.
// Null for anything else (other depths, compression, palettes, a header or
// pixel area that does not fit in `bytes`), so the caller can hand those to
// the general reader. Never reads outside `bytes`.
QImage ReadUncompressedBmp(const QByteArray& bytes);

}  // namespace solune
