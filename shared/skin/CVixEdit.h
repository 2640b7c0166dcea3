#pragma once
// A single-line text field in the skinned look: a background picture, or a
// black box with a one-pixel grey frame, under the text in the field's own
// font and colour (the caret and selection are the line edit's own). Every
// change of its text, typed or set, is told to the parent as
// controlNotify(id, notify::kEditChanged).

#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <cstdint>

namespace solune {

class CVixEdit : public QLineEdit {
  public:
    explicit CVixEdit(int controlId, QWidget* parent = nullptr);

    int controlId() const { return m_controlId; }

    // The font becomes "Arial" of `height`.
    void SetFontHeight(int height);
    // The text colour, a 0x00BBGGRR colour value (red in the low byte).
    void setTextColor(std::uint32_t colorRef);
    std::uint32_t textColor() const { return m_textColor; }
    // Drawn over the whole field; a null picture brings back the black box.
    void setBackground(QImage background);
    const QImage& background() const { return m_background; }

  protected:
    CVixEdit(int controlId, QWidget* parent, const QFont& font);
    // Makes `font` the field's font.
    void ApplyFont(const QFont& font);

    void paintEvent(QPaintEvent* event) override;

  private:
    void ApplyColors();

    int m_controlId;
    std::uint32_t m_textColor = 0xFFFFFF;
    QImage m_background;
};

}  // namespace solune
