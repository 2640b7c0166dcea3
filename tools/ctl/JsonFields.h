#pragma once
// Reading typed fields out of JSON objects with one readable error for the
// first thing that is wrong ("dpiLevels[1].x: 70000 is out of range -32768 ... 32767").

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace solune::ctl {

class JsonFields {
  public:
    // Reads fields of `object`; `path` names it in messages ("" for the top level).
    JsonFields(const nlohmann::json& object, std::string path);

    // A key that is present must hold an integer in the range of T; a missing key
    // leaves `value` as it is. Each returns false after recording an error.
    template <typename T>
    bool Int(std::string_view key, T& value) {
        std::int64_t wide = value;
        if (!intInRange(key, wide, std::numeric_limits<T>::min(), std::numeric_limits<T>::max())) {
            return false;
        }
        value = static_cast<T>(wide);
        return true;
    }
    // A string (UTF-8, stored as UTF-16).
    bool Text(std::string_view key, std::u16string& value);
    // An array of exactly `count` entries (any number with kAnyLength), when
    // present; `out` points at it (or is null when the key is missing).
    static constexpr std::size_t kAnyLength = std::numeric_limits<std::size_t>::max();
    bool Array(std::string_view key, std::size_t count, const nlohmann::json*& out);
    // Every key of the object must be one of `known`.
    bool OnlyKeys(std::initializer_list<std::string_view> known);
    bool OnlyKeys(std::span<const std::string_view> known);

    // Reads the list under `key` into `items`, each entry with
    // read(entry, path, item, error): a std::vector takes the list's length, a
    // fixed-size container needs exactly its own. A missing key leaves `items`
    // as they are. Returns false with `error` set at the first problem.
    template <typename Items, typename Read>
    bool List(std::string_view key, Items& items, Read read, std::string& error) {
        constexpr bool growable = requires { items.resize(0); };
        const nlohmann::json* list = nullptr;
        if (!Array(key, growable ? kAnyLength : items.size(), list)) {
            error = m_error;
            return false;
        }
        if (list == nullptr) {
            return true;
        }
        if constexpr (growable) {
            items.assign(list->size(), typename Items::value_type{});
        }
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (!read((*list)[i], Child(key, i), items[i], error)) {
                return false;
            }
        }
        return true;
    }

    // A single integer value (not a field of an object), for lists of numbers.
    template <typename T>
    static bool IntValue(const nlohmann::json& value, const std::string& path, T& out,
                         std::string& error) {
        std::int64_t wide = 0;
        std::string problem;
        if (!checkInt(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), wide,
                      problem)) {
            error = path + ": " + problem;
            return false;
        }
        out = static_cast<T>(wide);
        return true;
    }

    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    // Records an error found by the caller (the first one wins).
    void Fail(std::string_view key, const std::string& problem);
    // The path of a child ("macros[2]").
    std::string Child(std::string_view key, std::size_t index) const;

    // Checks that `value` is an object and records an error otherwise.
    static bool IsObject(const nlohmann::json& value, const std::string& path, std::string& error);

  private:
    static bool checkInt(const nlohmann::json& value, std::int64_t min, std::int64_t max,
                         std::int64_t& out, std::string& problem);
    bool intInRange(std::string_view key, std::int64_t& value, std::int64_t min, std::int64_t max);
    std::string name(std::string_view key) const;

    const nlohmann::json& m_object;
    std::string m_path;
    std::string m_error;
};

}  // namespace solune::ctl
