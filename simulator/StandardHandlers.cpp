#include <memory>

#include "simulator/NormalModeReports.h"
#include "simulator/VirtualMouse.h"

namespace solune::simulator {

void AddStandardHandlers(VirtualMouse& mouse) {
    mouse.AddHandler(MouseMode::Normal, std::make_unique<NormalModeReports>());
}

}  // namespace solune::simulator
