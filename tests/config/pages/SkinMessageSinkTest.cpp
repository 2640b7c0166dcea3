// The configuration program's message sink, offscreen: it shows each message
// in the skinned box, modally, and returns once it is acknowledged.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "config/pages/SkinMessageSink.h"
#include "shared/skin/SkinMessageBox.h"

namespace solune::test {
namespace {

TEST(SkinMessageSinkTest, TheSinkShowsTheTextModallyAndReturnsOnceAcknowledged) {
    SkinMessageSink sink(QStringLiteral("VESK"));
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = dynamic_cast<SkinMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->message();
        QTest::mouseClick(box->findChild<QWidget*>("OK"), Qt::LeftButton);
    });
    sink.showMessage("The macros could not be saved: the disk is full.");
    EXPECT_EQ(shown, QStringLiteral("The macros could not be saved: the disk is full."));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace solune::test
