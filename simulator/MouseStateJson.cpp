#include "simulator/MouseStateJson.h"

#include <initializer_list>

namespace solune::simulator {

namespace {

constexpr const char* kKnownKeys[] = {
    "mode",       "plugged", "instance", "firmwareVersion", "protocolGeneration",
    "activeSlot", "liftOff", "surface",  "slots",           "reply",
    "faults",
};

bool isKnown(const std::string& key) {
    for (const char* known : kKnownKeys) {
        if (key == known) {
            return true;
        }
    }
    return false;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads an integer in [low, high] at `key` of `object` when present.
template <typename T>
bool readNumber(const nlohmann::json& object, const char* key, long long low, long long high,
                T& out, std::string& error) {
    auto it = object.find(key);
    if (it == object.end()) {
        return true;
    }
    if (!it->is_number_integer()) {
        error = std::string(key) + ": not a whole number";
        return false;
    }
    // A number beyond the signed range must not wrap into a small one.
    if (it->is_number_unsigned() &&
        it->get<unsigned long long>() > static_cast<unsigned long long>(high)) {
        error = std::string(key) + ": " + std::to_string(it->get<unsigned long long>()) +
                " is out of range " + std::to_string(low) + " ... " + std::to_string(high);
        return false;
    }
    const long long value = it->get<long long>();
    if (value < low || value > high) {
        error = std::string(key) + ": " + std::to_string(value) + " is out of range " +
                std::to_string(low) + " ... " + std::to_string(high);
        return false;
    }
    out = static_cast<T>(value);
    return true;
}

bool readBool(const nlohmann::json& object, const char* key, bool& out, std::string& error) {
    auto it = object.find(key);
    if (it == object.end()) {
        return true;
    }
    if (!it->is_boolean()) {
        error = std::string(key) + ": not true or false";
        return false;
    }
    out = it->get<bool>();
    return true;
}

bool readHex(const nlohmann::json& value, const std::string& what, std::uint8_t* bytes,
             std::size_t count, std::string& error) {
    if (!value.is_string() || !FromHex(value.get<std::string>(), bytes, count)) {
        error = what + ": not " + std::to_string(count * 2) + " hex digits";
        return false;
    }
    return true;
}

bool readObject(const nlohmann::json& json, const char* key, std::string& error) {
    auto it = json.find(key);
    if (it != json.end() && !it->is_object()) {
        error = std::string(key) + ": not an object";
        return false;
    }
    return true;
}

bool readAll(const nlohmann::json& json, MouseState& s, std::string& error) {
    if (!json.is_object()) {
        error = "the state is not a JSON object";
        return false;
    }
    if (auto it = json.find("mode"); it != json.end()) {
        if (!it->is_string() || !ModeFromName(it->get<std::string>(), s.mode)) {
            error = "mode: not \"normal\" or \"bootloader\"";
            return false;
        }
    }
    if (!readBool(json, "plugged", s.plugged, error) ||
        !readNumber(json, "instance", 1, 0xFFFF, s.instance, error) ||
        !readNumber(json, "firmwareVersion", 0, 0xFFFF, s.firmwareVersion, error) ||
        !readNumber(json, "protocolGeneration", 0, 0xFF, s.protocolGeneration, error) ||
        !readNumber(json, "activeSlot", 0, kSlotCount - 1, s.activeSlot, error) ||
        !readObject(json, "liftOff", error) || !readObject(json, "surface", error) ||
        !readObject(json, "faults", error)) {
        return false;
    }
    if (auto it = json.find("liftOff"); it != json.end()) {
        if (!readNumber(*it, "test", 0, 0xFF, s.liftOffTest, error) ||
            !readNumber(*it, "saved", 0, 0xFF, s.liftOffSaved, error)) {
            return false;
        }
    }
    if (auto it = json.find("surface"); it != json.end()) {
        if (!readBool(*it, "started", s.surfaceStarted, error) ||
            !readNumber(*it, "measure", 0, 0xFF, s.surfaceMeasure, error)) {
            return false;
        }
    }
    if (auto it = json.find("slots"); it != json.end()) {
        if (!it->is_array() || it->size() != kSlotCount) {
            error = "slots: not a list of five images";
            return false;
        }
        for (int i = 0; i < kSlotCount; ++i) {
            if (!readHex((*it)[i], "slots[" + std::to_string(i) + "]", s.profileSlots[i].data(),
                         kSlotImageBytes, error)) {
                return false;
            }
        }
    }
    if (auto it = json.find("reply"); it != json.end()) {
        if (!readHex(*it, "reply", s.reply.data(), s.reply.size(), error)) {
            return false;
        }
    }
    if (auto it = json.find("faults"); it != json.end()) {
        s.faults.clear();
        for (const auto& [name, setting] : it->items()) {
            FaultSetting fault;
            if (!setting.is_object()) {
                error = "faults." + name + ": not an object";
                return false;
            }
            if (!readNumber(setting, "count", 0, 1'000'000'000, fault.count, error) ||
                !readNumber(setting, "value", -1'000'000'000, 1'000'000'000, fault.value, error)) {
                error = "faults." + name + "." + error;
                return false;
            }
            if (fault.count > 0) {
                s.faults[name] = fault;
            }
        }
    }
    s.extra = nlohmann::json::object();
    for (const auto& [key, value] : json.items()) {
        if (!isKnown(key)) {
            s.extra[key] = value;
        }
    }
    return true;
}

}  // namespace

std::string ToHex(const std::uint8_t* bytes, std::size_t count) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(count * 2, '0');
    for (std::size_t i = 0; i < count; ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
    return text;
}

bool FromHex(const std::string& hex, std::uint8_t* bytes, std::size_t count) {
    if (hex.size() != count * 2) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(hexDigit(hex[2 * i]) << 4 | hexDigit(hex[2 * i + 1]));
    }
    return true;
}

nlohmann::json ToJson(const MouseState& s) {
    nlohmann::json json = s.extra.is_object() ? s.extra : nlohmann::json::object();
    json["mode"] = InfoOf(s.mode).name;
    json["plugged"] = s.plugged;
    json["instance"] = s.instance;
    json["firmwareVersion"] = s.firmwareVersion;
    json["protocolGeneration"] = s.protocolGeneration;
    json["activeSlot"] = s.activeSlot;
    json["liftOff"] = {{"test", s.liftOffTest}, {"saved", s.liftOffSaved}};
    json["surface"] = {{"started", s.surfaceStarted}, {"measure", s.surfaceMeasure}};
    nlohmann::json slots = nlohmann::json::array();
    for (const auto& slot : s.profileSlots) {
        slots.push_back(ToHex(slot.data(), slot.size()));
    }
    json["slots"] = std::move(slots);
    json["reply"] = ToHex(s.reply.data(), s.reply.size());
    nlohmann::json faults = nlohmann::json::object();
    for (const auto& [name, fault] : s.faults) {
        faults[name] = {{"count", fault.count}, {"value", fault.value}};
    }
    json["faults"] = std::move(faults);
    return json;
}

bool FromJson(const nlohmann::json& json, MouseState& state, std::string& error) {
    MouseState copy = state;
    error.clear();
    if (!readAll(json, copy, error)) {
        return false;
    }
    state = std::move(copy);
    return true;
}

}  // namespace solune::simulator
