#pragma once
// The programs' MessageSink: a modal Qt message box with an OK button.

#include <QString>

#include "platform/MessageSink.h"

namespace solune {

class QtMessageSink : public MessageSink {
  public:
    // `title` is the caption of every box (the program's name).
    explicit QtMessageSink(QString title = {});

    void showMessage(std::string_view text) override;

  private:
    QString m_title;
};

}  // namespace solune
