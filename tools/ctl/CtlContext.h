#pragma once
// What every command of solune300ctl works with: its streams, the clock of its
// waits and its exit status.

#include <iostream>
#include <string>

#include "platform/Clock.h"

namespace solune::ctl {

// Exit statuses of solune300ctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;  // a file could not be written
inline constexpr int kExitBadInput = 2;     // bad arguments, files or JSON; nothing written
inline constexpr int kExitLimit = 3;        // the profile's macros hold too many events
inline constexpr int kExitNoMouse = 4;
inline constexpr int kExitCommandFailed = 5;

struct CtlContext {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    Clock& clock;  // every wait of the device and firmware commands
    int exitCode = kExitOk;

    // Prints "solune300ctl: <message>" as one line on the error stream and sets
    // the exit status.
    void Fail(int code, const std::string& message) {
        err << "solune300ctl: " << message << '\n';
        exitCode = code;
    }
};

}  // namespace solune::ctl
