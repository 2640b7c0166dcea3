#pragma once
// The environment variable that names the virtual mouse's state file. Programs
// that find it set talk to the virtual mouse on that file (devicechoice/), and
// solune300-sim changes that file when it is given no --state.

#include <string>

namespace solune {

inline constexpr const char* kSimulatorVariable = "SOLUNE300_SIMULATOR";

// The state file named by SOLUNE300_SIMULATOR, or empty when it is unset or empty.
std::string SimulatorStateFile();

}  // namespace solune
