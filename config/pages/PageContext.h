#pragma once
// The outside world of the configuration program's pages and pop-ups, handed
// to each of them at construction. Every pointer is borrowed and outlives the
// windows that hold it; a null pointer means "not available".

namespace solune {

class Clock;
class HidLink;
class KeyEventSource;
class MacroDirectory;
class MacroLibrary;
class MacroRecorder;
class MessageSink;
class PageNotices;
class SkinLibrary;

struct PageContext {
    // The program's one link to the mouse (device actions of the sensor page
    // and the surface analysis).
    HidLink* link = nullptr;
    // The user-visible message boxes ("SOLUNE 300 mouse not found", ...).
    MessageSink* messages = nullptr;
    // Key capture for the key-capture pop-up and the macro recorder.
    KeyEventSource* keys = nullptr;
    // The millisecond tick (the recorder's delays); the macro page needs it.
    Clock* clock = nullptr;
    // The program's skin pictures (the main window's one library). Without it
    // the windows work but show no pictures.
    SkinLibrary* skin = nullptr;
    // The main window, told of the lighting page's Enter and the macro
    // page's delete.
    PageNotices* notices = nullptr;
    // The main window's macro library (loaded before the pages are made) and
    // the recorder that fills its current macro: the macro page shows and
    // edits them and needs both.
    MacroLibrary* macros = nullptr;
    MacroRecorder* recorder = nullptr;
    // The macros as the button page's menus list them: the macro-name list's
    // rows and copies by id. Without it the menus list no macros.
    MacroDirectory* macroDirectory = nullptr;
};

}  // namespace solune
