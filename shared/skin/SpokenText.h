#pragma once
// A text that the window's picture shows and a screen reader should read: a
// widget over the picture's text that draws nothing and lets every mouse
// event through to the window beneath, with the text as its accessible name
// (role static text).

#include <QString>
#include <QWidget>

namespace solune {

class SpokenText : public QWidget {
  public:
    explicit SpokenText(QWidget* parent = nullptr);

    // The words the picture shows; announced when they change.
    void setText(const QString& text);
    const QString& text() const { return m_text; }

  private:
    QString m_text;
};

}  // namespace solune
