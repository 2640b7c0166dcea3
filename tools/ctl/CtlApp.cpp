#include "tools/ctl/CtlApp.h"

#include <CLI/CLI.hpp>

#include "tools/ctl/CtlContext.h"
#include "tools/ctl/ProfileCommands.h"

namespace solune::ctl {

int RunCtl(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CtlContext context{in, out, err};
    CLI::App app{"Configure the SOLUNE 300 mouse and its profile files from the command line.",
                 "solune300ctl"};
    app.require_subcommand(1);
    AddProfileCommands(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        app.exit(e, out, err);
        return kExitBadInput;
    }
    return context.exitCode;
}

}  // namespace solune::ctl
