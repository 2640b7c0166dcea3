// The programs' message box, offscreen: it ends through OK, the close button,
// Enter and Escape, copies its text, and grows with its text up to a cap.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>

#include "shared/skin/SkinMessageBox.h"

namespace solune::test {
namespace {

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("Macros/Macro%1.macro is cut short.").arg(i);
    }
    return lines.join(QLatin1Char('\n'));
}

TEST(SkinMessageBoxTest, OkCloseEnterAndEscapeEndIt) {
    enum class Way { Ok, Close, Enter, Escape };
    for (Way way : {Way::Ok, Way::Close, Way::Enter, Way::Escape}) {
        SkinMessageBox box(QStringLiteral("VESK"), QStringLiteral("Profile 2 could not be saved."));
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        if (way == Way::Ok || way == Way::Close) {
            auto* button = box.findChild<QWidget*>(way == Way::Ok ? "OK" : "Close");
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(box.rect().contains(button->geometry()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::keyClick(&box, way == Way::Enter ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_FALSE(box.isVisible()) << static_cast<int>(way);
        EXPECT_EQ(box.result(), QDialog::Accepted) << static_cast<int>(way);
    }
}

TEST(SkinMessageBoxTest, CtrlCCopiesTheMessage) {
    const QString text = QStringLiteral("Its address:\n\nhttps://support.dravik.com/home");
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    SkinMessageBox box(QStringLiteral("VESK"), text);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_TRUE(box.isVisible());
}

TEST(SkinMessageBoxTest, GrowsWithItsTextUpToACap) {
    SkinMessageBox one(QStringLiteral("VESK"), Lines(1));
    SkinMessageBox eight(QStringLiteral("VESK"), Lines(8));
    SkinMessageBox many(QStringLiteral("VESK"), Lines(300));
    EXPECT_EQ(one.width(), eight.width());
    EXPECT_GT(eight.height(), one.height());
    EXPECT_EQ(eight.message(), Lines(8));
    // A list far too long for a screen is cut at a line and says so.
    EXPECT_LE(many.height(), 600);
    EXPECT_TRUE(many.message().endsWith(QStringLiteral("\n…")));
    EXPECT_TRUE(many.message().startsWith(Lines(8)));
    // The OK button stays at the bottom of every size.
    for (SkinMessageBox* box : {&one, &eight, &many}) {
        auto* ok = box->findChild<QWidget*>("OK");
        ASSERT_NE(ok, nullptr);
        EXPECT_LT(box->height() - ok->geometry().bottom(), 20);
    }
}

}  // namespace
}  // namespace solune::test
