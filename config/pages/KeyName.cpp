#include "config/pages/KeyName.h"

#include <array>
#include <string_view>

namespace solune {
namespace {

struct KeyNameEntry {
    std::uint8_t code;
    std::string_view name;
};

// Codes with a name of their own. Digits, letters, the keypad digits and the
// function keys follow from their ranges in KeyName().
constexpr auto kNamedKeys = std::to_array<KeyNameEntry>({
    {0x01, "Left Button"},   {0x02, "Right Button"},   {0x04, "Middle Button"},
    {0x08, "BACK"},          {0x09, "TAB"},            {0x0C, "CLEAR"},
    {0x0D, "ENTER"},         {0x13, "PAUSE"},          {0x14, "CAPS LOCK"},
    {0x1B, "ESC"},           {0x20, "SPACE"},          {0x21, "PAGE UP"},
    {0x22, "PAGE DOWN"},     {0x23, "END"},            {0x24, "HOME"},
    {0x25, "LEFT ARROW"},    {0x26, "UP ARROW "},      {0x27, "RIGHT ARROW"},
    {0x28, "DOWN ARROW"},    {0x29, "SELECT"},         {0x2A, "PRINT"},
    {0x2B, "EXECUTE"},       {0x2C, "PRINT SCREEN"},   {0x2D, "INS"},
    {0x2E, "DEL"},           {0x2F, "HELP"},           {0x5B, "Left Window"},
    {0x5C, "Right Window"},  {0x5D, "Application"},    {0x6A, "*"},
    {0x6B, "+"},             {0x6D, "-"},              {0x6E, "."},
    {0x6F, "/"},             {0x90, "NUM LOCK"},       {0x91, "SCROLL LOCK"},
    {0xA0, "Left SHIFT"},    {0xA1, "Right SHIFT"},    {0xA2, "Left CONTROL"},
    {0xA3, "Right CONTROL"}, {0xA4, "Left ALT"},       {0xA5, "Right ALT"},
    // The browser-back key, named like its two neighbours.
    {0xA6, "Browser Back"},  {0xA7, "Browser Forward"}, {0xA8, "Browser Refresh"},
    {0xAE, "Volume Down"},   {0xAF, "Volume Up "},     {0xBA, ";"},
    {0xBB, "+"},             {0xBC, ","},              {0xBD, "-"},
    {0xBE, "."},             {0xBF, "/"},              {0xC0, "`"},
    {0xDB, "["},             {0xDC, "\\"},             {0xDD, "]"},
    {0xDE, "'"},             {0xFF, "Fn"},
});

}  // namespace

std::string KeyName(std::uint32_t code) {
    if (code >= 0x30 && code <= 0x39) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 0x41 && code <= 0x5A) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 0x60 && code <= 0x69) {  // keypad digits share the digit names
        return std::string(1, static_cast<char>('0' + (code - 0x60)));
    }
    if (code >= 0x70 && code <= 0x87) {
        return "F" + std::to_string(code - 0x70 + 1);
    }
    for (const auto& entry : kNamedKeys) {
        if (entry.code == code) {
            return std::string(entry.name);
        }
    }
    return {};
}

}  // namespace solune
