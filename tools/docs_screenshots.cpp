// Renders the activity screenshots of docs/ from fixed draws, so that a
// change to a window or a picture can be shown again exactly:
//   docs_screenshots docs/
// Each window is driven through its own controls as a child would, then
// grabbed without a window frame.
#include "activities/investigate_window.h"
#include "activities/live_clock_window.h"
#include "activities/match_text_window.h"
#include "activities/match_time_window.h"
#include "activities/move_hands_window.h"
#include "activities/what_time_window.h"
#include "activities/write_time_window.h"
#include "kit/label.h"
#include "kit/list_box.h"
#include "kit/text_box.h"
#include "kit/window_frames.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <memory>
#include <random>

namespace {

// The same draws at every run; speech and message boxes go nowhere.
core::Seams fixedSeams(unsigned seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    core::Seams seams;
    seams.random = [engine] { return std::uniform_real_distribution<double>(0, 1)(*engine); };
    seams.now = [] { return QTime(10, 10, 30); };
    seams.speak = [](const QString&, int) {};
    seams.message = [](const QString&, const QString&) {};
    return seams;
}

// Shows a window the way the menu does and lets it become active.
template <class Window> std::unique_ptr<Window> open(unsigned seed) {
    auto window = std::make_unique<Window>(fixedSeams(seed));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    kit::showWindow(*window);
    (void)QTest::qWaitForWindowExposed(window.get());
    QApplication::processEvents();
    return window;
}

bool save(QWidget& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "docs_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

bool liveClock(const QDir& folder) {
    auto window = open<LiveClockWindow>(1);
    return save(*window, folder, "main-clock.png");
}

bool investigate(const QDir& folder) {
    auto window = open<InvestigateWindow>(2);
    window->phraseList->selectRow(21); // "01.45 Tres quarts de dues"
    return save(*window, folder, "investigate.png");
}

bool whatTime(const QDir& folder) {
    auto window = open<WhatTimeWindow>(3);
    window->chooseQuarters();
    window->showNewTimes();
    window->sayDialTime(5);
    return save(*window, folder, "what-time.png");
}

bool moveHands(const QDir& folder) {
    auto window = open<MoveHandsWindow>(4);
    // Three right answers: the hands set to the digits, then "ok".
    for (int i = 0; i < 3; ++i) {
        const int hour = int(window->targetHour->number()) % 12;
        const int minute = int(window->targetMinute->number());
        window->handsScrollBar->setValue(hour * 60 + minute);
        click(window->okButton);
    }
    return save(*window, folder, "move-hands.png");
}

// The write-the-time window with its speech heard: the clock, clicked, says
// the phrase the child is to type.
std::unique_ptr<WriteTimeWindow> openWriteTime(unsigned seed, std::shared_ptr<QString> heard) {
    core::Seams seams = fixedSeams(seed);
    seams.speak = [heard](const QString& text, int) { *heard = text; };
    auto window = std::make_unique<WriteTimeWindow>(std::move(seams));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    kit::showWindow(*window);
    (void)QTest::qWaitForWindowExposed(window.get());
    QApplication::processEvents();
    return window;
}

bool writeTime(const QDir& folder) {
    auto heard = std::make_shared<QString>();
    auto window = openWriteTime(5, heard);
    auto* answerBox = window->findChild<kit::TextBox*>(QStringLiteral("answerBox"));
    auto* clock = window->findChild<QWidget*>(QStringLiteral("clock"));
    const auto phrase = [&] {
        click(clock);
        return heard->mid(1);
    };
    QTest::keyClicks(answerBox, phrase().left(7).toLower());
    if (!save(*window, folder, "write-time-typing.png"))
        return false;
    // Six solved, the third and fifth after asking for help, on the picnic
    // face; then help asked for the seventh, a few letters typed.
    answerBox->clear();
    click(window->findChild<QPushButton*>(QStringLiteral("faceButtons3")));
    for (int solved = 0; solved < 6; ++solved) {
        if (solved == 2 || solved == 4)
            QTest::keyClick(answerBox, Qt::Key_F1);
        QTest::keyClicks(answerBox, phrase());
    }
    QTest::keyClick(answerBox, Qt::Key_F1);
    QTest::keyClicks(answerBox, phrase().left(5));
    return save(*window, folder, "write-time-bars.png");
}

bool matchTime(const QDir& folder) {
    auto window = open<MatchTimeWindow>(6);
    // Three right, two wrong.
    for (int i = 0; i < 5; ++i) {
        const int target = window->targetDial();
        window->checkAnswer(i % 2 ? (target + 1) % MatchTimeWindow::kDials : target);
    }
    return save(*window, folder, "match-time.png");
}

bool matchText(const QDir& folder) {
    auto window = open<MatchTextWindow>(7);
    // Right, wrong, wrong, right, right, wrong, right, right.
    for (const bool right : {true, false, false, true, true, false, true, true})
        window->answer(right ? window->answerBar() : (window->answerBar() + 1) % 5);
    return save(*window, folder, "match-text.png");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: docs_screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "docs_screenshots: no folder %s\n", argv[1]);
        return 2;
    }
    bool ok = true;
    for (const auto shoot :
         {liveClock, investigate, whatTime, moveHands, writeTime, matchTime, matchText})
        ok = shoot(folder) && ok;
    return ok ? 0 : 1;
}
