#include "tools/ctl/CtlApp.h"

#include <CLI/CLI.hpp>

#include "tools/ctl/CtlContext.h"
#include "tools/ctl/DeviceCtlCommands.h"
#include "tools/ctl/FirmwareCommands.h"
#include "tools/ctl/MacroCommands.h"
#include "tools/ctl/PointerCommands.h"
#include "tools/ctl/ProfileCommands.h"

namespace solune::ctl {

namespace {

// "profile image": the sub-commands that were given, to say where an error is.
std::string givenCommands(const CLI::App& app) {
    std::string path;
    for (const CLI::App* sub = &app; sub != nullptr;) {
        const auto given = sub->get_subcommands();
        sub = given.empty() ? nullptr : given.front();
        if (sub != nullptr) {
            path += (path.empty() ? "" : " ") + sub->get_name();
        }
    }
    return path;
}

}  // namespace

int RunCtl(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, Clock& clock) {
    CtlContext context{in, out, err, clock};
    CLI::App app{"Configure the SOLUNE 300 mouse and its profile files from the command line.",
                 "solune300ctl"};
    app.require_subcommand(1);
    AddProfileCommands(app, context);
    AddDeviceCommands(app, context);
    AddMacroCommands(app, context);
    AddFirmwareCommands(app, context);
    AddPointerCommands(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        const std::string where = givenCommands(app);
        context.Fail(kExitBadInput,
                     (where.empty() ? "" : where + ": ") + e.what() + " (see --help)");
        return kExitBadInput;
    }
    return context.exitCode;
}

}  // namespace solune::ctl
