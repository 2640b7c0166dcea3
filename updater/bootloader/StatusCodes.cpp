#include "updater/bootloader/StatusCodes.h"

#include <array>
#include <utility>

namespace solune {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 5> kNames{{
    {kHcOk, "HC_OK"},
    {kHcCsError, "HC_CS_ERROR"},
    {kHcNotReady, "HC_NOT_READY"},
    {kHcError, "HC_ERROR"},
    {kHcRcving, "HC_RCVING"},
}};

}  // namespace

std::string_view StatusName(int status) {
    for (const auto& [code, name] : kNames) {
        if (code == status) {
            return name;
        }
    }
    return {};
}

}  // namespace solune
