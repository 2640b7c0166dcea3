#include "tools/ctl/FirmwareCommands.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "devicechoice/DeviceChoice.h"
#include "platform/Folders.h"
#include "platform/TextCodec.h"
#include "platform/VersionText.h"
#include "tools/ctl/DataFolderCheck.h"
#include "tools/ctl/NoMouseReport.h"
#include "tools/ctl/TerminalUpdateView.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/PackageWriter.h"
#include "updater/bootloader/UpdaterFlow.h"
#include "updater/log/CLOG.h"

namespace solune::ctl {

namespace {

FirmwareAccess& access() {
    static FirmwareAccess current;
    return current;
}

struct FirmwareOptions {
    std::string image;
    std::string version;
    std::string out;
    std::string name;
    std::string label = "SOLUNE 300";
    std::string folder;
    bool yes = false;
};

std::string hex32(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::filesystem::path packageFolder(const FirmwareOptions& o) {
    return o.folder.empty() ? ProgramFolder() : std::filesystem::path(o.folder);
}

// Reads a whole file of at most `limit` bytes; false when it cannot be read or
// is longer.
bool readImage(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.assign(limit + 1, 0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

void runPack(CtlContext& c, const FirmwareOptions& o) {
    std::vector<std::uint8_t> image;
    if (!readImage(o.image, kMaxFirmwareImageSize, image)) {
        c.Fail(kExitBadInput, o.image + ": cannot read the file");
        return;
    }
    if (image.empty() || image.size() > kMaxFirmwareImageSize) {
        c.Fail(kExitBadInput, o.image + ": the image must hold 1 to 122880 bytes (120 blocks)");
        return;
    }
    std::u16string label;
    if (!FromUtf8(o.label, label) || label.size() >= kFirmwareLabelUnits) {
        c.Fail(kExitBadInput, "the label must be valid text of at most 11 UTF-16 units");
        return;
    }
    const std::string name = o.name.empty() ? DefaultFirmwareFileName(o.version) : o.name;
    const std::filesystem::path folder(o.out);
    switch (WriteFirmwarePackage(folder, name, o.version, image, label)) {
        case PackResult::Written:
            c.out << (folder / name).string() << ": firmware " << o.version << ", " << image.size()
                  << " bytes in " << (image.size() + 1023) / 1024 << " blocks, checksum "
                  << hex32(ImageChecksum(image)) << '\n';
            return;
        case PackResult::BadImage:
            c.Fail(kExitBadInput, o.image + ": the image must hold 1 to 122880 bytes");
            return;
        case PackResult::BadVersion:
            c.Fail(kExitBadInput, "the version must be digits, a point and two decimals (1.08)");
            return;
        case PackResult::BadFileName:
            c.Fail(kExitBadInput,
                   "the file name must be a plain name that holds the version "
                   "after its first character (SOLUNE300_" +
                       o.version + ".fub)");
            return;
        case PackResult::WriteFailed:
            c.Fail(kExitWriteFailed, folder.string() + ": cannot write the package");
            return;
    }
}

// What a valid package holds.
void printPackage(CtlContext& c, const FirmwarePackage& package) {
    c.out << "firmware file: " << package.FirmwareFileName() << '\n'
          << "firmware version: " << package.FileVersionText() << '\n'
          << "image: " << package.ImageByteCount() << " bytes in " << package.BlockCount()
          << " blocks, checksum " << hex32(static_cast<std::uint32_t>(package.ComputedChecksum()))
          << '\n';
}

void reportBadPackage(CtlContext& c, const FirmwarePackage& package,
                      const std::filesystem::path& folder) {
    c.Fail(kExitBadInput, folder.string() + ": the package is not valid: " + package.LastFailure());
}

void prepareLog(CLOG& log) {
    UseUpdaterLogFile(log);
}

void runCheck(CtlContext& c, const FirmwareOptions& o) {
    if (!DataFolderUsable(c)) {
        return;
    }
    CLOG log(access().localTime);
    prepareLog(log);
    SilentUpdateView view;
    FirmwarePackage package(log, view);
    const std::filesystem::path folder = packageFolder(o);
    if (package.ReadFirmwareConfig(folder) != 1 ||
        package.LoadFirmwareImage(folder, package.FirmwareFileName()) != 1) {
        reportBadPackage(c, package, folder);
        return;
    }
    printPackage(c, package);
    c.out << "the package is valid\n";
}

bool confirm(CtlContext& c, const std::string& question) {
    c.out << question << " [y/N] ";
    c.out.flush();
    std::string answer;
    if (!std::getline(c.in, answer)) {
        c.out << '\n';
        return false;
    }
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "YES";
}

// Offers the update that the flow found possible; true when it should run.
bool offerUpdate(CtlContext& c, const FirmwareOptions& o, UpdateMode mode, const std::string& file,
                 const std::string& mouse) {
    c.out << "mouse firmware: " << mouse << '\n';
    switch (mode) {
        case UpdateMode::None:
        case UpdateMode::Completed:
            c.out << "The firmware is up to date.\n";
            return false;
        case UpdateMode::MouseNewer:
            c.out << "The mouse carries newer firmware than the package.\n";
            if (!o.yes &&
                !confirm(c, "Install the older firmware " + file + " over " + mouse + "?")) {
                c.Fail(kExitCommandFailed, "update declined");
                return false;
            }
            return true;
        case UpdateMode::FileNewer:
            if (!o.yes && !confirm(c, "Update the firmware from " + mouse + " to " + file + "?")) {
                c.Fail(kExitCommandFailed, "update declined");
                return false;
            }
            return true;
    }
    return false;
}

void reportOutcome(CtlContext& c, UpdateOutcome outcome, const UpdaterFlow& flow, const CLOG& log) {
    const FirmwarePackage& package = flow.Package();
    switch (outcome) {
        case UpdateOutcome::Completed: {
            const auto after = flow.VersionAfterUpdate();
            if (after && *after == package.FileVersion()) {
                c.out << "The firmware was updated to " << package.FileVersionText() << ".\n";
                return;
            }
            c.Fail(kExitCommandFailed,
                   "the transfer completed but the mouse reports " +
                       (after ? VersionText(*after) : std::string("no version")) + " instead of " +
                       package.FileVersionText());
            return;
        }
        case UpdateOutcome::Failed:
        case UpdateOutcome::CompleteFailed:
            c.Fail(kExitCommandFailed,
                   "the firmware update failed (log: " + log.FilePath().string() + ")");
            return;
    }
}

// After the check at start: true when the update should run, having told the
// user what was found; false after reporting why not.
bool readyToUpdate(CtlContext& c, const FirmwareOptions& o, UpdaterFlow& flow,
                   const TerminalUpdateView& view) {
    switch (flow.FoundDevice()) {
        case DeviceMode::NotFound:
            ReportNoMouse(c, !access().makeBackend);
            return false;
        case DeviceMode::Normal:
            if (view.LastEvent() == UpdateEvent::NoMouse) {
                c.Fail(kExitCommandFailed, "cannot read the firmware version of the mouse");
                return false;
            }
            if (!offerUpdate(c, o, flow.UpdateMode(), flow.Package().FileVersionText(),
                             view.MouseVersionText())) {
                flow.Close();
                return false;
            }
            return flow.Ok() == UpdaterFlow::OkResult::StartUpdate;
        case DeviceMode::BootLoader:
            c.out << "The mouse was found in its boot loader; the firmware is sent again.\n";
            return true;
    }
    return false;
}

void runUpdate(CtlContext& c, const FirmwareOptions& o) {
    if (!DataFolderUsable(c)) {
        return;
    }
    CLOG log(access().localTime);
    prepareLog(log);
    TerminalUpdateView view(c.out);
    std::unique_ptr<HidBackend> backend =
        access().makeBackend ? access().makeBackend() : CreateSystemHidBackend();
    UpdaterFlow flow(view, log, backend.get(), c.clock);
    const std::filesystem::path folder = packageFolder(o);
    if (!flow.LoadPackage(folder)) {
        reportBadPackage(c, flow.Package(), folder);
        return;
    }
    printPackage(c, flow.Package());
    if (!backend) {
        ReportNoMouse(c, !access().makeBackend);
        return;
    }
    flow.CheckDevice();
    if (!readyToUpdate(c, o, flow, view)) {
        return;
    }
    const UpdateOutcome outcome = flow.RunUpdate();
    flow.Close();
    reportOutcome(c, outcome, flow, log);
}

}  // namespace

void SetFirmwareAccess(FirmwareAccess newAccess) {
    access() = std::move(newAccess);
}

void AddFirmwareCommands(CLI::App& app, CtlContext& context) {
    auto options = std::make_shared<FirmwareOptions>();
    CLI::App* firmware = app.add_subcommand("firmware", "Firmware packages and updates");
    firmware->require_subcommand(1);

    CLI::App* pack = firmware->add_subcommand("pack", "Make a firmware package from an image");
    pack->add_option("IMAGE", options->image, "the firmware image (1 to 122880 bytes)")->required();
    pack->add_option("--version", options->version, "the version, digits and two decimals (1.08)")
        ->required();
    pack->add_option("--out", options->out, "the folder to write the package into")->required();
    pack->add_option("--name", options->name,
                     "the image file's name (default SOLUNE300_<version>.fub)");
    pack->add_option("--label", options->label, "the header's label, at most 11 characters");
    pack->callback([&context, options] { runPack(context, *options); });

    CLI::App* check = firmware->add_subcommand("check", "Check a firmware package");
    check->add_option("DIR", options->folder, "the package folder (default: this program's)");
    check->callback([&context, options] { runCheck(context, *options); });

    CLI::App* update = firmware->add_subcommand("update", "Install a firmware package");
    update->add_option("DIR", options->folder, "the package folder (default: this program's)");
    update->add_flag("--yes,-y", options->yes, "install without asking");
    update->callback([&context, options] { runUpdate(context, *options); });
}

}  // namespace solune::ctl
