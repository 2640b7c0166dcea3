#pragma once
// The usage options that the window programs take: "--help" and "-h".

#include <string_view>

namespace solune {

bool IsUsageOption(std::string_view argument);

// True when the raw command line asks for the usage; checked before anything
// else, so that it needs no display.
bool AsksForUsage(int argc, const char* const* argv);

}  // namespace solune
