// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the investigate window, load and first paint, offscreen, against
// opening a bare window of the same size. Prints medians and their ratio.
//   investigate_open [runs]     (default 50)
#include "activities/investigate_window.h"
#include "activities/real_seams.h"
#include "bench/window_open.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::reportOpening(
        "investigate window", [] { return new InvestigateWindow(realSeams()); }, QSize(794, 469),
        bench::runsFrom(argc, argv));
}
