#include "tools/ctl/MacroCommands.h"

#include <filesystem>
#include <iterator>
#include <memory>
#include <system_error>

#include <nlohmann/json.hpp>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "platform/FileErrorText.h"
#include "platform/TextCodec.h"
#include "tools/ctl/DataFolderCheck.h"
#include "tools/ctl/JsonInput.h"
#include "tools/ctl/MacroJson.h"
#include "tools/ctl/ProfileLoading.h"

namespace solune::ctl {

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

struct MacroOptions {
    std::string folder;
    bool asJson = false;
    std::string file;
    std::string profile;
    int button = 0;
};

// Reads a ".macro" file; reports what is wrong with it.
bool loadMacro(CtlContext& c, const std::string& file, CMacro& macro) {
    switch (LoadMacroFile(file, macro)) {
        case MacroFileStatus::Complete:
            return true;
        case MacroFileStatus::Unreadable:
            c.Fail(kExitBadInput, file +
                                      ": cannot read the file (missing, unreadable, too large or "
                                      "not a regular file)");
            return false;
        case MacroFileStatus::Truncated:
            c.Fail(kExitBadInput, file + ": the macro file ends early");
            return false;
    }
    return false;
}

void runList(CtlContext& c, const MacroOptions& o) {
    if (o.folder.empty() && !DataFolderUsable(c)) {
        return;
    }
    const fs::path folder = o.folder.empty() ? DefaultMacroFolder() : fs::path(o.folder);
    std::error_code ec;
    if (!o.folder.empty() && !fs::is_directory(folder, ec)) {
        c.Fail(kExitBadInput, o.folder + ": not a folder");
        return;
    }
    MacroLibrary library;
    library.SetMacroFolder(folder);
    library.SetKeepDamagedCopies(false);
    const MacroLoadReport report = library.LoadAllMacros();
    for (const MacroLoadProblem& problem : report.problems) {
        c.err << "solune300ctl: warning: " << problem.path.string() << ": skipped ("
              << problem.reason << ")\n";
    }
    for (const fs::path& missing : report.missing) {
        c.err << "solune300ctl: warning: " << missing.string() << ": skipped (is missing)\n";
    }
    json list = json::array();
    for (const auto& macro : library.macros()) {
        if (o.asJson) {
            list.push_back({{"name", ToUtf8(macro->name)},
                            {"id", macro->id},
                            {"eventCount", macro->events.size()}});
        } else {
            c.out << macro->id << '\t' << macro->events.size() << '\t' << ToUtf8(macro->name)
                  << '\n';
        }
    }
    if (o.asJson) {
        c.out << list.dump(2) << '\n';
    }
}

void runShow(CtlContext& c, const MacroOptions& o) {
    CMacro macro;
    if (loadMacro(c, o.file, macro)) {
        c.out << MacroToJson(macro).dump(2) << '\n';
    }
}

void runWrite(CtlContext& c, const MacroOptions& o) {
    nlohmann::json value;
    if (!ReadJsonInput(c, o.file, value)) {
        return;
    }
    CMacro macro;
    std::string error;
    if (!MacroFromJson(value, macro, error)) {
        c.Fail(kExitBadInput, o.file + ": " + error);
        return;
    }
    // A file the reader would refuse is never written.
    if (MacroFileSize(macro) > kMaxMacroFileBytes) {
        c.Fail(kExitBadInput, o.file + ": the macro's file would be " +
                                  std::to_string(MacroFileSize(macro)) + " bytes, more than the " +
                                  std::to_string(kMaxMacroFileBytes) + " a macro file may hold");
        return;
    }
    const FileWriteStatus written = SaveMacroFile(macro, o.file);
    if (!written) {
        c.Fail(kExitWriteFailed, o.file + ": cannot write the file: " +
                                       FileErrorText(written.error, FileAccess::Writing));
    }
}

void runAssign(CtlContext& c, const MacroOptions& o) {
    Profile profile;
    if (!LoadProfileOrFail(c, o.profile, profile)) {
        return;
    }
    CMacro macro;
    if (!loadMacro(c, o.file, macro)) {
        return;
    }
    // A button names its macro by a 16-bit id; a wider one could never match.
    if (macro.id < std::numeric_limits<std::int16_t>::min() ||
        macro.id > std::numeric_limits<std::int16_t>::max()) {
        c.Fail(kExitBadInput, o.file + ": macro id " + std::to_string(macro.id) +
                                  " does not fit a button (-32768 ... 32767)");
        return;
    }
    ButtonAssignment& entry = profile.buttons[static_cast<std::size_t>(o.button)];
    entry.function = kRecordMacro;
    entry.parameter = static_cast<std::int16_t>(macro.id);
    const ButtonMacro copy = macro.ToButtonMacro();
    profile.AssignMacro(entry, &copy);
    SaveProfileOrFail(c, profile, o.profile);
}

}  // namespace

void AddMacroCommands(CLI::App& app, CtlContext& context) {
    auto o = std::make_shared<MacroOptions>();
    CLI::App* macro =
        app.add_subcommand("macro", "List the macro library, show and write macro files");
    macro->require_subcommand(1);

    CLI::App* list =
        macro->add_subcommand("list", "List the macros of a macro folder: id, event count, name");
    list->add_option("DIR", o->folder,
                     "The macro folder (default: " + DefaultMacroFolder().string() + ")");
    list->add_flag("--json", o->asJson, "Print a JSON list of {name, id, eventCount}");
    list->callback([o, &context] { runList(context, *o); });

    CLI::App* show = macro->add_subcommand("show", "Print a .macro file as JSON");
    show->add_option("FILE", o->file, "The .macro file to read")->required();
    show->callback([o, &context] { runShow(context, *o); });

    CLI::App* write = macro->add_subcommand(
        "write", "Write a .macro file from JSON on standard input (missing keys are 0 or empty)");
    write->add_option("FILE", o->file, "The .macro file to write")->required();
    write->callback([o, &context] { runWrite(context, *o); });

    CLI::App* profile = app.get_subcommand("profile");
    CLI::App* assign = profile->add_subcommand(
        "assign-macro", "Give a button of a profile file a macro (function 14) and a copy of it");
    assign->add_option("PROFILE", o->profile, "The profile file to change")->required();
    assign->add_option("--button", o->button, "The button, 0 ... 8")
        ->required()
        ->check(CLI::Range(0, kButtonCount - 1));
    assign->add_option("--macro", o->file, "The .macro file to assign")->required();
    assign->callback([o, &context] { runAssign(context, *o); });
}

}  // namespace solune::ctl
