#include <memory>

#include "simulator/BootLoaderReports.h"
#include "simulator/NormalModeReports.h"
#include "simulator/UpdaterNormalReports.h"
#include "simulator/VirtualMouse.h"

namespace solune::simulator {

void AddStandardHandlers(VirtualMouse& mouse) {
    // The updater's reports come first: they take the boot request of report 0x60.
    mouse.AddHandler(MouseMode::Normal, std::make_unique<UpdaterNormalReports>());
    mouse.AddHandler(MouseMode::Normal, std::make_unique<NormalModeReports>());
    mouse.AddHandler(MouseMode::BootLoader, std::make_unique<BootLoaderReports>());
}

}  // namespace solune::simulator
