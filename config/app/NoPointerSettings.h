#pragma once
// A desktop whose pointer settings the program does not change: the calls are
// taken and dropped. Used where no desktop backend is available.

#include "platform/PointerSettings.h"

namespace solune {

class NoPointerSettings final : public PointerSettings {
  public:
    std::string_view Name() const override { return "none"; }
    void SetDoubleClickTime(int) override {}
    void SetMouseSpeed(int) override {}
    void SetWheelScrollLines(std::uint32_t) override {}
    void SetMouseAcceleration(int, int, int) override {}
};

}  // namespace solune
