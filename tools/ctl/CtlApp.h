#pragma once
// solune300ctl: the scriptable command line. Runs in process so that tests can
// drive it with their own streams.

#include <iosfwd>

namespace solune {
class Clock;
}

namespace solune::ctl {

// Parses the arguments, runs the command and returns the exit status (see
// CtlContext.h). Help and errors go to `out` and `err`; the commands wait on
// `clock` (the program passes the real clock).
int RunCtl(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, Clock& clock);

}  // namespace solune::ctl
