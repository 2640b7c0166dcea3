#pragma once
// The updater's start: --help prints the usage (UpdaterArguments.h); a data
// folder of another user (DataFolderOwner.h) ends it with one line on the
// error stream and status 1; one copy per user (the instance lock
// "W38_SOLUNE420_Firmware_Upadter"; a second start ends at once, silently and
// with status 0); the package folder from the command line (bad arguments:
// the usage on the error stream, status 2); then the window, run modally until
// it closes.

namespace solune {

class CW38UpdaterApp {
  public:
    // Runs the program; the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace solune
