#pragma once
// JSON on standard input: read with a size limit, checked for nesting depth,
// then parsed, with one line for the first thing that is wrong.

#include <cstddef>
#include <string>

#include <nlohmann/json.hpp>

#include "tools/ctl/CtlContext.h"

namespace solune::ctl {

// The most JSON read from standard input. A profile with nine macros of the
// most events a macro file holds prints as about 40 MiB of indented JSON.
inline constexpr std::size_t kMaxJsonInputBytes = 64u << 20;

// Reads and parses standard input for `file`. False after reporting (exit 2):
// more than kMaxJsonInputBytes, nested deeper than kMaxJsonDepth, or malformed.
bool ReadJsonInput(CtlContext& c, const std::string& file, nlohmann::json& value);

}  // namespace solune::ctl
