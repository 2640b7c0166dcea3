#include "config/profiles/Profile.h"

namespace solune {

namespace {

constexpr ColorRef kCyan = 0xFFFF00;  // blue 0xFF, green 0xFF, red 0

}  // namespace

void Profile::setDefaultSettings() {
    enabled = 1;
    reserved = 179;
    pollingInterval = kPolling1000Hz;
    doubleClickSetting = 800;
    scrollLines = 2;
    scrollByLines = 1;
    scrollByPage = 0;
    accelerationEnabled = 0;
    accelerationLevel = 1;
    dpiStageIndex = 2;
    separateXY = 0;
    definedMode = 0;
    dpiLevels = {DpiLevel{400, 400}, DpiLevel{1600, 1600}, DpiLevel{7000, 7000}};
    pointerSpeed = 5;
    liftOffDistance = 12;
    surfaceQuality = 0;
    angleSnap = 0;
    definedValue = 0;
    lightingZones = kLightingOn;
    lightingEffect = kEffectSolid;
    zoneColors = {kCyan, kCyan, kCyan, kCyan};
}

void Profile::SetFactoryDefaults() {
    filePath.clear();
    name = u"profile";
    slot = 0;
    setDefaultSettings();
    for (int k = 0; k < kButtonCount; ++k) {
        buttons[k] = ButtonAssignment{static_cast<std::uint8_t>(k), kDefaultButtonFunctions[k], 0,
                                      kDefaultButtonFunctions[k]};
        macros[k] = ButtonMacro{};
    }
}

void Profile::ResetToDefaults() {
    setDefaultSettings();
    for (int k = 0; k < kButtonCount; ++k) {
        buttons[k].button = static_cast<std::uint8_t>(k);
        buttons[k].function = kDefaultButtonFunctions[k];
        buttons[k].parameter = 0;
    }
}

std::u16string Profile::MacroNameOf(const ButtonAssignment& entry) const {
    if (entry.button >= kButtonCount) {
        return {};
    }
    return macros[entry.button].name;
}

void Profile::AssignMacro(ButtonAssignment& entry, const ButtonMacro* macro) {
    if (macro == nullptr) {
        entry.function = entry.fallbackFunction;
        entry.parameter = 0;
        return;
    }
    if (entry.button < kButtonCount) {
        macros[entry.button] = *macro;
    }
}

}  // namespace solune
