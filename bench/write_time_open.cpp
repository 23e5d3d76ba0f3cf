// Opening the write-the-time window (load, first activation with its font
// list, first paint) against a bare window, then the answer check on every
// key release as the child types, wrong keys among right ones. Offscreen.
//   write_time_open [runs]     (default 50)
#include "activities/real_seams.h"
#include "activities/write_time_window.h"
#include "bench/window_open.h"
#include "core/answer_check.h"
#include "core/phrases.h"
#include "kit/text_box.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

// The first activation fills the font list, so it belongs to the opening.
WriteTimeWindow* openActive() {
    auto* window = new WriteTimeWindow(realSeams());
    window->show();
    window->activateWindow();
    QCoreApplication::processEvents();
    return window;
}

void pressKey(QWidget* box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
}

double releaseKey(QWidget* box, const QString& text) {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, text);
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::sendEvent(box, &release);
    return clock.nsecsElapsed() / 1e6;
}

// Types every question the window asks, a wrong key before each right one,
// timing each key release as the window handles it.
std::vector<double> typeQuestions(WriteTimeWindow& window, int questions) {
    std::vector<double> releases;
    for (int q = 0; q < questions; ++q) {
        const QString phrase = window.question().mid(1);
        for (const QChar c : phrase) {
            for (const QString& key : {QStringLiteral("#"), QString(c)}) {
                pressKey(window.answerBox, key);
                releases.push_back(releaseKey(window.answerBox, key));
            }
        }
    }
    return releases;
}

std::vector<double> checkAlone() {
    std::vector<double> checks;
    for (const QString& row : core::phraseList()) {
        const QString question = core::rowTail(row);
        for (qsizetype i = 1; i < question.size(); ++i) {
            const QString text = question.mid(1, i - 1) + QLatin1Char('#');
            QElapsedTimer clock;
            clock.start();
            const core::AnswerCheck result = core::checkAnswer(question, text, int(i));
            checks.push_back(clock.nsecsElapsed() / 1e6);
            if (result.text.size() != i - 1)
                std::abort();
        }
    }
    return checks;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);
    bench::reportOpening(
        "write-the-time window", [] { return openActive(); }, QSize(644, 377), runs);

    WriteTimeWindow* window = openActive();
    std::printf("font list: %d families\n", int(window->fontList->count()));
    const std::vector<double> releases = typeQuestions(*window, runs);
    std::printf("key release in the answer box: %.4f ms median, %.4f ms worst of %zu "
                "(target: median under 0.2 ms); %d solved\n",
                bench::median(releases), *std::max_element(releases.begin(), releases.end()),
                releases.size(), window->solvedCount());
    delete window;
    const std::vector<double> checks = checkAlone();
    std::printf("answer check alone: %.5f ms median of %zu\n", bench::median(checks),
                checks.size());
    return 0;
}
