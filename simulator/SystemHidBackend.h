#pragma once
// The HidBackend a program uses: the virtual mouse when the environment variable
// SOLUNE300_SIMULATOR names a state file, the real hidraw backend otherwise.

#include <memory>
#include <string>

#include "platform/HidBackend.h"

namespace solune {

inline constexpr const char* kSimulatorVariable = "SOLUNE300_SIMULATOR";

// The state file named by SOLUNE300_SIMULATOR, or empty when it is unset or empty.
std::string SimulatorStateFile();

// What is wrong with the state file of SimulatorStateFile() ("FILE: not valid
// JSON"); empty when no state file is named or it reads as a valid state.
std::string SimulatorStateProblem();

// A new backend: on the state file of SimulatorStateFile() when there is one, else
// on the system's hidraw devices.
std::unique_ptr<HidBackend> CreateSystemHidBackend();

}  // namespace solune
