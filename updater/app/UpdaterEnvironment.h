#pragma once
// The outside world of the updater window: where the package, the screen
// pictures and the font are, how the mouse is reached, the clock, the log's
// time, whether the configuration program runs, and how a message box is shown
// and the program ended. The program uses ForProgram(); tests hand in the
// virtual mouse, a virtual clock and recorders.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "updater/log/LocalTime.h"

namespace solune {

struct UpdaterEnvironment {
    // Every wait of the window and its worker goes through `clock`, borrowed; it
    // must outlive the window and its worker thread.
    explicit UpdaterEnvironment(Clock& waits) : clock(waits) {}

    std::filesystem::path packageFolder;  // "config.ini" and the firmware file
    std::filesystem::path skinFolder;     // the 32 screen pictures
    std::filesystem::path fontFile;       // "NeoSans-Light.otf"
    std::filesystem::path logFile;        // the update log; its folders are created
    // The folder from which logFile is reached without following links (the
    // data folder); empty: logFile's own folder.
    std::filesystem::path logRoot;

    // A new device backend (null: no device access, so no mouse).
    std::function<std::unique_ptr<HidBackend>()> makeBackend;
    Clock& clock;
    // Stamps the log entries; empty means the system's local time.
    LocalTimeSource localTime;
    // True while the configuration program runs.
    std::function<bool()> configProgramRunning;
    // A modal message box with an OK button; returns once it is closed.
    std::function<void(const std::string& caption, const std::string& text)> showMessageBox;
    // Ends the program after "UI load failed!" (empty: leave the event loop).
    std::function<void()> endProgram;

    // The real world: the package (W38Updater puts the command line's package
    // folder in its place, UpdaterArguments.h) and the pictures beside the program
    // (ProgramFolder() + "SOLUNE300Updater_Skins", the font in "Updater_Skins"),
    // the log in the user's data folder, the mouse by SOLUNE300_SIMULATOR or
    // hidraw, the real clock, the instance lock "SOLUNE300 Config" and Qt's
    // message box.
    static UpdaterEnvironment ForProgram();
};

}  // namespace solune
