#pragma once
// The configuration program's start: a second start asks the running copy to
// show its window and ends silently (status 0); otherwise this copy takes the
// instance lock "SOLUNE300 Config", builds the main window and runs until the
// tray menu's "Exit" (or SIGTERM/SIGINT, or — without a notification area —
// the window's close request) ends it with status 0.
//
// The show request is sent before the lock is tried, as a second copy always
// asks first; a listener that does not hold the lock (a stale or foreign
// socket) may take the request, and this copy still starts.

namespace solune {

inline constexpr const char* kVeskInstanceName = "SOLUNE300 Config";

class CVESKApp {
  public:
    // Runs the program; the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace solune
