#pragma once
// Numbers typed into the pages' edits, read the way the pages read them: an
// optional sign and the decimal digits that follow it, up to the first other
// character; text that does not start as a number counts as 0. Independent
// of the locale. Values beyond ±999999999 are held there (no overflow).

#include <QString>

namespace solune {

int ReadDecimal(const QString& text);

}  // namespace solune
