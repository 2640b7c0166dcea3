#include "tools/ctl/PointerCommands.h"

#include <nlohmann/json.hpp>

#include "config/profiles/ApplyPointerSettings.h"
#include "platform/pointer/ChooseDesktopPointerSettings.h"
#include "tools/ctl/ProfileLoading.h"

namespace solune::ctl {

namespace {

using ordered_json = nlohmann::ordered_json;

void printValues(CtlContext& c, const DesktopPointerSettings& backend) {
    ordered_json values = ordered_json::object();
    for (const DesktopPointerValue& v : backend.CurrentValues()) {
        std::visit([&](const auto& value) { values[v.name] = value; }, v.value);
    }
    const ordered_json shown{{"backend", std::string(backend.Name())}, {"values", values}};
    c.out << shown.dump(2) << '\n';
}

struct ApplyOptions {
    std::string file;
    int level = 0;  // 0: the profile's own
};

void apply(CtlContext& c, const ApplyOptions& options) {
    Profile profile;
    if (!LoadProfileOrFail(c, options.file, profile)) {
        return;
    }
    if (options.level != 0) {
        profile.accelerationLevel = static_cast<std::int16_t>(options.level);
    }
    const std::unique_ptr<DesktopPointerSettings> backend = ChooseDesktopPointerSettings();
    ApplyWindowsPointerSettings(profile, *backend);
    if (backend->Name() == "none") {
        c.err << "solune300ctl: this desktop offers no pointer settings we can change "
                 "(see README); nothing was changed\n";
    }
    printValues(c, *backend);
}

}  // namespace

void AddPointerCommands(CLI::App& app, CtlContext& context) {
    CLI::App* pointer = app.add_subcommand(
        "pointer",
        "The desktop's pointer settings (SOLUNE300_POINTER_BACKEND=gsettings|x11|none forces "
        "a backend)");
    pointer->require_subcommand(1);
    pointer
        ->add_subcommand("show",
                         "Print the backend in use and the desktop's current values as JSON")
        ->callback([&context] { printValues(context, *ChooseDesktopPointerSettings()); });

    auto* cmd = pointer->add_subcommand(
        "apply",
        "Apply a profile's double-click time, pointer speed, wheel lines and acceleration "
        "to the desktop, as VESK does");
    auto options = std::make_shared<ApplyOptions>();
    cmd->add_option("PROFILE", options->file, "The profile file")->required();
    cmd->add_option("--acceleration-level", options->level,
                    "Acceleration level 1 ... 3 (profile files do not keep it; default 1)")
        ->check(CLI::Range(1, 3));
    cmd->callback([&context, options] { apply(context, *options); });
}

}  // namespace solune::ctl
