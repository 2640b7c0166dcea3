// The support page and the rename dialog as the user meets them.

#include <gmock/gmock.h>

#include <QLineEdit>
#include <map>

#include "config/pages/CRenameDlg.h"
#include "config/pages/CSupportDlg.h"
#include "config/pages/ProfileNamer.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/CVixStatic.h"
#include "tests/config/pages/PopDlgFixture.h"
#include "tests/support/FakeUrlHandler.h"

namespace solune::test {
namespace {

class SupportPageTest : public PopDlgFixture {
  protected:
    std::unique_ptr<CSupportDlg> Page() {
        auto page = std::make_unique<CSupportDlg>(Context());
        page->SetUrlOpener([this](const std::string& url) { opened.push_back(url); });
        return page;
    }
    std::vector<std::string> opened;
};

TEST_F(SupportPageTest, ControlsSitAtTheirRectangles) {
    auto page = Page();
    EXPECT_EQ(page->size(), QSize(skin.Picture(solune::skin::SlotOf("Support_Normal.bmp")).size()));
    const std::map<QString, QRect> rects = {
        {"FQA", {139, 122, 125, 25}},           {"Online Support", {139, 274, 125, 24}},
        {"Check Updates", {504, 122, 141, 25}}, {"Check Firmware", {508, 274, 137, 24}},
        {"Firm Version", {630, 301, 30, 14}},   {"Soft Version", {630, 314, 30, 13}},
    };
    for (const auto& [name, rect] : rects) {
        auto* control = page->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->geometry(), rect) << name.toStdString();
        EXPECT_FALSE(control->isHidden());
    }
    EXPECT_EQ(page->findChild<CVixStatic*>("Soft Version")->GetText(), QStringLiteral("1.21"));
    EXPECT_EQ(page->findChild<CVixStatic*>("Soft Version")->textFont().pixelSize(), 13);
    EXPECT_TRUE(skinMessages.messages.empty());
}

TEST_F(SupportPageTest, EachButtonOpensItsAddressWithoutWaiting) {
    auto page = Page();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    for (const char* button : {"FQA", "Online Support", "Check Updates", "Check Firmware"}) {
        auto* control = page->findChild<QWidget*>(button);
        Click(control, QPoint(5, 5));
    }
    const std::vector<std::string> expected = {
        "https://support.dravik.com/categories/20013662-frequently-asked-questions",
        "https://support.dravik.com/home",
        "https://www.dravik.com/",
        "https://support.dravik.com/categories/20014118-software-manual-downloads",
    };
    EXPECT_EQ(opened, expected);
}

TEST_F(SupportPageTest, ALinkThatCannotBeOpenedIsNamedWithItsAddress) {
    struct Case {
        const char* what;
        std::optional<std::string> handler;
        const char* reason;
    };
    const Case cases[] = {
        {"no xdg-open", std::nullopt, "xdg-open was not found"},
        {"xdg-open fails", "exit 3", "xdg-open ended with status 3"},
    };
    const std::string address = "https://support.dravik.com/home";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeUrlHandler handler(c.handler);
        messages.messages.clear();
        CSupportDlg page(Context());
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        testing::internal::CaptureStderr();
        Click(Find(&page, "Online Support"), QPoint(5, 5));
        const bool told = ProcessUntil([this] { return !messages.messages.empty(); }, 30000);
        const std::string errorOutput = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(told);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages.front(), "The web page could not be opened (" +
                                                 std::string(c.reason) + "). Its address:\n\n" +
                                                 address + "\n\nCtrl+C copies this message.");
        // Qt's offscreen platform may add notes of its own around the line.
        EXPECT_THAT(errorOutput, testing::HasSubstr("VESK: could not open " + address + " (" +
                                                    std::string(c.reason) + ")\n"));
    }
}

