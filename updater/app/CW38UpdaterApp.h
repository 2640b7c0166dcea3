#pragma once
// The updater's start: one copy per user (the instance lock
// "W38_SOLUNE420_Firmware_Upadter"; a second start ends at once, silently and
// with status 0), then the window, run modally until it closes.

namespace solune {

class CW38UpdaterApp {
  public:
    // Runs the program; the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace solune
