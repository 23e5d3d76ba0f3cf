// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the match-time window, load and first paint, offscreen, against
// opening a bare window of the same size; then dealing a new board of nine
// dials and repainting what changed, and the same with the whole window
// repainted. Prints medians.
//   match_time_open [runs]     (default 50)
#include "activities/match_time_window.h"
#include "activities/real_seams.h"
#include "bench/window_open.h"

#include <QPushButton>

namespace {

// The new-board button, pressed as a child would.
double dealOnce(MatchTimeWindow& window, QPushButton& newBoard, bool wholeWindow) {
    QElapsedTimer clock;
    clock.start();
    newBoard.click();
    if (wholeWindow)
        window.repaint();
    else
        QCoreApplication::sendPostedEvents(); // the update requests the new board posted
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);
    bench::reportOpening(
        "match-time window", [] { return new MatchTimeWindow(realSeams()); }, QSize(471, 310),
        runs);

    MatchTimeWindow window(realSeams());
    auto* newBoard = window.findChild<QPushButton*>(QStringLiteral("newBoardButton"));
    if (!newBoard)
        return 1;
    window.show();
    window.grab();
    QCoreApplication::processEvents();
    std::vector<double> changed, whole;
    for (int i = 0; i < runs * 4; ++i) {
        changed.push_back(dealOnce(window, *newBoard, false));
        whole.push_back(dealOnce(window, *newBoard, true));
    }
    std::printf("new board, changed part repainted: %.3f ms (median of %d; target under 3 ms)\n",
                bench::median(changed), runs * 4);
    std::printf("new board, whole window repainted: %.3f ms (median of %d)\n", bench::median(whole),
                runs * 4);
    return 0;
}
