#pragma once
// What a page tells the main window about the profile it shows. The window
// implements it and keeps the current profile; a page never writes into a
// profile on its own.

namespace solune {

class PageNotices {
  public:
    virtual ~PageNotices() = default;

    // The lighting page's Enter: its controls go into the current profile.
    virtual void LightingEntered() = 0;
    // A macro was deleted on the macro page: the button page is stored into
    // the current profile and shows it again, so a button whose macro is gone
    // shows its fallback at once.
    virtual void MacroRemoved() = 0;
};

}  // namespace solune
