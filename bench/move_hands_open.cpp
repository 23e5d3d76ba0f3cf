// SPDX-License-Identifier: GPL-3.0-or-later
// The move-the-hands window, offscreen: opening it against a bare window, and
// turning the hands through every scroll-bar step (0 to 720 by 5), each
// change repainted before the next, against a bare scroll bar doing the same.
//   move_hands_open [runs]     (default 50 opens, 10 sweeps of 145 steps)
#include "activities/move_hands_window.h"
#include "activities/real_seams.h"
#include "bench/window_open.h"
#include "kit/picture_box.h"

#include <QScrollBar>
#include <QWindow>

namespace {

constexpr int kSteps = 145;

// Counts paints of one widget, to be sure every change was drawn.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Milliseconds for each change of `bar` from 0 to 720, repainted at once;
// the bar starts at six o'clock so that the first step moves the hands too.
// Returns an empty list if some change left `watched` unpainted.
std::vector<double> sweep(QWidget& window, QScrollBar& bar, QWidget& watched, int sweeps) {
    PaintCounter counter(watched);
    std::vector<double> times;
    QElapsedTimer clock;
    for (int round = 0; round < sweeps; ++round) {
        bar.setValue(bar.maximum() / 2);
        QCoreApplication::processEvents();
        for (int step = 0; step < kSteps; ++step) {
            const int before = counter.paints;
            clock.start();
            bar.setValue(step * 5);
            // What the window does at its next update request: paint what
            // changed and flush it, here without waiting for the request.
            QEvent request(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(window.windowHandle(), &request);
            times.push_back(clock.nsecsElapsed() / 1e6);
            if (counter.paints == before)
                return {};
        }
    }
    return times;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * (values.size() - 1))];
}

int reportSweep(int sweeps) {
    auto* window = new MoveHandsWindow(realSeams());
    window->show();
    window->grab();
    QCoreApplication::processEvents();
    auto* handsBar = window->findChild<QScrollBar*>(QStringLiteral("handsScrollBar"));
    auto* face = window->findChild<kit::PictureBox*>(QStringLiteral("face"));
    if (!handsBar || !face) {
        std::fprintf(stderr, "move_hands_open: no scroll bar or face\n");
        return 1;
    }
    const std::vector<double> hands = sweep(*window, *handsBar, *face, sweeps);

    auto* bare = new QWidget;
    bare->resize(window->size());
    auto* bareBar = new QScrollBar(Qt::Horizontal, bare);
    bareBar->setGeometry(handsBar->geometry());
    bareBar->setRange(0, 720);
    bare->show();
    bare->grab();
    QCoreApplication::processEvents();
    const std::vector<double> bars = sweep(*bare, *bareBar, *bareBar, sweeps);
    delete window;
    delete bare;

    if (hands.empty() || bars.empty()) {
        std::fprintf(stderr, "move_hands_open: a step was not repainted\n");
        return 1;
    }
    std::printf("scroll bar, %d steps x %d sweeps, each repainted: median %.3f ms, "
                "90th percentile %.3f ms, worst %.3f ms (target: median under 2 ms)\n",
                kSteps, sweeps, bench::median(hands), percentile(hands, 0.9),
                percentile(hands, 1.0));
    std::printf("bare scroll bar: median %.3f ms\n", bench::median(bars));
    std::printf("ratio: %.1f\n", bench::median(hands) / bench::median(bars));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);
    const int opened = bench::reportOpening(
        "move-hands window", [] { return new MoveHandsWindow(realSeams()); }, QSize(386, 369),
        runs);
    return opened != 0 ? opened : reportSweep(std::max(3, runs / 5));
}
