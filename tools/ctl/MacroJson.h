#pragma once
// A ".macro" file's macro as JSON: what "macro show" prints and "macro write"
// reads.
//
//   { "name": "...", "id": 7, "rect": { "left": 0, "top": 0, "right": 0, "bottom": 0 },
//     "events": [ { "kind": 1, "code": 65, "edge": 1, "delay": 10,
//                   "rect": { ... }, "selected": 0, "serial": 1 }, ... ] }

#include <string>

#include <nlohmann/json.hpp>

#include "config/macros/CMacro.h"

namespace solune::ctl {

nlohmann::json MacroToJson(const CMacro& macro);

// Stores the fields present in `json` into `macro`; missing keys keep the
// macro's values. Returns false with a one-line `error` on an unknown key, a
// wrong type or a number outside its field's range; `macro` may then be partly
// changed.
bool MacroFromJson(const nlohmann::json& json, CMacro& macro, std::string& error);

}  // namespace solune::ctl
