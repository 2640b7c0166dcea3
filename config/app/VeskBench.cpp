// vesk-bench: the first show of each page, and the main window's page switch
// and profile switch, timed in process. Each switch is the window's own reaction to the button (store,
// load, show) followed by a full repaint of the window. Prints the median and
// the slowest of each in milliseconds. Run it with the program's environment
// (SOLUNE300_SIMULATOR, XDG_CONFIG_HOME, a display or QT_QPA_PLATFORM=offscreen);
// scripts/vesk-bench.sh does, and also times the start of the real program.

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "config/app/CVESKDlg.h"

namespace {

struct Figures {
    double median;
    double slowest;
};

Figures Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

template <typename F>
Figures Time(solune::CVESKDlg& window, int rounds, F step) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        step(i);
        window.repaint();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Summarise(times);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QElapsedTimer build;
    build.start();
    solune::CVESKDlg window(solune::VeskEnvironment::ForProgram());
    window.OnInitDialog();
    window.show();
    QCoreApplication::processEvents();
    const double built = static_cast<double>(build.nsecsElapsed()) / 1e6;

    // The first show of each page other than the first screen's, in button
    // order, before any other switch.
    std::vector<double> firstShows;
    for (int page = 1; page < 5; ++page) {
        firstShows.push_back(Time(window, 1, [&](int) { window.ShowPage(page); }).median);
    }
    window.ShowPage(0);

    constexpr int kRounds = 200;
    const Figures pages = Time(window, kRounds, [&](int i) { window.ShowPage(i % 5); });
    window.ShowPage(0);
    const Figures profiles =
        Time(window, kRounds, [&](int i) { window.SelectProfile(1 + i % 5); });
    std::printf("window built and shown in process: %.1f ms\n", built);
    std::printf("first show of pages 2 ... 5: %.2f, %.2f, %.2f, %.2f ms\n", firstShows[0],
                firstShows[1], firstShows[2], firstShows[3]);
    std::printf("page switch:    median %.2f ms, slowest %.2f ms (%d switches)\n", pages.median,
                pages.slowest, kRounds);
    std::printf("profile switch: median %.2f ms, slowest %.2f ms (%d switches)\n", profiles.median,
                profiles.slowest, kRounds);
    window.ExitProgram(solune::CVESKDlg::ExitRequest::FromSystem);
    return 0;
}
