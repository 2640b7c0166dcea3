#include "tests/config/pages/ButtonPageFixture.h"

#include <QApplication>
#include <QVariant>

#include "config/pages/CPopDlg.h"
#include "config/pages/PageContext.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"

namespace solune::test {
namespace {

SkinFailure& TestSkinFailure() {
    static RecordingMessageSink sink;
    static SkinFailure failure(sink, kSkinFailureText, [] {});
    return failure;
}

// One library for the whole test program, as the program keeps one.
SkinLibrary& TestSkin() {
    static SkinLibrary library(TestSkinFailure(), SOLUNE_VESK_SKIN_DIR);
    return library;
}

}  // namespace

bool SkinFailed() {
    return TestSkinFailure().hasFailed();
}

std::vector<MacroListRow> LibraryMacroDirectory::MacroRows() const {
    std::vector<MacroListRow> rows;
    for (const auto& macro : library.macros()) {
        rows.push_back({macro->listText, macro->id});
    }
    return rows;
}

std::optional<ButtonMacro> LibraryMacroDirectory::MacroById(std::int32_t id) const {
    return library.MacroById(id);
}

void LibraryMacroDirectory::Add(std::int32_t id, std::u16string name, std::int16_t key) {
    CMacro& macro = library.SelectOrCreateMacro(id, std::move(name), MacroRect{0, 0, 300, 200});
    macro.AddEvent(kMacroKey, key, 0, 0, kInsertAppend);
    macro.AddEvent(kMacroKey, key, 1, 50, kInsertAppend);
}

ButtonPageFixture::ButtonPageFixture() {
    PageContext context;
    context.skin = &TestSkin();
    context.messages = &messages;
    context.keys = &keys;
    context.macroDirectory = &macros;
    host.setGeometry(40, 40, 900, 500);
    page = new CMouseSettingsDlg(context, &host);
    page->move(0, 0);
    for (int k = 0; k < kButtonCount; ++k) {
        Selector(k).setTickSource([this] { return m_tick += 1000; });
    }
    host.ShowAndWait();
    PopUps::SetFallbackAnswer(Seen([](QWidget* popUp) {
        QWidget* close = popUp->findChild<QWidget*>(QStringLiteral("Close"));
        ASSERT_NE(close, nullptr);
        Click(close);
    }));
}

ButtonPageFixture::~ButtonPageFixture() {
    EXPECT_EQ(PopUps::PendingAnswers(), 0u) << "a pop-up answered in advance never opened";
    PopUps::Clear();
}

QWidget* ButtonPageFixture::Find(const char* objectName) const {
    return GuiFixture::Find(page, objectName);
}

CVixMenu* ButtonPageFixture::OpenMenu(int button) {
    CVixComboButton& selector = Selector(button);
    Click(&selector, selector.rect().center());
    return selector.menu();
}

bool ButtonPageFixture::Choose(int button, const QString& text) {
    CVixMenu* menu = OpenMenu(button);
    if (!menu || !menu->isVisible()) {
        return false;
    }
    const int index = RowIndex(menu, text);
    if (index >= 0) {
        Click(menu, RowCenter(menu, index));
        return true;
    }
    for (int i = 0; i < menu->rowCount(); ++i) {
        if (!menu->row(i).hasSubMenu) {
            continue;
        }
        MoveTo(menu, RowCenter(menu, i));
        SkinMenu* sub = menu->GetSubMenu(menu->row(i).id);
        const int subIndex = RowIndex(sub, text);
        if (sub->isVisible() && subIndex >= 0) {
            Click(sub, RowCenter(sub, subIndex));
            return true;
        }
    }
    menu->Close();
    return false;
}

void ButtonPageFixture::ClickControl(const char* objectName) {
    Click(Find(objectName));
}

void ButtonPageFixture::AnswerPopUp(std::function<void(QWidget*)> answer) {
    PopUps::SetNextAnswer(Seen(std::move(answer)));
}

void ButtonPageFixture::AnswerWith(const char* name, std::vector<std::uint32_t> keyCodes) {
    AnswerPopUp([this, name, keyCodes](QWidget* popUp) {
        for (std::uint32_t code : keyCodes) {
            keys.Tap(code);
        }
        QWidget* button = popUp->findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        Click(button, button->rect().center());
    });
}

PopUps::Answer ButtonPageFixture::Seen(std::function<void(QWidget*)> answer) {
    return [this, answer = std::move(answer)](CPopDlg& popUp) {
        ++m_popUpsSeen;
        m_lastCapturedKeys = keys.listening();
        answer(&popUp);
    };
}

QPoint RowCenter(const SkinMenu* menu, int index) {
    const MenuRect& r = menu->row(index).rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

int RowIndex(const SkinMenu* menu, const QString& text) {
    for (int i = 0; i < menu->rowCount(); ++i) {
        if (menu->row(i).text == text) {
            return i;
        }
    }
    return -1;
}

}  // namespace solune::test