TEST_F(SupportPageTest, ByDefaultTheLinkGoesToXdgOpen) {
    FakeUrlHandler handler(R"(printf '%s' "$1" > "${0%/*}/opened")");
    CSupportDlg page(Context());
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    Click(Find(&page, "FQA"), QPoint(5, 5));
    const std::string expected =
        "https://support.dravik.com/categories/20013662-frequently-asked-questions";
    EXPECT_TRUE(ProcessUntil([&] { return handler.Written("opened") == expected; }, 30000))
        << handler.Written("opened");
}

TEST_F(SupportPageTest, TheFirmwareVersionOfTheMouseOrItsAbsence) {
    struct Case {
        const char* what;
        std::function<void(simulator::MouseState&)> arrange;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"mouse present, 1.21", [](simulator::MouseState& s) { s.firmwareVersion = 121; }, "1.21"},
        {"version word 5", [](simulator::MouseState& s) { s.firmwareVersion = 5; }, "0.05"},
        {"version word 1000", [](simulator::MouseState& s) { s.firmwareVersion = 1000; }, "10.00"},
        {"no mouse", [](simulator::MouseState& s) { s.plugged = false; }, "-.--"},
        {"request fails", [](simulator::MouseState& s) { simulator::SetFault(s, "busy", 100); },
         "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        simulator::SimulatedMouse mouse;
        mouse.Change(c.arrange);
        VirtualClock virtualClock;
        HidLink mouseLink(mouse.backend(), virtualClock);
        PageContext context = Context();
        context.link = &mouseLink;
        CSupportDlg page(context);
        EXPECT_EQ(page.firmwareText(), QString::fromLatin1(c.shown));
    }
}

TEST_F(SupportPageTest, WithoutALinkTheVersionIsUnknownAndTheMainWindowCanSetIt) {
    PageContext context = Context();
    context.link = nullptr;
    CSupportDlg page(context);
    EXPECT_EQ(page.firmwareText(), QStringLiteral("-.--"));
    page.SetFirmwareText(QStringLiteral("1.08"));
    EXPECT_EQ(page.findChild<CVixStatic*>("Firm Version")->GetText(), QStringLiteral("1.08"));
}

TEST_F(SupportPageTest, EnterAndEscapeDoNothing) {
    QWidget owner;
    auto* page = new CSupportDlg(Context(), &owner);
    owner.resize(800, 600);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    EXPECT_FALSE(page->isWindow());
    page->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(owner.windowHandle(), key);
    }
    page->close();
    EXPECT_TRUE(page->isVisible());
}

class RecordingNamer : public ProfileNamer {
  public:
    void SetProfileName(int profileNumber, const std::u16string& name) override {
        names.emplace_back(profileNumber, name);
    }
    std::vector<std::pair<int, std::u16string>> names;
};

class RenameTest : public PopDlgFixture {
  protected:
    // Opens the dialog for `profile`, runs `during` on it, returns DoModal's result.
    int Run(int profile, const std::function<void(CRenameDlg&)>& during) {
        CRenameDlg dialog(profile, &namer, nullptr, &skin);
        QTimer::singleShot(0, [&dialog, during] { during(dialog); });
        return dialog.DoModal();
    }
    static QWidget* Child(CRenameDlg& dialog, const char* name) {
        return dialog.findChild<QWidget*>(name);
    }
    RecordingNamer namer;
};

TEST_F(RenameTest, ControlsSitAtTheirRectanglesAndTheFocusIsInTheEmptyEdit) {
    bool focused = false;
    QString text = QStringLiteral("not read");
    Run(2, [&](CRenameDlg& dialog) {
        EXPECT_EQ(Child(dialog, "OK")->geometry(), QRect(273, 130, 55, 25));
        EXPECT_EQ(Child(dialog, "Cancel")->geometry(), QRect(336, 130, 55, 25));
        EXPECT_EQ(Child(dialog, "Close")->geometry(), QRect(376, 0, 21, 22));
        EXPECT_EQ(Child(dialog, "Name")->geometry(), QRect(112, 44, 199, 15));
        focused = dialog.focusWidget() == Child(dialog, "Name");
        text = static_cast<QLineEdit*>(Child(dialog, "Name"))->text();
        dialog.reject();
    });
    EXPECT_TRUE(focused);
    EXPECT_EQ(text, QString());
    EXPECT_TRUE(skinMessages.messages.empty());
}

TEST_F(RenameTest, OkAndEnterStoreTheTypedName) {
    for (bool byEnter : {false, true}) {
        namer.names.clear();
        const int result = Run(4, [byEnter](CRenameDlg& dialog) {
            QTest::keyClicks(dialog.focusWidget(), QStringLiteral("Sniper 2"));
            if (byEnter) {
                QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
            } else {
                auto* ok = dialog.findChild<QWidget*>("OK");
                Click(ok, QPoint(5, 5));
            }
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(namer.names, (std::vector<std::pair<int, std::u16string>>{{4, u"Sniper 2"}}));
    }
}

TEST_F(RenameTest, AnEmptyNameIsStoredToo) {
    EXPECT_EQ(Run(3,
                  [](CRenameDlg& dialog) {
                      Click(dialog.findChild<QWidget*>("OK"), {5, 5});
                  }),
              1);
    EXPECT_EQ(namer.names, (std::vector<std::pair<int, std::u16string>>{{3, u""}}));
}

TEST_F(RenameTest, CancelCloseEscapeAndTheSystemCloseChangeNothing) {
    const std::vector<std::function<void(CRenameDlg&)>> ways = {
        [](CRenameDlg& d) {
            Click(d.findChild<QWidget*>("Cancel"), {5, 5});
        },
        [](CRenameDlg& d) {
            Click(d.findChild<QWidget*>("Close"), {5, 5});
        },
        [](CRenameDlg& d) { QTest::keyClick(d.windowHandle(), Qt::Key_Escape); },
        [](CRenameDlg& d) { d.close(); },
    };
    for (const auto& way : ways) {
        const int result = Run(1, [&way](CRenameDlg& dialog) {
            QTest::keyClicks(dialog.focusWidget(), QStringLiteral("New"));
            way(dialog);
        });
        EXPECT_EQ(result, 2);
    }
    EXPECT_TRUE(namer.names.empty());
}

TEST_F(RenameTest, ANumberOutsideOneToFiveChangesNothing) {
    for (int number : {0, 6, -1}) {
        EXPECT_EQ(Run(number,
                      [](CRenameDlg& d) {
                          Click(d.findChild<QWidget*>("OK"), {5, 5});
                      }),
                  1);
    }
    EXPECT_TRUE(namer.names.empty());
}

}  // namespace
}  // namespace solune::test
