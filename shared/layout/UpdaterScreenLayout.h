#pragma once
// The updater's eleven status screens: their picture files, where each screen
// shows its buttons, labels and progress bar, and the static texts of each
// screen's artwork (its message and the labels' captions).
//
// Each screen NN has the pictures "NN <name> Normal.bmp", "NN <name>
// Hover.bmp" and (all but screen 10) "NN <name> Push.bmp" in the folder
// "SOLUNE300Updater_Skins" beside the updater. Buttons take their normal and
// down pictures from the Normal picture and their over picture from the Hover
// picture; the progress bar its background from Normal and its fill from
// Hover; labels their background from Normal.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

// The control ids of the updater window.
enum UpdaterControl : int {
    kUpdaterProgressId = 1000,
    kUpdaterOkId = 1001,
    kUpdaterCancelId = 1002,
    kUpdaterCloseId = 1003,
    kUpdaterVersionId = 1007,
    kUpdaterMouseVersionId = 1008,
    kUpdaterFileVersionId = 1009,
};

inline constexpr std::string_view kUpdaterSkinFolder = "SOLUNE300Updater_Skins";
inline constexpr std::string_view kUpdaterVersionText = "V1.08";
inline constexpr ControlRect kUpdaterVersionRect{269, 5, 38, 15};

enum class ScreenPicture { Normal = 0, Hover = 1, Push = 2 };
inline constexpr std::array<std::string_view, 3> kScreenPictureSuffix = {"Normal", "Hover", "Push"};

struct UpdaterScreen {
    int number = 0;         // 1 … 11
    std::string_view name;  // as in the file names
    bool hasPush = true;    // screen 10 has no Push picture
    // The controls the screen shows; every other control is hidden.
    std::span<const LayoutControl> controls;
    std::span<const StaticText> texts;
};

