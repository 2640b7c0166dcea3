#include "simulator/SimulatorStateFile.h"

#include <cstdlib>

namespace solune {

std::string SimulatorStateFile() {
    const char* value = std::getenv(kSimulatorVariable);
    return value != nullptr ? value : "";
}

}  // namespace solune
