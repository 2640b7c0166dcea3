#pragma once
// What happens when a skin picture that a window needs is missing: the user is
// told with a fixed message and the program ends.
//
// The configuration program's text is "ui load failed!", the updater's "UI
// load failed!". Ending the program is injected: the programs post a request to
// leave the event loop (exit code 0), so the window being built may still
// finish building; tests record the request instead.

#include <functional>
#include <string>
#include <string_view>

#include "platform/MessageSink.h"

namespace solune {

inline constexpr std::string_view kSkinFailureText = "ui load failed!";
inline constexpr std::string_view kUpdaterSkinFailureText = "UI load failed!";

class SkinFailure {
  public:
    using EndProgram = std::function<void()>;

    // `sink` is borrowed and must outlive this object. An empty `endProgram`
    // means PostQuit.
    SkinFailure(MessageSink& sink, std::string_view text, EndProgram endProgram = {});

    // Shows the message and ends the program. Only the first report of this
    // object shows the message and ends the program; later ones are silent, as
    // the program is already on its way out (a second modal box would only
    // stand in the way of the pending end).
    void report();

    // 1 once report() has run.
    bool hasFailed() const { return m_failed; }
    const std::string& text() const { return m_text; }

    // The programs' way of ending: asks the running (or next) event loop to
    // leave with exit code 0. Needs a QCoreApplication.
    static void PostQuit();

  private:
    MessageSink& m_sink;
    std::string m_text;
    EndProgram m_endProgram;
    bool m_failed = false;
};

}  // namespace solune
