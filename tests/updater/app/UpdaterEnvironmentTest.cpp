// The updater program's own message box: the texts it is given, in the
// skin's dark look rather than a plain light box, acknowledged with OK.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "shared/skin/SkinMessageBox.h"
#include "updater/app/UpdaterEnvironment.h"

namespace solune::test {
namespace {

TEST(UpdaterEnvironmentTest, TheProgramsMessageBoxIsSkinnedAndKeepsItsText) {
    const UpdaterEnvironment env = UpdaterEnvironment::ForProgram();
    ASSERT_TRUE(env.showMessageBox);
    QString title;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = dynamic_cast<SkinMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        shown = box->message();
        QTest::mouseClick(box->findChild<QWidget*>("OK"), Qt::LeftButton);
    });
    env.showMessageBox("W38Updater", "SOLUNE 300 mouse not found");
    EXPECT_EQ(title, "W38Updater");
    EXPECT_EQ(shown, "SOLUNE 300 mouse not found");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace solune::test
