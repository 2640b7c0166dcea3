#pragma once
// The virtual mouse's state as JSON: the state file and `solune300-sim show`.
//
//   { "mode": "normal", "plugged": true, "instance": 1,
//     "firmwareVersion": 105, "protocolGeneration": 2, "activeSlot": 0,
//     "liftOff": { "test": 0, "saved": 0 },
//     "surface": { "started": false, "measure": 128 },
//     "slots": [ "<4096 hex digits>", ... five ... ],
//     "reply": "<128 hex digits>",
//     "faults": { "busy": { "count": 3, "value": 0 }, ... } }
//
// Keys not listed here are kept in MouseState::extra and written back unchanged.

#include <string>

#include <nlohmann/json.hpp>

#include "simulator/MouseState.h"

namespace solune::simulator {

nlohmann::json ToJson(const MouseState& state);

// Reads `json` into `state`. Missing keys keep the values `state` has. False with
// a message in `error` (and `state` unchanged) when a known key has the wrong type,
// a number is out of range or a hex string has the wrong length or a bad digit.
bool FromJson(const nlohmann::json& json, MouseState& state, std::string& error);

// Lower-case hex digits of `bytes`, two per byte.
std::string ToHex(const std::uint8_t* bytes, std::size_t count);
// Reads exactly `count` bytes from `hex` (2 × count digits, either case).
bool FromHex(const std::string& hex, std::uint8_t* bytes, std::size_t count);

}  // namespace solune::simulator
