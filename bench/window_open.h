// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

// Opening an activity window (build, show, first full paint), offscreen,
// against opening a bare window of the same client size in the same run.
namespace bench {

inline double openOnce(const std::function<QWidget*()>& make) {
    QElapsedTimer clock;
    clock.start();
    QWidget* window = make();
    window->show();
    // grab() paints the whole window once, as its first paint on screen would.
    window->grab();
    const double ms = clock.nsecsElapsed() / 1e6;
    delete window;
    QCoreApplication::processEvents();
    return ms;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Prints the first open, the median of `runs` later opens, the bare window's
// median and their ratio. Call from main() after creating the application.
inline int reportOpening(const char* name, const std::function<QWidget*()>& make, QSize client,
                         int runs) {
    const auto bare = [client] {
        auto* w = new QWidget;
        w->resize(client);
        return w;
    };
    // In the program the main window has drawn text before any activity
    // opens, so the one-time font set-up is paid before the first measured
    // open.
    openOnce([] { return new QLabel(QStringLiteral("Quirvel'rellotge")); });
    const double first = openOnce(make);
    std::vector<double> windows, bares;
    for (int i = 0; i < runs; ++i) {
        bares.push_back(openOnce(bare));
        windows.push_back(openOnce(make));
    }
    std::printf("first open (pictures not yet cached): %.2f ms (target under 30 ms)\n", first);
    std::printf("%s: %.2f ms (median of %d later opens)\n", name, median(windows), runs);
    std::printf("bare window: %.2f ms\n", median(bares));
    std::printf("ratio: %.1f\n", median(windows) / median(bares));
    return 0;
}

inline int runsFrom(int argc, char* argv[], int fallback = 50) {
    return argc > 1 ? std::max(3, std::atoi(argv[1])) : fallback;
}

} // namespace bench
