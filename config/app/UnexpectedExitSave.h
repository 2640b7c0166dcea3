#pragma once
// A save for the ends of the program that bypass the event loop. Qt's X11
// platform calls exit(1) when the connection to the display breaks ("The X11
// connection broke"), and Xlib does the same for the key reader's connection;
// neither returns to the window, so the macro library would not be saved. An
// armed UnexpectedExitSave runs its save from an atexit handler in that case:
// on the window thread (both breaks are seen there, while it reads the
// display) and while the window still exists, since exit() does not unwind the
// stack. A normal end disarms it first (ExitProgram, or the destructor).
//
// One save is armed at a time; arming a second one replaces the first.

#include <functional>

namespace solune {

class UnexpectedExitSave {
  public:
    explicit UnexpectedExitSave(std::function<void()> save);
    ~UnexpectedExitSave();

    UnexpectedExitSave(const UnexpectedExitSave&) = delete;
    UnexpectedExitSave& operator=(const UnexpectedExitSave&) = delete;

    // The save no longer runs at exit.
    void Disarm();

  private:
    static void RunAtExit();
};

}  // namespace solune
