#pragma once
// Telling screen readers that a control changed: its name (caption or text),
// its value (a slider's, a bar's), or its checked state. Nothing happens
// while no assistive technology listens.

class QWidget;

namespace solune {

// What a change of a control's field means to a screen reader.
enum class Spoken {
    Look,     // only the look (colours, fonts, pictures): nothing to tell
    Name,     // the caption or text
    Value,    // the number shown
    Checked,  // the checked or selected state
};

// Announces a change of `what` on `widget`; nothing for Spoken::Look.
void AnnounceChange(QWidget& widget, Spoken what);

}  // namespace solune
