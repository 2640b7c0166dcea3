#include "platform/ProgramArguments.h"

namespace solune {

bool IsUsageOption(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

bool AsksForUsage(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (IsUsageOption(argv[i])) {
            return true;
        }
    }
    return false;
}

}  // namespace solune
