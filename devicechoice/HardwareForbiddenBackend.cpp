#include "devicechoice/HardwareForbiddenBackend.h"

#include <cstdio>
#include <cstdlib>

namespace solune {

namespace {

[[noreturn]] void Refuse(const char* call) {
    std::fprintf(stderr, "%s (%s)\n", HardwareForbiddenBackend::kMessage, call);
    std::fflush(stderr);
    std::abort();
}

}  // namespace

std::vector<HidDeviceInfo> HardwareForbiddenBackend::Enumerate(std::uint16_t, std::uint16_t) {
    Refuse("Enumerate");
}

std::unique_ptr<HidDevice> HardwareForbiddenBackend::Open(const std::string&) {
    Refuse("Open");
}

}  // namespace solune
