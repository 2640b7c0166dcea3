// One QApplication for the whole test program, made before the first test and
// deleted after the last, with the skinned controls' accessibility installed as
// the programs install it. Widget test programs add this file to their sources.

#include <gtest/gtest.h>

#include <QApplication>

#include "shared/skin/SkinAccessibility.h"

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "solune_widget_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
        solune::InstallSkinAccessibility();
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

  private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
