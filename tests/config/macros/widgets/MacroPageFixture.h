#pragma once
// The macro page on the offscreen platform: the user's data folder in a
// temporary folder, a macro library of that folder's "Macros" loaded before
// the page is made, as the main window loads it, and its recorder, the skin
// pictures the build draws, a scripted key source, a virtual clock (the
// recorder's delays are ticks the test advances, nothing waits) and a
// recorder of message boxes. Everything is driven through synthesized mouse
// and key events on the real controls, found by their object names; the
// Delete pop-up is answered in advance (PopUps::SetNextAnswer) with a click
// on its button.

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/macros/CMacro.h"
#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroRecorder.h"
#include "config/macros/widgets/CMacroSettingsDlg.h"
#include "config/profiles/Profile.h"
#include "platform/Clock.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/NotingPageNotices.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScriptedKeySource.h"
#include "tests/support/SkinTestSupport.h"
#include "tests/support/TempDir.h"

class QWidget;

namespace solune {
class CVixListBox;
class CVixMacroCtrl;
class CVixMenu;
}  // namespace solune

namespace solune::test {

// A macro for a library written before the page starts.
struct StoredMacro {
    std::u16string name;
    std::int32_t id;
    // (code, edge) of key rows.
    std::vector<std::pair<int, int>> keys;
};

class MacroPageFixture : public GuiFixture {
  protected:
    MacroPageFixture();
    ~MacroPageFixture() override;

    std::filesystem::path macroFolder() const;
    // Writes a library into the macro folder, as an earlier run would have.
    void WriteLibrary(const std::vector<StoredMacro>& macros);
    // Loads a new library from the macro folder, then makes and shows the
    // page on it (a start of the program).
    void OpenPage();
    // Writes the library into the macro folder, as the main window does.
    MacroSaveResult SaveLibrary() { return m_library->SaveAllMacros(); }

    CMacroSettingsDlg& page() { return *m_page; }
    MacroLibrary& library() { return *m_library; }
    CVixListBox& list();
    CVixMacroCtrl& events();
    CVixMenu& menu();
    QWidget* Control(const char* name);
    CMacro* current();

    // A click on a page control by its object name.
    void ClickControl(const char* name);
    bool IsChecked(const char* name);
    // "New Macro", the name typed, Enter.
    void NewMacro(const QString& name);
    // Left click in the middle of macro-list row `index`.
    void ClickListRow(int index);
    // Left click in the middle of event row `index` of the current macro.
    void ClickEventRow(int index);
    // A right click in the event list at `pos`, which opens the menu.
    void RightClickEvents(QPoint pos = {100, 150});
    // Right click, then the menu's rows by text, opening sub-menus on the way.
    void ChooseFromMenu(const std::vector<QString>& path);
    // Clicks the button `buttonName` of the next pop-up once it is up.
    void AnswerNextPopUp(const char* buttonName);
    // Types `text` into `target`, by default the focused widget. (On the
    // offscreen platform a pop-up menu takes the activation from the page, so
    // a field the menu opened is named.)
    void Type(const QString& text, QWidget* target = nullptr);
    void PressKey(Qt::Key key, QWidget* target = nullptr);

    // Keys played through the scripted source, each after `gap` ms.
    void Tap(std::uint32_t key, std::uint32_t gap = 0);
    void Play(std::uint32_t key, bool released, std::uint32_t gap = 0);

    // (code, edge) of the current macro's rows.
    std::vector<std::pair<int, int>> Rows();
    std::vector<std::int32_t> Delays();
    int SelectedEventRow();
    std::vector<QString> ListNames();
    int SelectedListRow();

    TempDir m_dir;
    ScopedEnv m_config;
    RecordingMessageSink m_messages;
    SkinFailure m_skinFailure;
    SkinLibrary m_skin;
    ScriptedKeySource m_keys;
    VirtualClock m_clock{1000};
    NotingPageNotices m_notices;
    PageContext m_context;
    std::unique_ptr<MacroLibrary> m_library;
    std::unique_ptr<MacroRecorder> m_recorder;
    std::unique_ptr<CMacroSettingsDlg> m_page;
    bool m_popUpAnswered = false;
};

}  // namespace solune::test
