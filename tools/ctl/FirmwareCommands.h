#pragma once
// solune300ctl firmware ...: firmware packages and the updater's flow without a
// window.
//
//   firmware pack IMAGE --version X.YY --out DIR [--name FILE] [--label TEXT]
//       writes DIR/config.ini and the image file (default name
//       "SOLUNE300_X.YY.fub") with its 40-byte header: vendor 0x22D4, product
//       0x1308, the version, the image's length and checksum, the label.
//   firmware check [DIR]
//       the package checks (name, length, checksum) of DIR, by default the folder
//       of this program; exit status 0 only for a valid package.
//   firmware update [DIR] [--yes]
//       package check, mouse search, version comparison, and after confirmation
//       (a prompt on standard input, or --yes) the boot-loader transfer with a
//       progress bar. Exit status 0 when the transfer completed and the mouse
//       reports the package's version, or when it reported that version already.
// The check and the update write the updater's log lines to its log file.
//
// Exit statuses: 2 bad arguments or an invalid package, 1 the package could not
// be written, 4 no mouse ("SOLUNE 300 mouse not found"), 5 the update failed or
// was declined.

#include <functional>
#include <memory>

#include <CLI/CLI.hpp>

#include "platform/HidBackend.h"
#include "tools/ctl/CtlContext.h"
#include "updater/log/LocalTime.h"

namespace solune::ctl {

void AddFirmwareCommands(CLI::App& app, CtlContext& context);

// Where the firmware commands find the mouse and the time of their log lines
// (their clock is the context's). Empty members take the defaults: the
// system's backend (SOLUNE300_SIMULATOR or hidraw), the local time.
struct FirmwareAccess {
    std::function<std::unique_ptr<HidBackend>()> makeBackend;
    LocalTimeSource localTime;
};

// Replaces the access of this process (tests: a virtual mouse and a fixed
// time). An empty FirmwareAccess restores the defaults.
void SetFirmwareAccess(FirmwareAccess access);

}  // namespace solune::ctl
