#pragma once
// The configuration program's MessageSink: every message is a SkinMessageBox,
// modal over the program's active window (or on its own while the window is
// hidden in the notification area).

#include <QString>

#include "platform/MessageSink.h"

namespace solune {

class SkinMessageSink : public MessageSink {
  public:
    // `title` is the title of every box (the program's name).
    explicit SkinMessageSink(QString title);

    void showMessage(std::string_view text) override;

  private:
    QString m_title;
};

}  // namespace solune
