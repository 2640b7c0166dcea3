#include "tools/ctl/ProfileJson.h"

#include "platform/TextCodec.h"
#include "tools/ctl/JsonFields.h"

namespace solune::ctl {

using nlohmann::json;

namespace {

json macroToJson(const ButtonMacro& macro) {
    json events = json::array();
    for (const CMacroEvent& e : macro.events) {
        events.push_back(
            {{"kind", e.kind}, {"code", e.code}, {"edge", e.edge}, {"delay", e.delay}});
    }
    return {{"name", ToUtf8(macro.name)}, {"id", macro.id}, {"events", events}};
}

bool eventFromJson(const json& value, const std::string& path, CMacroEvent& e, std::string& error) {
    if (!JsonFields::IsObject(value, path, error)) {
        return false;
    }
    JsonFields f(value, path);
    f.OnlyKeys({"kind", "code", "edge", "delay"}) && f.Int("kind", e.kind) &&
        f.Int("code", e.code) && f.Int("edge", e.edge) && f.Int("delay", e.delay);
    error = f.error();
    return f.ok();
}

bool macroFromJson(const json& value, const std::string& path, ButtonMacro& macro,
                   std::string& error) {
    if (!JsonFields::IsObject(value, path, error)) {
        return false;
    }
    JsonFields f(value, path);
    const json* events = nullptr;
    if (!(f.OnlyKeys({"name", "id", "events"}) && f.Text("name", macro.name) &&
          f.Int("id", macro.id) && f.Array("events", JsonFields::kAnyLength, events))) {
        error = f.error();
        return false;
    }
    if (events != nullptr) {
        macro.events.assign(events->size(), CMacroEvent{});
        for (std::size_t i = 0; i < events->size(); ++i) {
            if (!eventFromJson((*events)[i], f.Child("events", i), macro.events[i], error)) {
                return false;
            }
        }
    }
    return true;
}

bool buttonFromJson(const json& value, const std::string& path, ButtonAssignment& b,
                    std::string& error) {
    if (!JsonFields::IsObject(value, path, error)) {
        return false;
    }
    JsonFields f(value, path);
    f.OnlyKeys({"button", "function", "parameter"}) && f.Int("button", b.button) &&
        f.Int("function", b.function) && f.Int("parameter", b.parameter);
    error = f.error();
    return f.ok();
}

bool dpiFromJson(const json& value, const std::string& path, DpiLevel& level, std::string& error) {
    if (!JsonFields::IsObject(value, path, error)) {
        return false;
    }
    JsonFields f(value, path);
    f.OnlyKeys({"x", "y"}) && f.Int("x", level.x) && f.Int("y", level.y);
    error = f.error();
    return f.ok();
}

// Reads each entry of a list with `read` into the matching element of `items`.
template <typename Items, typename Read>
bool listFromJson(JsonFields& f, std::string_view key, Items& items, Read read,
                  std::string& error) {
    const json* list = nullptr;
    if (!f.Array(key, items.size(), list)) {
        error = f.error();
        return false;
    }
    for (std::size_t i = 0; list != nullptr && i < items.size(); ++i) {
        if (!read((*list)[i], f.Child(key, i), items[i], error)) {
            return false;
        }
    }
    return true;
}

bool settingsFromJson(JsonFields& f, Profile& p) {
    return f.Int("enabled", p.enabled) && f.Text("name", p.name) && f.Int("reserved", p.reserved) &&
           f.Int("pollingInterval", p.pollingInterval) &&
           f.Int("doubleClickSetting", p.doubleClickSetting) &&
           f.Int("scrollLines", p.scrollLines) && f.Int("scrollByLines", p.scrollByLines) &&
           f.Int("scrollByPage", p.scrollByPage) &&
           f.Int("accelerationEnabled", p.accelerationEnabled) &&
           f.Int("dpiStageIndex", p.dpiStageIndex) && f.Int("separateXY", p.separateXY) &&
           f.Int("definedMode", p.definedMode) && f.Int("pointerSpeed", p.pointerSpeed) &&
           f.Int("liftOffDistance", p.liftOffDistance) &&
           f.Int("surfaceQuality", p.surfaceQuality) && f.Int("angleSnap", p.angleSnap) &&
           f.Int("definedValue", p.definedValue) && f.Int("lightingZones", p.lightingZones) &&
           f.Int("lightingEffect", p.lightingEffect);
}

}  // namespace

json ProfileToJson(const Profile& p) {
    json dpi = json::array();
    for (const DpiLevel& level : p.dpiLevels) {
        dpi.push_back({{"x", level.x}, {"y", level.y}});
    }
    json buttons = json::array();
    for (const ButtonAssignment& b : p.buttons) {
        buttons.push_back(
            {{"button", b.button}, {"function", b.function}, {"parameter", b.parameter}});
    }
    json macros = json::array();
    for (const ButtonMacro& m : p.macros) {
        macros.push_back(macroToJson(m));
    }
    json out = json::object();
    out["enabled"] = p.enabled;
    out["name"] = ToUtf8(p.name);
    out["reserved"] = p.reserved;
    out["pollingInterval"] = p.pollingInterval;
    out["doubleClickSetting"] = p.doubleClickSetting;
    out["scrollLines"] = p.scrollLines;
    out["scrollByLines"] = p.scrollByLines;
    out["scrollByPage"] = p.scrollByPage;
    out["accelerationEnabled"] = p.accelerationEnabled;
    out["dpiStageIndex"] = p.dpiStageIndex;
    out["separateXY"] = p.separateXY;
    out["definedMode"] = p.definedMode;
    out["dpiLevels"] = dpi;
    out["pointerSpeed"] = p.pointerSpeed;
    out["liftOffDistance"] = p.liftOffDistance;
    out["surfaceQuality"] = p.surfaceQuality;
    out["angleSnap"] = p.angleSnap;
    out["definedValue"] = p.definedValue;
    out["lightingZones"] = p.lightingZones;
    out["lightingEffect"] = p.lightingEffect;
    out["zoneColors"] = p.zoneColors;
    out["buttons"] = buttons;
    out["macros"] = macros;
    return out;
}

bool ProfileFromJson(const json& value, Profile& p, std::string& error) {
    if (!JsonFields::IsObject(value, "", error)) {
        return false;
    }
    JsonFields f(value, "");
    if (!f.OnlyKeys({"enabled",
                     "name",
                     "reserved",
                     "pollingInterval",
                     "doubleClickSetting",
                     "scrollLines",
                     "scrollByLines",
                     "scrollByPage",
                     "accelerationEnabled",
                     "dpiStageIndex",
                     "separateXY",
                     "definedMode",
                     "dpiLevels",
                     "pointerSpeed",
                     "liftOffDistance",
                     "surfaceQuality",
                     "angleSnap",
                     "definedValue",
                     "lightingZones",
                     "lightingEffect",
                     "zoneColors",
                     "buttons",
                     "macros"}) ||
        !settingsFromJson(f, p)) {
        error = f.error();
        return false;
    }
    return listFromJson(f, "dpiLevels", p.dpiLevels, dpiFromJson, error) &&
           listFromJson(f, "zoneColors", p.zoneColors, JsonFields::IntValue<ColorRef>, error) &&
           listFromJson(f, "buttons", p.buttons, buttonFromJson, error) &&
           listFromJson(f, "macros", p.macros, macroFromJson, error);
}

}  // namespace solune::ctl