namespace screens {
inline constexpr LayoutControl kVersion{kUpdaterVersionId, "softVersion", ControlKind::Label,
                                        kUpdaterVersionRect, "", {}, "Updater version"};
constexpr LayoutControl Ok(ControlRect r) {
    return {kUpdaterOkId, "OK", ControlKind::Button, r, "OK"};
}
constexpr LayoutControl Cancel(ControlRect r) {
    return {kUpdaterCancelId, "Cancel", ControlKind::Button, r, "Cancel"};
}
inline constexpr LayoutControl kClose{
    kUpdaterCloseId, "Close", ControlKind::CloseButton, {348, 0, 27, 23}, ""};
constexpr LayoutControl MouseVersion(ControlRect r) {
    return {kUpdaterMouseVersionId, "Mouse FWVersion", ControlKind::Label, r, "", {}, "Mouse firmware version"};
}
constexpr LayoutControl FileVersion(ControlRect r) {
    return {kUpdaterFileVersionId, "File FWVersion", ControlKind::Label, r, "", {}, "Package firmware version"};
}

inline constexpr StaticText kTitle{
    "SOLUNE 300 Firmware Updater", {10, 4, 240, 18}, TextRole::Title, TextAlign::Left};
// A message above the version labels (which start at y 61).
constexpr StaticText Message(std::string_view text) {
    return {text, {24, 26, 327, 34}, TextRole::Message, TextAlign::Left};
}
constexpr StaticText LongMessage(std::string_view text) {
    return {text, {24, 30, 327, 100}, TextRole::Message, TextAlign::Left};
}
constexpr StaticText Caption(std::string_view text, ControlRect r) {
    return {text, r, TextRole::Label, TextAlign::Right};
}

inline constexpr ControlRect kOk01{317, 150, 56, 24};
inline constexpr ControlRect kOkWide{316, 149, 58, 26};

inline constexpr auto k01 = std::to_array<LayoutControl>({Ok(kOk01), kClose, kVersion});
inline constexpr auto k01Texts = std::to_array<StaticText>(
    {kTitle, LongMessage("The firmware package beside the updater is missing or damaged. Copy a "
                         "complete package into the updater's folder and start it again.")});

inline constexpr auto k02 = std::to_array<LayoutControl>({Ok(kOk01), kClose, kVersion});
inline constexpr auto k02Texts = std::to_array<StaticText>(
    {kTitle, LongMessage("Can not find the SOLUNE 300 mouse. Connect the mouse and start the "
                         "updater again.")});

inline constexpr auto k03 =
    std::to_array<LayoutControl>({Ok(kOk01), kClose, kVersion, MouseVersion({248, 61, 27, 12})});
inline constexpr auto k03Texts =
    std::to_array<StaticText>({kTitle, Message("The firmware of your mouse is up to date."),
                               Caption("Mouse firmware", {120, 61, 124, 12})});

inline constexpr auto k04 = std::to_array<LayoutControl>(
    {Ok({256, 151, 55, 23}), Cancel({318, 151, 55, 23}), kClose, MouseVersion({283, 62, 26, 12}),
     FileVersion({273, 77, 26, 11}), kVersion});
inline constexpr auto k04Texts = std::to_array<StaticText>(
    {kTitle, Message("The mouse carries newer firmware than this package. Install the older one?"),
     Caption("Mouse firmware", {150, 62, 129, 12}),
     Caption("Package firmware", {140, 77, 129, 11})});

inline constexpr auto k05 = std::to_array<LayoutControl>(
    {Ok({256, 151, 55, 23}), Cancel({318, 151, 55, 23}), kClose, kVersion,
     MouseVersion({113, 77, 26, 11}), FileVersion({221, 77, 24, 11})});
inline constexpr auto k05Texts = std::to_array<StaticText>(
    {kTitle,
     Message("Update firmware: this package holds newer firmware for your mouse. Update now?"),
     Caption("Mouse", {40, 77, 69, 11}), Caption("Package", {145, 77, 72, 11})});

inline constexpr auto k06 = std::to_array<LayoutControl>({Ok(kOkWide), kClose, kVersion});
inline constexpr auto k06Texts = std::to_array<StaticText>(
    {kTitle, LongMessage("The update encountered a problem. Unplug the mouse, plug it in again and "
                         "run the updater once more.")});

inline constexpr auto k07 = std::to_array<LayoutControl>({kClose, kVersion});
inline constexpr auto k07Texts = std::to_array<StaticText>(
    {kTitle, LongMessage("Update completed. The mouse is restarting; please wait a few seconds.")});

// Screen 08 is loaded but never shown; it is drawn like screen 07.
inline constexpr auto k08 = std::to_array<LayoutControl>({kClose, kVersion});
inline constexpr auto k08Texts = std::to_array<StaticText>({kTitle, LongMessage("Complete.")});

inline constexpr auto k09 =
    std::to_array<LayoutControl>({Ok(kOkWide), kClose, kVersion, MouseVersion({171, 77, 30, 11})});
inline constexpr auto k09Texts = std::to_array<StaticText>(
    {kTitle, Message("Successfully updated. Your mouse now runs the new firmware."),
     Caption("Mouse firmware", {40, 77, 127, 11})});

inline constexpr auto k10 = std::to_array<LayoutControl>(
    {kVersion, {kUpdaterProgressId, "progress", ControlKind::Progress, {22, 105, 334, 17}, "", {}, "Update progress"}});
inline constexpr auto k10Texts = std::to_array<StaticText>(
    {kTitle, StaticText{"Updating the firmware. Do not unplug the mouse or close this window until "
                        "the update has finished.",
                        {24, 30, 327, 66},
                        TextRole::Message,
                        TextAlign::Left}});

inline constexpr auto k11 = std::to_array<LayoutControl>({Ok(kOkWide), kVersion});
inline constexpr auto k11Texts = std::to_array<StaticText>(
    {kTitle, LongMessage("Please exit the SOLUNE 300 configuration program before you update the "
                         "firmware, then start the updater again.")});
}  // namespace screens

inline constexpr std::array<UpdaterScreen, 11> kUpdaterScreens = {{
    {1, "Firmware incorrect", true, screens::k01, screens::k01Texts},
    {2, "Can not find", true, screens::k02, screens::k02Texts},
    {3, "Firmware up to date", true, screens::k03, screens::k03Texts},
    {4, "Firmware Newer", true, screens::k04, screens::k04Texts},
    {5, "Update firmware", true, screens::k05, screens::k05Texts},
    {6, "encountered problem", true, screens::k06, screens::k06Texts},
    {7, "Update Completed", true, screens::k07, screens::k07Texts},
    {8, "Complete", true, screens::k08, screens::k08Texts},
    {9, "Successfully update", true, screens::k09, screens::k09Texts},
    {10, "Firmware update", false, screens::k10, screens::k10Texts},
    {11, "Please exit", true, screens::k11, screens::k11Texts},
}};

// The file name of one picture of a screen, for example "01 Firmware incorrect
// Normal.bmp".
inline std::string ScreenPictureFile(const UpdaterScreen& screen, ScreenPicture picture) {
    std::string name;
    name += static_cast<char>('0' + screen.number / 10);
    name += static_cast<char>('0' + screen.number % 10);
    name += ' ';
    name += screen.name;
    name += ' ';
    name += kScreenPictureSuffix[static_cast<int>(picture)];
    name += ".bmp";
    return name;
}

}  // namespace solune::layout
