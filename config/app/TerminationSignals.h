#pragma once
// SIGTERM, SIGINT and SIGHUP (the terminal or the session went away) as an
// event for the event loop: the signal handler only writes one byte into a
// pipe, and the program reads the pipe's other end when its loop sees it
// readable, so the program can end in order (macros saved, tray icon removed)
// instead of dying inside the handler.

namespace solune {

class TerminationSignals {
  public:
    // Installs the handlers for SIGTERM, SIGINT and SIGHUP (once per process).
    // The descriptor that becomes readable when one of them arrived, or -1 when
    // the pipe could not be made (the signals then keep their default action).
    static int Install();
};

}  // namespace solune
