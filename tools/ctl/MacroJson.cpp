#include "tools/ctl/MacroJson.h"

#include "platform/TextCodec.h"
#include "tools/ctl/JsonFields.h"

namespace solune::ctl {

namespace {

using nlohmann::json;

json rectToJson(const MacroRect& r) {
    return {{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

std::string childPath(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

// The "rect" member of `object`, when present.
bool rectFromJson(const json& object, const std::string& path, MacroRect& r, std::string& error) {
    auto it = object.find("rect");
    if (it == object.end()) {
        return true;
    }
    const std::string rectPath = childPath(path, "rect");
    if (!JsonFields::IsObject(*it, rectPath, error)) {
        return false;
    }
    JsonFields f(*it, rectPath);
    f.OnlyKeys({"left", "top", "right", "bottom"}) && f.Int("left", r.left) &&
        f.Int("top", r.top) && f.Int("right", r.right) && f.Int("bottom", r.bottom);
    error = f.error();
    return f.ok();
}

bool rowFromJson(const json& value, const std::string& path, CEventItem& row, std::string& error) {
    if (!JsonFields::IsObject(value, path, error)) {
        return false;
    }
    JsonFields f(value, path);
    if (!(f.OnlyKeys({"kind", "code", "edge", "delay", "rect", "selected", "serial"}) &&
          f.Int("kind", row.kind) && f.Int("code", row.code) && f.Int("edge", row.edge) &&
          f.Int("delay", row.delay) && f.Int("selected", row.selected) &&
          f.Int("serial", row.serial))) {
        error = f.error();
        return false;
    }
    return rectFromJson(value, path, row.rect, error);
}

}  // namespace

json MacroToJson(const CMacro& macro) {
    json events = json::array();
    for (const CEventItem& row : macro.events) {
        events.push_back({{"kind", row.kind},
                          {"code", row.code},
                          {"edge", row.edge},
                          {"delay", row.delay},
                          {"rect", rectToJson(row.rect)},
                          {"selected", row.selected},
                          {"serial", row.serial}});
    }
    return {{"name", ToUtf8(macro.name)},
            {"id", macro.id},
            {"rect", rectToJson(macro.rect)},
            {"events", events}};
}

bool MacroFromJson(const json& value, CMacro& macro, std::string& error) {
    if (!value.is_object()) {
        error = "the macro: expected a JSON object";
        return false;
    }
    JsonFields f(value, "");
    if (!(f.OnlyKeys({"name", "id", "rect", "events"}) && f.Text("name", macro.name) &&
          f.Int("id", macro.id))) {
        error = f.error();
        return false;
    }
    return rectFromJson(value, "", macro.rect, error) &&
           f.List("events", macro.events, rowFromJson, error);
}

}  // namespace solune::ctl
