// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the match-text window, load and first paint, offscreen, against
// opening a bare window of the same size. Prints medians and their ratio.
//   match_text_open [runs]     (default 50)
#include "activities/match_text_window.h"
#include "activities/real_seams.h"
#include "bench/window_open.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::reportOpening(
        "match-text window", [] { return new MatchTextWindow(realSeams()); }, QSize(564, 358),
        bench::runsFrom(argc, argv));
}
