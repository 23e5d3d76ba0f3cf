// SPDX-License-Identifier: GPL-3.0-or-later
// Start to main window shown, against a bare Qt window built in the same
// tree, each run alternately so both see the same machine. Prints the medians
// and their ratio.
//   startup_ratio [runs]      (default 30; uses $DISPLAY if set, else offscreen)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double runOnce(const QString& program, const QStringList& arguments = {}) {
    QProcess process;

    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        std::fprintf(stderr, "startup_ratio: %s did not start and show its window\n",
                     qPrintable(program));
        std::exit(1);
    }
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QDir here(QCoreApplication::applicationDirPath());
    const QString bare = here.filePath(QStringLiteral("bare_window"));
    const QString ours = here.filePath(QStringLiteral("main_window_start"));

    const QStringList withMenu{QStringLiteral("--menu")};
    runOnce(bare); // warm the file cache for all three
    runOnce(bare, withMenu);
    runOnce(ours);
    std::vector<double> bareTimes, menuTimes, ourTimes;
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(runOnce(bare));
        menuTimes.push_back(runOnce(bare, withMenu));
        ourTimes.push_back(runOnce(ours));
    }
    const double b = median(bareTimes), m = median(menuTimes), o = median(ourTimes);
    std::printf("platform: %s, runs: %d\n",
                qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb", runs);
    std::printf("bare Qt window:   %.1f ms (median)\n", b);
    std::printf("bare with a menu: %.1f ms (median)\n", m);
    std::printf("main window:      %.1f ms (median)\n", o);
    std::printf("ratio to bare:          %.2f (target at most 1.2)\n", o / b);
    std::printf("ratio to bare with menu: %.2f\n", o / m);
    return 0;
}
