#include "platform/InstanceRefusal.h"

#include "platform/SingleInstance.h"

namespace solune {

std::string InstanceRefusalText(const std::string& instanceName, const std::string& programName,
                                bool windowAsked) {
    if (SingleInstance::IsHeld(instanceName)) {
        return programName + " is already running" +
               (windowAsked ? "; its window was asked to show" : "");
    }
    return programName + ": cannot use the runtime folder " +
           SingleInstance::RuntimeFolderCandidate().string() + " (it must be the user's own and writable only by the user)";
}

}  // namespace solune
