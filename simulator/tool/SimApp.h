#pragma once
// solune300-sim: control of the virtual mouse's state file from outside: create,
// show, plug, unplug, the mouse's own profile button, mode, firmware version and
// protocol generation, faults.

#include <iosfwd>

namespace solune::simulator {

// Exit statuses of solune300-sim.
inline constexpr int kSimExitOk = 0;
inline constexpr int kSimExitStateFailed = 1;  // the state file cannot be read or written
inline constexpr int kSimExitBadInput = 2;     // bad arguments; nothing changed

// Runs solune300-sim with `argv` (argv[0] the program name). The state file is
// --state FILE, else the file named by SOLUNE300_SIMULATOR.
int RunSim(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace solune::simulator
