#pragma once
// The configuration program's start: a second start asks the running copy to
// show its window and ends silently (status 0); otherwise this copy takes the
// instance lock "SOLUNE300 Config", builds the main window and runs until the
// tray menu's "Exit" (or SIGTERM/SIGINT/SIGHUP, or — without a notification area —
// the window's close request) ends it with status 0.
//
// The show request is sent before the lock is tried, as a second copy always
// asks first; a listener that does not hold the lock (a stale or foreign
// socket) may take the request, and this copy still starts.
//
// "--help" or "-h" prints the usage (no display needed) and ends with status
// 0; any other argument prints it on the error stream and ends with status 2.
// A data folder of another user (DataFolderOwner.h) ends the program before
// anything else, with one line on the error stream and status 1.
// At start the program names its key-capture source on the error stream.

#include "platform/ProgramInstances.h"

namespace solune {

inline constexpr const char* kVeskUsage =
    "Usage: VESK [--hidden]\n"
    "Configure the SOLUNE 300 gaming mouse: its five on-board profiles, their\n"
    "buttons, sensor and lighting, and the macros. A second start shows the\n"
    "window of the copy that runs.\n"
    "\n"
    "  --hidden   start in the notification area without showing the window\n"
    "             (minimised where the desktop has no notification area)\n"
    "\n"
    "Key capture (assigning a key, recording a macro) reads keys desktop-wide\n"
    "on an X11 display that offers XInput 2, else only from VESK's own windows;\n"
    "VESK names its choice on its error output when it starts.\n"
    "\n"
    "Environment:\n"
    "  SOLUNE300_SIMULATOR   the state file of a virtual mouse (solune300-sim)\n"
    "                        to use instead of the real one\n";

class CVESKApp {
  public:
    // Runs the program; the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace solune
