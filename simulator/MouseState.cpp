#include "simulator/MouseState.h"

namespace solune::simulator {

const ModeInfo& InfoOf(MouseMode mode) {
    for (const ModeInfo& info : kModes) {
        if (info.mode == mode) {
            return info;
        }
    }
    return kModes[0];
}

bool ModeFromName(const std::string& name, MouseMode& mode) {
    for (const ModeInfo& info : kModes) {
        if (name == info.name) {
            mode = info.mode;
            return true;
        }
    }
    return false;
}

std::uint16_t ProductIdOf(const MouseState& state) {
    return InfoOf(state.mode).productId;
}

void SetFault(MouseState& state, const std::string& name, int count, int value) {
    if (count <= 0) {
        state.faults.erase(name);
        return;
    }
    state.faults[name] = FaultSetting{count, value};
}

bool ConsumeFault(MouseState& state, const std::string& name, int* value) {
    auto it = state.faults.find(name);
    if (it == state.faults.end()) {
        return false;
    }
    if (value != nullptr) {
        *value = it->second.value;
    }
    if (--it->second.count <= 0) {
        state.faults.erase(it);
    }
    return true;
}

}  // namespace solune::simulator
