#include "tools/ctl/ProfileCommands.h"

#include <filesystem>
#include <iterator>
#include <memory>
#include <sstream>

#include "config/device/SettingsImage.h"
#include "platform/TextCodec.h"
#include "tools/ctl/JsonInput.h"
#include "tools/ctl/ProfileJson.h"
#include "tools/ctl/ProfileLoading.h"

namespace solune::ctl {

namespace {

struct ProfileOptions {
    std::string file;
    std::string name;
    bool nameGiven = false;
    bool force = false;
    int slot = 0;
};

void runNew(CtlContext& c, const ProfileOptions& o) {
    Profile profile;
    if (o.nameGiven && !FromUtf8(o.name, profile.name)) {
        c.Fail(kExitBadInput, o.file + ": the name is not valid UTF-8");
        return;
    }
    std::error_code ec;
    if (!o.force && std::filesystem::exists(std::filesystem::symlink_status(o.file, ec))) {
        c.Fail(kExitBadInput, o.file + ": the file exists already (use --force to replace it)");
        return;
    }
    SaveProfileOrFail(c, profile, o.file);
}

void runShow(CtlContext& c, const ProfileOptions& o) {
    Profile profile;
    if (LoadProfileOrFail(c, o.file, profile)) {
        c.out << ProfileToJson(profile).dump(2) << '\n';
    }
}

void runWrite(CtlContext& c, const ProfileOptions& o) {
    nlohmann::json json;
    if (!ReadJsonInput(c, o.file, json)) {
        return;
    }
    Profile profile;
    std::string error;
    if (!ProfileFromJson(json, profile, error)) {
        c.Fail(kExitBadInput, o.file + ": " + error);
        return;
    }
    SaveProfileOrFail(c, profile, o.file);
}

void runImage(CtlContext& c, const ProfileOptions& o) {
    Profile profile;
    if (!LoadProfileOrFail(c, o.file, profile)) {
        return;
    }
    profile.slot = static_cast<std::uint8_t>(o.slot);
    SettingsImage image{};
    if (BuildSettingsImage(profile, image) != CommandResult::Done) {
        c.Fail(kExitLimit, o.file + ": the macros hold more than " +
                               std::to_string(kMaxMacroEventsPerProfile) + " events");
        return;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(image.size() * 2 + 1);
    for (std::uint8_t b : image) {
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
    }
    c.out << hex << '\n';
}

}  // namespace

void AddProfileCommands(CLI::App& app, CtlContext& context) {
    auto o = std::make_shared<ProfileOptions>();
    CLI::App* profile =
        app.add_subcommand("profile", "Create, show, write and convert profile files");
    profile->require_subcommand(1);

    CLI::App* create =
        profile->add_subcommand("new", "Write a profile file with the factory defaults");
    create->add_option("FILE", o->file, "The profile file to write")->required();
    create->add_option("--name", o->name, "The profile's name (default \"profile\")")
        ->each([o](const std::string&) { o->nameGiven = true; });
    create->add_flag("--force", o->force, "Replace FILE when it exists");
    create->callback([o, &context] { runNew(context, *o); });

    CLI::App* show = profile->add_subcommand("show", "Print a profile file as JSON");
    show->add_option("FILE", o->file, "The profile file to read")->required();
    show->callback([o, &context] { runShow(context, *o); });

    CLI::App* write = profile->add_subcommand(
        "write",
        "Write a profile file from JSON on standard input (missing keys keep their defaults)");
    write->add_option("FILE", o->file, "The profile file to write")->required();
    write->callback([o, &context] { runWrite(context, *o); });

    CLI::App* image = profile->add_subcommand(
        "image", "Print the mouse's 2048-byte settings image of a profile as hex digits");
    image->add_option("FILE", o->file, "The profile file to read")->required();
    image->add_option("--slot", o->slot, "The mouse's profile slot written into the image")
        ->check(CLI::Range(0, 4))
        ->default_val(0);
    image->callback([o, &context] { runImage(context, *o); });
}

}  // namespace solune::ctl
