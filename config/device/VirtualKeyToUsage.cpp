#include "config/device/VirtualKeyToUsage.h"

#include <array>

namespace solune {

namespace {

// A run of consecutive virtual keys mapped onto consecutive usages.
struct KeyRun {
    std::uint8_t firstKey;
    std::uint8_t lastKey;
    std::uint8_t firstUsage;
};

constexpr std::array<KeyRun, 4> kRuns{{
    {0x41, 0x5A, 0x04},  // 'A' ... 'Z'
    {0x31, 0x39, 0x1E},  // '1' ... '9'
    {0x70, 0x7B, 0x3A},  // F1 ... F12
    {0x61, 0x69, 0x59},  // numpad 1 ... 9
}};

struct KeyPair {
    std::uint8_t key;
    std::uint8_t usage;
};

constexpr std::array<KeyPair, 50> kPairs{{
    {0x30, 0x27},  // '0'
    {0x60, 0x62},  // numpad 0
    {0x03, 0x48},  // cancel
    {0x13, 0x48},  // pause
    {0x08, 0x2A},  // backspace
    {0x09, 0x2B},  // tab
    {0x0D, 0x28},  // enter
    {0x14, 0x39},  // caps lock
    {0x1B, 0x29},  // escape
    {0x20, 0x2C},  // space
    {0x21, 0x4B},  // page up
    {0x22, 0x4E},  // page down
    {0x23, 0x4D},  // end
    {0x24, 0x4A},  // home
    {0x25, 0x50},  // left
    {0x26, 0x52},  // up
    {0x27, 0x4F},  // right
    {0x28, 0x51},  // down
    {0x2C, 0x46},  // print screen
    {0x2D, 0x49},  // insert
    {0x2E, 0x4C},  // delete
    {0x5B, 0xE3},  // left Windows
    {0x5C, 0xE7},  // right Windows
    {0x5D, 0x65},  // application
    {0x6A, 0x55},  // numpad multiply
    {0x6B, 0x57},  // numpad add
    {0x6D, 0x56},  // numpad subtract
    {0x6E, 0x63},  // numpad decimal
    {0x6F, 0x54},  // numpad divide
    {0x90, 0x53},  // num lock
    {0x91, 0x47},  // scroll lock
    {0xA0, 0xE1},  // left shift
    {0xA1, 0xE5},  // right shift
    {0xA2, 0xE0},  // left control
    {0xA3, 0xE4},  // right control
    {0xA4, 0xE2},  // left alt
    {0xA5, 0xE6},  // right alt
    {0xAE, 0x81},  // volume down
    {0xAF, 0x80},  // volume up
    {0xBA, 0x33},  // ';'
    {0xBB, 0x2E},  // '='
    {0xBC, 0x36},  // ','
    {0xBD, 0x2D},  // '-'
    {0xBE, 0x37},  // '.'
    {0xBF, 0x38},  // '/'
    {0xC0, 0x35},  // '`'
    {0xDB, 0x2F},  // '['
    {0xDC, 0x31},  // '\'
    {0xDD, 0x30},  // ']'
    {0xDE, 0x34},  // quote
}};

}  // namespace

std::int16_t VirtualKeyToUsage(std::int16_t code) {
    for (const KeyRun& run : kRuns) {
        if (code >= run.firstKey && code <= run.lastKey) {
            return static_cast<std::int16_t>(run.firstUsage + (code - run.firstKey));
        }
    }
    for (const KeyPair& pair : kPairs) {
        if (code == pair.key) {
            return pair.usage;
        }
    }
    return code;
}

}  // namespace solune
