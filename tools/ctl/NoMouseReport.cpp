#include "tools/ctl/NoMouseReport.h"

#include "devicechoice/DeviceChoice.h"

namespace solune::ctl {

void ReportNoMouse(CtlContext& c, bool systemBackend) {
    const std::string problem = systemBackend ? SimulatorStateProblem() : std::string();
    if (!problem.empty()) {
        c.Fail(kExitBadInput, problem);
        return;
    }
    c.Fail(kExitNoMouse, "SOLUNE 300 mouse not found");
}

}  // namespace solune::ctl
