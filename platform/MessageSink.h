#pragma once
// The user-visible message boxes of both programs.
//
// Every failure that the user is told about is a plain message box with one OK
// button and a fixed English text ("ui load failed!", "SOLUNE 300 mouse not
// found", ...). Code that reports such a failure takes a MessageSink, so the
// programs show a real message box and tests record the texts instead.

#include <string_view>

namespace solune {

class MessageSink {
  public:
    virtual ~MessageSink() = default;

    // Shows `text` (UTF-8) to the user and returns once it has been
    // acknowledged. The program's implementation blocks in a modal box; a
    // test's implementation records the text and returns at once.
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace solune
