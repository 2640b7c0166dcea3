#pragma once
// Runs solune300ctl in process, with its own input, output and error streams.

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tools/ctl/CtlApp.h"

namespace solune::test {

struct CtlRun {
    int status;
    std::string out;
    std::string err;
};

// `args` without the program name; `input` is what the command reads.
inline CtlRun RunCtlCommand(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "solune300ctl");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status =
        solune::ctl::RunCtl(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace solune::test
