// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QMouseEvent>

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

void click(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// Types every question the window asks, a wrong key before each right one,
// timing each key release as the window handles it. The clock, clicked, says
// the phrase to type; a solve empties the answer box.
std::vector<double> typeQuestions(WriteTimeWindow& window, const QString& heard, int questions,
                                  int& solved) {
    auto* answerBox = window.findChild<QWidget*>(QStringLiteral("answerBox"));
    auto* clock = window.findChild<QWidget*>(QStringLiteral("clock"));
    std::vector<double> releases;
    for (int q = 0; q < questions; ++q) {
        click(clock);
        const QString phrase = heard.mid(1);
        for (const QChar c : phrase) {
            for (const QString& key : {QStringLiteral("#"), QString(c)}) {
                pressKey(answerBox, key);
                releases.push_back(releaseKey(answerBox, key));
            }
        }
        if (answerBox->property("text").toString().isEmpty())
            ++solved;
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

    // Speech goes to a string here, where the typing reads the phrase from.
    QString heard;
    core::Seams seams = realSeams();
    seams.speak = [&heard](const QString& text, int) { heard = text; };
    auto* window = new WriteTimeWindow(std::move(seams));
    window->show();
    window->activateWindow();
    QCoreApplication::processEvents();
    std::printf("font list: %d families\n",
                int(window->findChild<QComboBox*>(QStringLiteral("fontList"))->count()));
    int solved = 0;
    const std::vector<double> releases = typeQuestions(*window, heard, runs, solved);
    std::printf("key release in the answer box: %.4f ms median, %.4f ms worst of %zu "
                "(target: median under 0.2 ms); %d solved\n",
                bench::median(releases), *std::max_element(releases.begin(), releases.end()),
                releases.size(), solved);
    delete window;
    const std::vector<double> checks = checkAlone();
    std::printf("answer check alone: %.5f ms median of %zu\n", bench::median(checks),
                checks.size());
    return 0;
}
