#pragma once
// One row of the macro-name list: a macro's name and id and where the row
// sits in the list.

#include <QRect>
#include <QString>
#include <cstdint>

namespace solune {

struct CBoxItem {
    // Client coordinates; right and bottom exclusive.
    QRect rect;
    QString name;
    bool selected = false;
    std::int32_t id = 0;  // the macro id
    // 0x00BBGGRR colour values of the name.
    std::uint32_t normalTextColor = 0xBEBEBE;    // RGB(190, 190, 190)
    std::uint32_t selectedTextColor = 0x35D3B3;  // RGB(179, 211, 53)
};

}  // namespace solune
