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
    if (!(f.OnlyKeys({"name", "id", "events"}) && f.Text("name", macro.name) &&
          f.Int("id", macro.id))) {
        error = f.error();
        return false;
    }
    return f.List("events", macro.events, eventFromJson, error);
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

// Calls visit(key, field) for every number field of the record, so that show,
// write and the check of the keys name each field once.
template <typename P, typename Visit>
void forEachNumberField(P& p, Visit&& visit) {
    visit("enabled", p.enabled);
    visit("reserved", p.reserved);
    visit("pollingInterval", p.pollingInterval);
    visit("doubleClickSetting", p.doubleClickSetting);
    visit("scrollLines", p.scrollLines);
    visit("scrollByLines", p.scrollByLines);
    visit("scrollByPage", p.scrollByPage);
    visit("accelerationEnabled", p.accelerationEnabled);
    visit("dpiStageIndex", p.dpiStageIndex);
    visit("separateXY", p.separateXY);
    visit("definedMode", p.definedMode);
    visit("pointerSpeed", p.pointerSpeed);
    visit("liftOffDistance", p.liftOffDistance);
    visit("surfaceQuality", p.surfaceQuality);
    visit("angleSnap", p.angleSnap);
    visit("definedValue", p.definedValue);
    visit("lightingZones", p.lightingZones);
    visit("lightingEffect", p.lightingEffect);
}

// Every key of the profile's JSON: the numbers, then text and lists.
std::vector<std::string_view> profileKeys() {
    std::vector<std::string_view> keys;
    const Profile p;
    forEachNumberField(p, [&](std::string_view key, const auto&) { keys.push_back(key); });
    keys.insert(keys.end(), {"name", "dpiLevels", "zoneColors", "buttons", "macros"});
    return keys;
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
    forEachNumberField(p, [&](std::string_view key, const auto& value) { out[key] = value; });
    out["name"] = ToUtf8(p.name);
    out["dpiLevels"] = dpi;
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
    static const std::vector<std::string_view> keys = profileKeys();
    if (!f.OnlyKeys(keys)) {
        error = f.error();
        return false;
    }
    bool numbersRead = true;
    forEachNumberField(p, [&](std::string_view key, auto& value) {
        numbersRead = numbersRead && f.Int(key, value);
    });
    if (!numbersRead || !f.Text("name", p.name)) {
        error = f.error();
        return false;
    }
    return f.List("dpiLevels", p.dpiLevels, dpiFromJson, error) &&
           f.List("zoneColors", p.zoneColors, JsonFields::IntValue<ColorRef>, error) &&
           f.List("buttons", p.buttons, buttonFromJson, error) &&
           f.List("macros", p.macros, macroFromJson, error);
}

}  // namespace solune::ctl
