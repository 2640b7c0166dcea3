#pragma once
// A label that shows one of several pictures and one of several texts over a
// background picture or a fill colour, and tells its parent of a double click
// (controlNotify(id, notify::kLabelDoubleClicked)).
//
// Drawing: the fill colour over the whole control (the default, fully
// transparent, paints nothing), the background scaled to the control, the
// picture at imageIndex() scaled to the control, then the text at textIndex()
// in textColor() (alpha dropped), centred vertically and, when centerText(),
// horizontally. An index out of range draws nothing for its part.

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace solune {

class CVixStatic : public QWidget {
  public:
    explicit CVixStatic(int controlId, QWidget* parent = nullptr);

    int controlId() const { return m_controlId; }

    // Replaces the background picture.
    void SetBackgroundImage(QImage image);
    // Appends a state picture.
    void AddImage(QImage image);
    // Replaces the first text (or adds it when there is none), shows it
    // (textIndex 0) and repaints.
    void SetText(const QString& text);
    // The text at textIndex, empty when the index is out of range.
    QString GetText() const;
    // That text as drawn: whole, or cut and closed with "…" where the label
    // is too narrow for it.
    QString shownText() const;
    // Appends a text without showing it.
    void AddText(const QString& text);

    // The configuration program's font: "NeoSansStd-Regular" of `height`.
    void SetFontHeight(int height);
    // The updater's font: "NeoSans-Light" of height 11.
    void SetLightFont();

    int imageCount() const { return static_cast<int>(m_images.size()); }

    // Each setter repaints the label when the value changes.
    void setImageIndex(int index);
    int imageIndex() const { return m_imageIndex; }
    void setTextIndex(int index);
    int textIndex() const { return m_textIndex; }
    // ARGB colours; the text's alpha is dropped when drawn.
    void setTextColor(std::uint32_t argb);
    std::uint32_t textColor() const { return m_textColor; }
    void setFillColor(std::uint32_t argb);
    std::uint32_t fillColor() const { return m_fillColor; }
    void setTextFont(const QFont& font);
    const QFont& textFont() const { return m_font; }
    void setCenterText(bool center);
    bool centerText() const { return m_centerText; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int m_controlId;
    std::vector<QImage> m_images;
    std::vector<QString> m_texts;
    QImage m_background;
    int m_imageIndex = 0;
    int m_textIndex = 0;
    std::uint32_t m_textColor = 0xFFFFFFFF;
    std::uint32_t m_fillColor = 0x00000000;
    QFont m_font;
    bool m_centerText = false;
};

}  // namespace solune
