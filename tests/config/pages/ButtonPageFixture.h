#pragma once
// The button page offscreen, on the skin pictures the build draws, with a
// macro library made in the test, a scripted key source and a recording
// message sink. The page is shown inside a recording host window, so that the
// news the page passes on can be checked.
//
// Menus are driven as a user drives them: a click on a selector opens its
// menu, a move over a row opens that row's sub-menu, a click on a row
// chooses it. The selectors get a virtual tick that jumps 1000 ms per
// reading, so that no click falls into the 200 ms reopen latch.
//
// Pop-ups are answered in advance (PopUps::SetNextAnswer): each one that
// opens takes the next queued answer, or is closed with its "Close" button
// when none is queued. Nothing waits on real time.

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "config/macros/MacroLibrary.h"
#include "config/pages/CMouseSettingsDlg.h"
#include "config/pages/MacroDirectory.h"
#include "config/pages/PopUps.h"
#include "tests/support/ScriptedKeySource.h"
#include "config/profiles/Profile.h"
#include "shared/skin/CVixMenu.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {

// The macro list over a library of the test.
class LibraryMacroDirectory : public MacroDirectory {
  public:
    std::vector<MacroListRow> MacroRows() const override;
    std::optional<ButtonMacro> MacroById(std::int32_t id) const override;

    // Adds a macro with two key events (press and release of `key`).
    void Add(std::int32_t id, std::u16string name, std::int16_t key = 0x41);
    void Remove(std::int32_t id) { library.DeleteMacro(id); }

    MacroLibrary library;
};

class ButtonPageFixture : public GuiFixture {
  protected:
    ButtonPageFixture();
    ~ButtonPageFixture() override;

    CVixComboButton& Selector(int button) { return *page->selector(button); }
    QWidget* Find(const char* objectName) const;
    template <typename T>
    T& Control(const char* objectName) const {
        T* control = dynamic_cast<T*>(Find(objectName));
        EXPECT_NE(control, nullptr) << objectName;
        return *control;
    }

    // Clicks selector `button` (0 … 8) and returns its menu.
    CVixMenu* OpenMenu(int button);
    // Opens selector `button`'s menu and chooses the row with `text`, in the
    // menu itself or in the sub-menu of one of its rows (opened by moving
    // over that row). False when the user could not reach such a row.
    bool Choose(int button, const QString& text);
    // Clicks the control with this object name at its centre.
    void ClickControl(const char* objectName);

    // Queues the answer to the next pop-up; it runs on the pop-up once the
    // pop-up's event loop spins.
    void AnswerPopUp(std::function<void(QWidget*)> answer);
    // A queued answer that clicks the pop-up's button `name` ("OK", "Cancel",
    // "Close"), after playing `keys` (virtual-key codes, each pressed and
    // released) through the key source.
    void AnswerWith(const char* name, std::vector<std::uint32_t> keys = {});
    int popUpsSeen() const { return m_popUpsSeen; }
    // Whether the key source was listening while the last pop-up was open
    // (true for the key-capture pop-up only).
    bool lastPopUpCapturedKeys() const { return m_lastCapturedKeys; }

    RecordingMessageSink messages;
    ScriptedKeySource keys;
    LibraryMacroDirectory macros;
    RecordingParent host;
    CMouseSettingsDlg* page = nullptr;  // owned by host

  private:
    // Counts the pop-up and notes whether key capture listens, then `answer`.
    PopUps::Answer Seen(std::function<void(QWidget*)> answer);

    int m_popUpsSeen = 0;
    bool m_lastCapturedKeys = false;
    std::uint32_t m_tick = 0;
};

// Whether a page asked the skin for a picture it does not have.
bool SkinFailed();

// Centre of row `index` of `menu`, in the menu's coordinates.
QPoint RowCenter(const SkinMenu* menu, int index);
// Index of the row with `text`, or -1.
int RowIndex(const SkinMenu* menu, const QString& text);

}  // namespace solune::test
