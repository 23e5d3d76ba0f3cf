// Opening the investigate window, load and first paint, offscreen, against
// opening a bare window of the same size. Prints medians and their ratio.
//   investigate_open [runs]     (default 50)
#include "activities/investigate_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <class Make> double openOnce(Make make) {
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 50;
    const auto form = [] { return new InvestigateWindow(core::realSeams()); };
    const auto bare = [] {
        auto* w = new QWidget;
        w->resize(794, 469);
        return w;
    };
    // The main window has always drawn text before this window opens, so the
    // one-time font set-up is paid before the first measured open.
    openOnce([] {
        auto* w = new QLabel(QStringLiteral("Quirvel'rellotge"));
        return w;
    });
    const double first = openOnce(form);
    std::vector<double> forms, bares;
    for (int i = 0; i < runs; ++i) {
        bares.push_back(openOnce(bare));
        forms.push_back(openOnce(form));
    }
    std::printf("first open (pictures not yet cached): %.2f ms\n", first);
    std::printf("investigate window:  %.2f ms (median of %d; target under 30 ms)\n", median(forms),
                runs);
    std::printf("bare window:         %.2f ms\n", median(bares));
    std::printf("ratio:               %.1f\n", median(forms) / median(bares));
    return 0;
}
