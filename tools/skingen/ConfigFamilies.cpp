#include "shared/layout/MainWindowLayout.h"
#include "shared/layout/MacroPageLayout.h"
#include "shared/layout/ButtonPageLayout.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/layout/PopDlgLayout.h"
#include "shared/layout/RenameDlgLayout.h"
#include "shared/layout/SensorPageLayout.h"
#include "shared/layout/SupportPageLayout.h"
#include "tools/skingen/ArtPainter.h"
#include "tools/skingen/SkinFamily.h"
#include "tools/skingen/WindowDecorations.h"

namespace solune::skinart {
namespace {

// Sizes chosen by the artwork: the pages fill the main window's page area,
// the dialogs reach just past their right-most and lowest controls.
const QSize kMainSize(800, 600);
const QSize kPageSize(layout::kPageRect.width, layout::kPageRect.height);
const QSize kRenameSize(397, 165);
const QSize kNarrowPopSize(375, 185);
const QSize kWidePopSize(397, 185);

std::vector<std::string> StateFiles(const std::string& prefix, bool withDisable) {
    std::vector<std::string> files = {prefix + "_Normal.bmp", prefix + "_Over.bmp",
                                      prefix + "_Down.bmp"};
    if (withDisable) {
        files.push_back(prefix + "_Disable.bmp");
    }
    return files;
}

SkinFamily Window(const std::string& prefix, bool withDisable, QSize size,
                  std::span<const layout::LayoutControl> controls,
                  std::span<const layout::StaticText> texts) {
    SkinFamily family;
    family.name = prefix;
    family.stateFiles = StateFiles(prefix, withDisable);
    family.size = size;
    family.controls.assign(controls.begin(), controls.end());
    family.texts.assign(texts.begin(), texts.end());
    return family;
}

}  // namespace

std::vector<SkinFamily> ConfigFamilies() {
    std::vector<SkinFamily> families;

    SkinFamily main = Window("Main", true, kMainSize, layout::kMainControls, layout::kMainTexts);
    main.decorate = DecorateMainWindow;
    families.push_back(main);

    SkinFamily buttons = Window("MouseSetting", true, kPageSize, layout::kButtonPageControls,
                                layout::kButtonPageTexts);
    buttons.decorate = DecorateButtonPage;
    buttons.sliderRanges.assign(layout::kButtonPageSliderRanges.begin(),
                                layout::kButtonPageSliderRanges.end());
    families.push_back(buttons);

    SkinFamily sensor =
        Window("Sensor", true, kPageSize, layout::kSensorPageControls, layout::kSensorPageTexts);
    sensor.decorate = DecorateSensorPage;
    sensor.sliderRanges.assign(layout::kSensorPageSliderRanges.begin(),
                               layout::kSensorPageSliderRanges.end());
    families.push_back(sensor);

    SkinFamily lighting = Window("ColorSetting", true, kPageSize, layout::kLightingPageControls,
                                 layout::kLightingPageTexts);
    lighting.backgroundFile = "ColorSetting_BK.bmp";
    lighting.decorate = DecorateLightingPage;
    lighting.swatchColor = [](int id) -> std::optional<QColor> {
        if (const layout::Rgb* rgb = layout::PresetColorOf(id)) {
            return QColor(rgb->red, rgb->green, rgb->blue);
        }
        return std::nullopt;
    };
    lighting.faceOf = [](int id) -> std::optional<QRect> {
        for (const layout::ChoiceFace& choice : layout::kLightingChoiceFaces) {
            if (choice.id == id) {
                return ToQRect(choice.face);
            }
        }
        return std::nullopt;
    };
    families.push_back(lighting);

    SkinFamily macros = Window("MacroSetting", true, kPageSize, layout::kMacroPageControls,
                               layout::kMacroPageTexts);
    macros.backgroundFile = "MacroSetting_BK.bmp";
    macros.decorate = DecorateMacroPage;
    families.push_back(macros);

    SkinFamily support =
        Window("Support", true, kPageSize, layout::kSupportPageControls, layout::kSupportPageTexts);
    support.decorate = DecorateSupportPage;
    families.push_back(support);

    SkinFamily rename =
        Window("ReName", true, kRenameSize, layout::kRenameDlgControls, layout::kRenameDlgTexts);
    rename.dialog = true;
    families.push_back(rename);

    for (const layout::PopMode& mode : layout::kPopModes) {
        const bool narrow =
            mode.mode == layout::kLeftClickWarnMode || mode.mode == layout::kResetWarnMode;
        SkinFamily pop = Window(std::string(mode.name), mode.mode == layout::kAssignKeyMode,
                                narrow ? kNarrowPopSize : kWidePopSize, mode.controls, mode.texts);
        pop.dialog = true;
        families.push_back(pop);
    }
    return families;
}

}  // namespace solune::skinart
