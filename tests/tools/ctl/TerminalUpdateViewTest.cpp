#include "tools/ctl/TerminalUpdateView.h"

#include <gtest/gtest.h>

#include <sstream>

namespace solune {
namespace {

TEST(TerminalUpdateView, ProgressRedrawsOneLineAndShowsOverfullAsFull) {
    std::ostringstream out;
    ctl::TerminalUpdateView view(out);
    view.SetProgress(2);
    view.SetProgress(101);
    view.SetMouseVersionText("1.08");
    view.Report(UpdateEvent::MouseRestarted);
    EXPECT_EQ(out.str(),
              "\r[........................................]   2%"
              "\r[########################################] 100%\n"
              "The mouse reports firmware 1.08.\n");
}

TEST(TerminalUpdateView, SearchMessageEndsTheProgressLine) {
    std::ostringstream out;
    ctl::TerminalUpdateView view(out);
    view.SetProgress(35);
    view.ShowBootLoaderSearchMessage("Caption", "Text");
    EXPECT_EQ(out.str(), "\r[##############..........................]  35%\nCaption: Text\n");
}

}  // namespace
}  // namespace solune
