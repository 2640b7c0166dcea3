#include "shared/skin/SkinMessageBox.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <string>

#include "shared/skin/CVixButton.h"
#include "tools/skingen/ArtPainter.h"
#include "tools/skingen/SkinFamily.h"

namespace solune {

namespace {

constexpr int kOkId = 1;
constexpr int kCloseId = 2;

// The geometry of the wide pop-ups: their width, title band and message column.
constexpr int kWidth = 397;
constexpr int kTitleTop = 3;
constexpr int kTextLeft = 24;
constexpr int kTextTop = 48;
constexpr int kTextWidth = 350;
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 26;
constexpr int kGapAboveButton = 18;
constexpr int kBottomMargin = 12;
constexpr int kMinimumHeight = 185;
// A longer message is cut at a line end and closed with "…", so the box
// always fits on a small screen.
constexpr int kMaxTextHeight = 420;
constexpr int kMessageFontSize = 13;

int TextHeight(const QString& text) {
    const QFontMetrics metrics(skinart::ArtFont(kMessageFontSize));
    return metrics
        .boundingRect(QRect(0, 0, kTextWidth, 100000), Qt::AlignLeft | Qt::TextWordWrap, text)
        .height();
}

// The message, shortened to its first whole lines and "…" when it is taller
// than kMaxTextHeight (the most lines that fit, found by halving).
QString Fitted(const QString& text) {
    if (TextHeight(text) <= kMaxTextHeight) {
        return text;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto shortened = [&lines](qsizetype count) {
        return QStringList(lines.mid(0, count)).join(QLatin1Char('\n')) + QStringLiteral("\n…");
    };
    qsizetype fits = 0;  // 0 lines always "fit": the box then shows only "…"
    qsizetype tooMany = lines.size();
    while (tooMany - fits > 1) {
        const qsizetype middle = fits + (tooMany - fits) / 2;
        if (TextHeight(shortened(middle)) <= kMaxTextHeight) {
            fits = middle;
        } else {
            tooMany = middle;
        }
    }
    return shortened(fits);
}

}  // namespace

SkinMessageBox::SkinMessageBox(const QString& title, const QString& message, QWidget* parent)
    : CVixImageDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_message(Fitted(message)),
      m_ok(new CVixButton(kOkId, this)),
      m_close(new CVixButton(kCloseId, this)) {
    setObjectName(QStringLiteral("SkinMessageBox"));
    setWindowTitle(title);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_close->setObjectName(QStringLiteral("Close"));
    setFocusPolicy(Qt::StrongFocus);
    BuildPictures(title);
    if (parent != nullptr && parent->isVisible()) {
        const QRect frame = parent->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
}

void SkinMessageBox::BuildPictures(const QString& title) {
    const int textHeight = std::min(TextHeight(m_message), kMaxTextHeight);
    const int buttonTop = kTextTop + textHeight + kGapAboveButton;
    const int height = std::max(kMinimumHeight, buttonTop + kButtonHeight + kBottomMargin);
    const layout::ControlRect okRect{kWidth - kTextLeft - kButtonWidth, height - kBottomMargin -
                                                                            kButtonHeight,
                                     kButtonWidth, kButtonHeight};
    const layout::ControlRect closeRect{kWidth - 27, 0, 27, 23};

    // The family's texts are views: their strings live until the pictures are drawn.
    const std::string titleText = title.toStdString();
    const std::string messageText = m_message.toStdString();
    skinart::SkinFamily family;
    family.size = QSize(kWidth, height);
    family.dialog = true;
    family.texts = {
        {titleText, {12, kTitleTop, kWidth - 12 - 40, 18}, layout::TextRole::Title,
         layout::TextAlign::Left},
        {messageText, {kTextLeft, kTextTop, kTextWidth, textHeight}, layout::TextRole::Message,
         layout::TextAlign::Left},
    };
    family.controls = {
        {kOkId, "OK", layout::ControlKind::Button, okRect, "OK"},
        {kCloseId, "Close", layout::ControlKind::CloseButton, closeRect, ""},
    };
    const QImage normal = skinart::RenderFamilyPicture(family, skinart::ArtState::Normal);
    const QImage over = skinart::RenderFamilyPicture(family, skinart::ArtState::Over);
    const QImage down = skinart::RenderFamilyPicture(family, skinart::ArtState::Down);
    SetBackgroundImage(normal);
    for (const auto& [button, r] : {std::pair{m_ok, okRect}, std::pair{m_close, closeRect}}) {
        const QRect area(r.x, r.y, r.width, r.height);
        button->SetImages(normal.copy(area), over.copy(area), down.copy(area), {});
        button->setGeometry(area);
    }
}

void SkinMessageBox::controlClicked(int id) {
    if (id == kOkId || id == kCloseId) {
        accept();
    }
}

void SkinMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(m_message);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            accept();
            return;
        default:
            CVixImageDialog::keyPressEvent(event);
    }
}

}  // namespace solune
