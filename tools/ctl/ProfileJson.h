#pragma once
// A profile as JSON, keyed by the Profile field names: what "profile show"
// prints and "profile write" reads.

#include <string>

#include <nlohmann/json.hpp>

#include "config/profiles/Profile.h"

namespace solune::ctl {

// Every field that the profile file holds (not filePath, slot,
// accelerationLevel or the buttons' fallback functions).
nlohmann::json ProfileToJson(const Profile& profile);

// Stores the fields present in `json` into `profile`; missing keys keep the
// profile's values. Returns false with a one-line `error` on an unknown key, a
// wrong type, a list of the wrong length or a number outside its field's range;
// `profile` may then be partly changed.
bool ProfileFromJson(const nlohmann::json& json, Profile& profile, std::string& error);

}  // namespace solune::ctl
