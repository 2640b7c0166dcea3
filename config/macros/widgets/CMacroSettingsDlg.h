#pragma once
// The macro page of the configuration program: the macro-name list on the
// left, the event list of the chosen macro on the right, "New Macro",
// "Delete", the record options "Record Delay" and "Record Hold" and "Start
// Record" / "Stop Record".
//
// The page shows and edits the main window's macro library
// (PageContext::macros, loaded before the page is made) and drives its
// recorder (PageContext::recorder); it holds no macro data of its own. When it
// is made it shows one message naming what the load could not read, if the
// load met problems, which lets the library be saved again. It never loads or
// saves the library: the main window does, at its start, at Apply and at exit.
//
// Recording listens to the context's key source: every key pressed or
// released while recording becomes a row of the current macro (see
// MacroRecorder), with delays measured on the context's clock. While
// recording, "New Macro", "Delete" and the event list's menu do nothing and
// keys typed into the page are swallowed (Enter still commits the open
// edits). When the key source cannot start, "start hook failed!" is shown and
// the page stays in the recording state until "Stop Record".
//
// "New Macro" is refused with a message when the library's index would grow
// past what it can read back, and so are rows that the macro's file has no
// room for (recording stops then).
//
// Enter and Escape never close the page (SkinPage).

#include <cstdint>

#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroRecorder.h"
#include "config/pages/LayoutControls.h"
#include "config/pages/PageContext.h"
#include "shared/skin/SkinPage.h"

namespace solune {

class CVixButton;
class CVixCheckBox;
class CVixListBox;
class CVixMacroCtrl;

class CMacroSettingsDlg : public SkinPage {
  public:
    // `context` is copied; the objects it points to must outlive the page, and
    // its macro library and recorder must be given. With a parent the page is
    // a child widget of it.
    explicit CMacroSettingsDlg(const PageContext& context, QWidget* parent = nullptr);
    ~CMacroSettingsDlg() override;

    // Ends a recording exactly as "Stop Record" does (the key source stops,
    // "Start Record" and the check boxes come back); nothing when the page is
    // not recording. The main window calls it when it hides or the program
    // ends, so keys typed into other windows are never recorded unseen.
    void StopRecording();

    bool recording() const;
    CVixListBox* macroList() const { return m_macroList; }
    CVixMacroCtrl* eventList() const { return m_eventList; }

    void controlNotify(int id, int value) override;
    void controlClicked(int id) override;

  protected:
    // Key presses and releases aimed at the page or its controls.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class RecordStart { Button, BeforeEvent, AfterEvent };

    void BuildControls();
    // Gives the page and its controls their pictures from `skin` (when the
    // page is first shown).
    void DressPage(SkinLibrary* skin, const LayoutControls& controls);
    // Shows what the load could not read (once, when the page is made) and
    // lets the library be saved again.
    void TellLoadProblems();
    // The macro-name list's maker of a new macro: false (after telling the
    // user) when the library has no room for it.
    bool MakeMacro(std::int32_t id, const QString& text);
    void ShowMessage(const char* text);
    void SelectMacro(std::int32_t id);
    void NewMacro();
    void DeleteMacro();
    void StartRecording(RecordStart how);
    void KeyCaptured(std::uint32_t virtualKey, bool released);
    void SetChecked(CVixCheckBox* box, bool checked);
    std::uint32_t Tick() const;

    PageContext m_context;
    MacroLibrary& m_library;
    MacroRecorder& m_recorder;
    CVixListBox* m_macroList = nullptr;  // the controls are owned through their Qt parent
    CVixMacroCtrl* m_eventList = nullptr;
    CVixButton* m_newMacro = nullptr;
    CVixButton* m_delete = nullptr;
    CVixCheckBox* m_recordDelay = nullptr;
    CVixCheckBox* m_recordHold = nullptr;
    CVixButton* m_startRecord = nullptr;
    CVixButton* m_stopRecord = nullptr;
    bool m_keysStarted = false;
};

}  // namespace solune
