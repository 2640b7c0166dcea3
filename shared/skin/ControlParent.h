#pragma once
// What a window must offer to host skinned controls.
//
// Controls report to the nearest enclosing widget that implements this
// interface, synchronously: the call returns only after the parent has handled
// the news, so a control may rely on the parent's reaction (for example a
// dialog the parent opened and closed) before it goes on.

class QWidget;

namespace solune {

class ControlParent {
  public:
    virtual ~ControlParent() = default;

    // News from a control: `id` is the control's id (or a code of
    // ControlNotify.h) and `value` what happened. See ControlNotify.h.
    virtual void controlNotify(int id, int value) = 0;

    // A row of a combo button's menu was chosen: `id` is the button's id,
    // `rowId` the row's. Returns whether the button takes the row over (its
    // text as caption, its id as the chosen id); a parent that set the button
    // itself while handling the choice, or keeps the button's old choice,
    // returns false. The default tells controlNotify(id, rowId) and accepts.
    virtual bool controlChosen(int id, int rowId) {
        controlNotify(id, rowId);
        return true;
    }

    // A button-like control was clicked (pressed and released on it).
    virtual void controlClicked(int id) { (void)id; }
};

// The nearest ancestor of `widget` (not `widget` itself) that implements
// ControlParent, or nullptr when there is none. Borrowed: valid as long as that
// ancestor lives.
ControlParent* FindControlParent(const QWidget* widget);

// Passes the news kMenuClosing on to the nearest ControlParent above
// `widget` (so that it reaches the main window); any other news is dropped.
void PassMenuClosing(const QWidget& widget, int id, int value);

}  // namespace solune
