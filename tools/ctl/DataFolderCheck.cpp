#include "tools/ctl/DataFolderCheck.h"

#include "platform/DataFolderFiles.h"
#include "platform/DataFolderOwner.h"

namespace solune::ctl {

bool DataFolderUsable(CtlContext& c) {
    const std::string problem = DataFolderOwnerProblem(SoluneDataFolder(), "solune300ctl");
    if (problem.empty()) {
        return true;
    }
    c.err << problem << '\n';
    c.exitCode = kExitCommandFailed;
    return false;
}

}  // namespace solune::ctl
