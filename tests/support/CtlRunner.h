#pragma once
// Runs solune300ctl in process, with its own input, output and error streams
// and the test's clock.

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "tools/ctl/CtlApp.h"

namespace solune::test {

struct CtlRun {
    int status;
    std::string out;
    std::string err;
};

// `args` without the program name; `input` is what the command reads; every
// wait goes through `clock`.
inline CtlRun RunCtlCommand(Clock& clock, std::vector<std::string> args,
                            const std::string& input = "") {
    args.insert(args.begin(), "solune300ctl");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status =
        solune::ctl::RunCtl(static_cast<int>(argv.size()), argv.data(), in, out, err, clock);
    return {status, out.str(), err.str()};
}

// The same for a command that does not wait on the test's clock: its waits, if
// any, pass at once.
inline CtlRun RunCtlCommand(std::vector<std::string> args, const std::string& input = "") {
    VirtualClock clock;
    return RunCtlCommand(clock, std::move(args), input);
}

}  // namespace solune::test
