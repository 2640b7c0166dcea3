#include "config/device/SettingsImage.h"

#include <algorithm>
#include <span>
#include <vector>

#include "config/device/VirtualKeyToUsage.h"
#include "platform/Windows1252.h"

namespace solune {

namespace {

// The image position of each button 0 ... 8; positions 7, 8 and 9 stay empty.
constexpr std::array<int, kButtonCount> kButtonPositions{0, 1, 2, 3, 4, 5, 6, 10, 11};

// Where each lighting zone (by its bit in lightingZones) sits, and how many
// times it is repeated there.
struct ZonePlace {
    int offset;
    int copies;
};
constexpr std::array<ZonePlace, kLightingZoneCount> kZonePlaces{
    {{23, 1}, {33, 1}, {37, 3}, {27, 1}}};

constexpr std::array<int, kDpiStageCount> kDpiStageOffsets{51, 60, 81};

void put16(SettingsImage& image, int offset, std::uint16_t value) {
    image[offset] = static_cast<std::uint8_t>(value);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// The events of button k that go into the image: its macro copy when the
// button plays a macro and the copy's id matches, else none.
std::span<const CMacroEvent> macroEvents(const Profile& p, int k) {
    const ButtonAssignment& b = p.buttons[k];
    if (b.function != kRecordMacro || p.macros[k].id != b.parameter) {
        return {};
    }
    return p.macros[k].events;
}

int totalMacroEvents(const Profile& p) {
    int total = 0;
    for (int k = 0; k < kButtonCount; ++k) {
        total += static_cast<int>(std::min<std::size_t>(macroEvents(p, k).size(), 1 << 20));
    }
    return total;
}

void writeHeader(const Profile& p, SettingsImage& image) {
    image[0] = p.slot;
    std::string name = EncodeWindows1252(p.name).substr(0, kImageNameBytes);
    std::copy(name.begin(), name.end(), image.begin() + kImageNameOffset);
    put16(image, 17, 2048);
    image[21] = static_cast<std::uint8_t>(p.pollingInterval);
    image[22] = static_cast<std::uint8_t>(p.enabled);
}

void writeLighting(const Profile& p, SettingsImage& image) {
    for (int zone = 0; zone < kLightingZoneCount; ++zone) {
        const bool lit = (p.lightingZones >> zone) & 1;
        const ColorRef color = lit ? p.zoneColors[zone] : 0;
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(color),        // red
                                       static_cast<std::uint8_t>(color >> 8),   // green
                                       static_cast<std::uint8_t>(color >> 16),  // blue
                                       static_cast<std::uint8_t>(p.lightingEffect)};
        for (int copy = 0; copy < kZonePlaces[zone].copies; ++copy) {
            std::copy(std::begin(bytes), std::end(bytes),
                      image.begin() + kZonePlaces[zone].offset + 4 * copy);
        }
    }
}

void writeSensor(const Profile& p, SettingsImage& image) {
    image[50] = p.dpiStageIndex;
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        const int offset = kDpiStageOffsets[stage];
        image[offset] = static_cast<std::uint8_t>(p.separateXY);
        put16(image, offset + 1, static_cast<std::uint16_t>(p.dpiLevels[stage].x));
        put16(image, offset + 3, static_cast<std::uint16_t>(p.dpiLevels[stage].y));
    }
    image[70] = std::min<std::uint8_t>(p.liftOffDistance, 31);
    put16(image, 72, p.angleSnap);
    image[86] = kDpiStageCount;
    image[87] = static_cast<std::uint8_t>(p.definedMode);
    image[88] = p.definedValue;
}

std::uint8_t* buttonAction(SettingsImage& image, int k) {
    return image.data() + kImageButtonOffset + kImageButtonActionSize * kButtonPositions[k];
}

void writeButtonAction(const Profile& p, int k, SettingsImage& image) {
    const ButtonAssignment& b = p.buttons[k];
    std::uint8_t* action = buttonAction(image, k);
    if (b.function < kButtonFunctionCount) {
        action[0] = kButtonFunctions[b.function].actionType;
        action[1] = kButtonFunctions[b.function].actionValue;
    }
    if (b.function == kSingleKey) {
        action[1] = static_cast<std::uint8_t>(VirtualKeyToUsage(b.parameter));
    }
    action[6] = 0x0F;
}

// Places every macro button's events and terminator from offset 800 on and
// fills in the macro fields of its button action.
void writeMacros(const Profile& p, SettingsImage& image) {
    int cursor = kImageMacroOffset;
    for (int k = 0; k < kButtonCount; ++k) {
        if (p.buttons[k].function != kRecordMacro) {
            continue;
        }
        std::span<const CMacroEvent> events = macroEvents(p, k);
        events = events.first(std::min<std::size_t>(events.size(), kMaxPlacedEventsPerMacro));
        const bool anyRelease = std::any_of(events.begin(), events.end(), [](const CMacroEvent& e) {
            return e.edge == kEdgeRelease;
        });
        std::uint8_t* action = buttonAction(image, k);
        action[1] = anyRelease ? 0x00 : 0xFE;
        action[2] = static_cast<std::uint8_t>(cursor);
        action[3] = static_cast<std::uint8_t>(cursor >> 8);
        action[4] = static_cast<std::uint8_t>(events.size());
        action[5] = static_cast<std::uint8_t>(events.size() >> 8);
        for (const CMacroEvent& e : events) {
            const auto usage = static_cast<std::uint16_t>(VirtualKeyToUsage(e.code));
            const auto delay = static_cast<std::uint32_t>(e.delay);
            const std::uint8_t record[kImageMacroEventSize] = {
                e.kind,
                static_cast<std::uint8_t>(usage),
                static_cast<std::uint8_t>(usage >> 8),
                e.edge,
                static_cast<std::uint8_t>(delay),
                static_cast<std::uint8_t>(delay >> 8),
                static_cast<std::uint8_t>(delay >> 16)};
            std::copy(std::begin(record), std::end(record), image.begin() + cursor);
            cursor += kImageMacroEventSize;
        }
        cursor += kImageMacroEventSize;  // the terminator: 7 zero bytes
    }
}

}  // namespace

CommandResult BuildSettingsImage(const Profile& profile, SettingsImage& image) {
    if (totalMacroEvents(profile) > kMaxMacroEventsPerProfile) {
        return CommandResult::Limit;
    }
    SettingsImage built{};
    writeHeader(profile, built);
    writeLighting(profile, built);
    writeSensor(profile, built);
    for (int k = 0; k < kButtonCount; ++k) {
        writeButtonAction(profile, k, built);
    }
    writeMacros(profile, built);
    image = built;
    return CommandResult::Done;
}

}  // namespace solune
