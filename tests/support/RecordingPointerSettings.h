#pragma once
// A PointerSettings that records every call as one line of text, in order.

#include <string>
#include <vector>

#include "platform/PointerSettings.h"

namespace solune::test {

class RecordingPointerSettings final : public PointerSettings {
  public:
    std::vector<std::string> calls;

    std::string_view Name() const override { return "recorder"; }
    void SetDoubleClickTime(int milliseconds) override {
        calls.push_back("doubleclick " + std::to_string(milliseconds));
    }
    void SetMouseSpeed(int speed) override { calls.push_back("speed " + std::to_string(speed)); }
    void SetWheelScrollLines(std::uint32_t lines) override {
        calls.push_back("wheel " + std::to_string(lines));
    }
    void SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override {
        calls.push_back("accel " + std::to_string(threshold1) + " " + std::to_string(threshold2) +
                        " " + std::to_string(acceleration));
    }
};

}  // namespace solune::test
