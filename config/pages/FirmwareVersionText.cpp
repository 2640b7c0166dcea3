#include "config/pages/FirmwareVersionText.h"

namespace solune {

std::string FirmwareVersionText(std::uint16_t hundredths) {
    const unsigned cents = hundredths % 100u;
    std::string text = std::to_string(hundredths / 100u);
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

}  // namespace solune
