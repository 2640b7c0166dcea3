#include "tools/ctl/JsonFields.h"

#include "platform/TextCodec.h"

namespace solune::ctl {

JsonFields::JsonFields(const nlohmann::json& object, std::string path)
    : m_object(object), m_path(std::move(path)) {}

std::string JsonFields::name(std::string_view key) const {
    return m_path.empty() ? std::string(key) : m_path + "." + std::string(key);
}

std::string JsonFields::Child(std::string_view key, std::size_t index) const {
    return name(key) + "[" + std::to_string(index) + "]";
}

void JsonFields::Fail(std::string_view key, const std::string& problem) {
    if (m_error.empty()) {
        m_error = (key.empty() ? m_path : name(key)) + ": " + problem;
    }
}

bool JsonFields::checkInt(const nlohmann::json& value, std::int64_t min, std::int64_t max,
                          std::int64_t& out, std::string& problem) {
    const std::string range = std::to_string(min) + " ... " + std::to_string(max);
    if (!value.is_number_integer()) {
        problem = "expected an integer in " + range;
        return false;
    }
    if (value.is_number_unsigned()
            ? value.get<std::uint64_t>() > std::uint64_t(max)
            : (value.get<std::int64_t>() < min || value.get<std::int64_t>() > max)) {
        problem = value.dump() + " is out of range " + range;
        return false;
    }
    out = value.get<std::int64_t>();
    return true;
}

bool JsonFields::intInRange(std::string_view key, std::int64_t& value, std::int64_t min,
                            std::int64_t max) {
    auto it = m_object.find(key);
    if (it == m_object.end()) {
        return true;
    }
    std::string problem;
    if (!checkInt(*it, min, max, value, problem)) {
        Fail(key, problem);
        return false;
    }
    return true;
}

bool JsonFields::Text(std::string_view key, std::u16string& value) {
    auto it = m_object.find(key);
    if (it == m_object.end()) {
        return true;
    }
    if (!it->is_string()) {
        Fail(key, "expected a string");
        return false;
    }
    if (!FromUtf8(it->get_ref<const std::string&>(), value)) {
        Fail(key, "not valid UTF-8");
        return false;
    }
    return true;
}

bool JsonFields::Array(std::string_view key, std::size_t count, const nlohmann::json*& out) {
    out = nullptr;
    auto it = m_object.find(key);
    if (it == m_object.end()) {
        return true;
    }
    if (!it->is_array() || (count != kAnyLength && it->size() != count)) {
        Fail(key, count == kAnyLength ? std::string("expected a list")
                                      : "expected a list of " + std::to_string(count) + " entries");
        return false;
    }
    out = &*it;
    return true;
}

bool JsonFields::OnlyKeys(std::initializer_list<std::string_view> known) {
    return OnlyKeys(std::span<const std::string_view>(known.begin(), known.size()));
}

bool JsonFields::OnlyKeys(std::span<const std::string_view> known) {
    for (auto it = m_object.begin(); it != m_object.end(); ++it) {
        bool found = false;
        for (std::string_view k : known) {
            found = found || it.key() == k;
        }
        if (!found) {
            Fail(it.key(), "unknown key");
            return false;
        }
    }
    return true;
}

bool JsonFields::IsObject(const nlohmann::json& value, const std::string& path,
                          std::string& error) {
    if (value.is_object()) {
        return true;
    }
    error = (path.empty() ? std::string("the profile") : path) + ": expected a JSON object";
    return false;
}

}  // namespace solune::ctl
