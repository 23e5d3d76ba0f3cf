// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the what-time-is-it window (load, the activation that deals the
// times, first paint), offscreen, against opening a bare window of the same
// size. Prints medians and their ratio.
//   what_time_open [runs]     (default 50)
#include "activities/real_seams.h"
#include "activities/what_time_window.h"
#include "bench/window_open.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto open = [] {
        auto* window = new WhatTimeWindow(realSeams());
        // The board is filled when the platform reports the window active,
        // an event that follows the show; on screen it arrives before the
        // first paint, so it is let in here too.
        window->show();
        QCoreApplication::processEvents();
        return window;
    };
    return bench::reportOpening("what-time window", open, QSize(570, 366),
                                bench::runsFrom(argc, argv));
}
