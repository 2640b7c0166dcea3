#pragma once
// The HidBackend a program uses: the virtual mouse when the environment variable
// SOLUNE300_SIMULATOR names a state file, the real hidraw backend otherwise.
//
// SOLUNE300_NO_HARDWARE=1 (set for every test program and the processes it
// starts) replaces the hidraw backend by a HardwareForbiddenBackend, which ends
// the process with a message as soon as it is asked for a device: a test that
// forgot its virtual mouse fails loudly instead of seeing "no mouse". A test
// that means "no mouse" says so with a NoMouseBackend or an unplugged virtual
// mouse.

#include <memory>
#include <string>

#include "platform/HidBackend.h"

namespace solune {

inline constexpr const char* kNoHardwareVariable = "SOLUNE300_NO_HARDWARE";

// True when SOLUNE300_NO_HARDWARE is set to a non-empty value.
bool RealHardwareForbidden();

// What is wrong with the state file of SimulatorStateFile() ("FILE: not valid
// JSON"); empty when no state file is named or it reads as a valid state.
std::string SimulatorStateProblem();

// A new backend: on the state file of SimulatorStateFile() when there is one, else
// on the system's hidraw devices, else (real hardware forbidden) a
// HardwareForbiddenBackend.
std::unique_ptr<HidBackend> CreateSystemHidBackend();

}  // namespace solune
