#pragma once
// The outside world of the configuration program's main window: where the
// pictures, the program and the user's data are, how the mouse is reached,
// the clock, the message boxes, the desktop's pointer settings, key capture,
// the file dialogs, the pages, the reset warning and the rename dialog, how
// the macro library is written, and whether the desktop has a notification
// area. The program uses ForProgram();
// tests hand in the virtual mouse, a virtual clock, recorders and pages of
// their own.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "config/app/FileDialogs.h"
#include "config/app/MacroModel.h"
#include "config/app/VeskPages.h"
#include "config/keycapture/KeyEventSource.h"
#include "config/pages/PageContext.h"
#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "platform/MessageSink.h"
#include "platform/PointerSettings.h"

namespace solune {

struct VeskEnvironment {
    std::filesystem::path programFolder;   // the export and import dialogs start here
    std::filesystem::path skinFolder;      // the 62 skin pictures
    std::filesystem::path userDataFolder;  // "Dravik/SOLUNE300" is made inside

    // A new device backend (null: no device access, so no mouse).
    std::function<std::unique_ptr<HidBackend>()> makeBackend;
    Clock* clock = nullptr;  // borrowed; required (the program gives the real clock)
    std::unique_ptr<MessageSink> messages;
    std::unique_ptr<PointerSettings> pointer;
    std::unique_ptr<KeyEventSource> keys;  // may be null: no key capture
    std::string keysReason;                // why the desktop-wide source was not chosen (or empty)
    std::unique_ptr<FileDialogs> fileDialogs;
    PageFactory makePages;
    // Writes the macro library at Apply and at the end (empty: into its
    // folder, MacroLibrary::SaveAllMacros).
    MacroLibrarySave saveMacros;

    // The reset warning: true when the user confirmed.
    std::function<bool(const PageContext& context, QWidget* parent)> confirmReset;
    // The rename dialog of profile `number`; calls `store` with the new name
    // when the user confirms.
    std::function<void(int number, const std::function<void(const std::u16string&)>& store,
                       const PageContext& context, QWidget* parent)>
        rename;

    // True when the desktop has a notification area for the tray icon.
    std::function<bool()> trayAvailable;
    // Ends the program after "ui load failed!" (empty: leave the event loop).
    std::function<void()> endProgram;

    // The real world: pictures and program folder beside the executable, the
    // user's configuration folder, the mouse by SOLUNE300_SIMULATOR or hidraw,
    // the real clock, the skin's message boxes, Qt's file dialogs, the real pages and
    // dialogs, the desktop's pointer settings and key capture.
    static VeskEnvironment ForProgram();
};

}  // namespace solune
