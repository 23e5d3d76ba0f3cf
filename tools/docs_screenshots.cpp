// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "core/phrases.h"
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
template <class Window> std::unique_ptr<Window> open(core::Seams seams) {
    auto window = std::make_unique<Window>(std::move(seams));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    kit::showWindow(*window);
    (void)QTest::qWaitForWindowExposed(window.get());
    QApplication::processEvents();
    return window;
}

template <class Window> std::unique_ptr<Window> open(unsigned seed) {
    return open<Window>(fixedSeams(seed));
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
    window->findChild<kit::ListBox*>(QStringLiteral("phraseList"))
        ->selectRow(21); // "01.45 Tres quarts de dues"
    return save(*window, folder, "investigate.png");
}

bool whatTime(const QDir& folder) {
    auto window = open<WhatTimeWindow>(3);
    click(window->findChild<QWidget*>(QStringLiteral("levelIcons2"))); // quarters
    click(window->findChild<QWidget*>(QStringLiteral("newTimesButton")));
    click(window->findChild<QWidget*>(QStringLiteral("dialHotSpots5"))); // top middle
    return save(*window, folder, "what-time.png");
}

bool moveHands(const QDir& folder) {
    auto window = open<MoveHandsWindow>(4);
    auto* hour = window->findChild<kit::Label*>(QStringLiteral("targetHour"));
    auto* minute = window->findChild<kit::Label*>(QStringLiteral("targetMinute"));
    auto* bar = window->findChild<QScrollBar*>(QStringLiteral("handsScrollBar"));
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("okButton"));
    if (!hour || !minute || !bar || !ok)
        return false;
    // Three right answers: the hands set to the digits, then "ok".
    for (int i = 0; i < 3; ++i) {
        bar->setValue(hour->text().toInt() % 12 * 60 + minute->text().toInt());
        click(ok);
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
    // The window's draws, seen on their way in: a board's last draw is its
    // target dial.
    auto draws = std::make_shared<std::vector<double>>();
    core::Seams seams = fixedSeams(6);
    seams.random = [draws, random = seams.random] { return draws->emplace_back(random()); };
    auto window = open<MatchTimeWindow>(std::move(seams));
    // Three right, two wrong.
    for (int i = 0; i < 5; ++i) {
        const int target = int(draws->back() * core::kMatchTimeDials);
        const int dial = i % 2 ? (target + 1) % core::kMatchTimeDials : target;
        click(window->findChild<QWidget*>(QStringLiteral("dialHotSpots%1").arg(dial)));
    }
    return save(*window, folder, "match-time.png");
}

bool matchText(const QDir& folder) {
    auto window = open<MatchTextWindow>(7);
    // The bar that says the digits' time, and the next one down saying
    // something else, as a child reading the window would find them.
    const auto bar = [&window](int n) {
        return window->findChild<kit::Label*>(QStringLiteral("phraseBars%1").arg(n));
    };
    const auto rightBar = [&] {
        const QString digits = window->findChild<kit::Label*>(QStringLiteral("timeDigits"))->text();
        const int row = core::findRow(core::phraseList(), digits.left(5));
        int n = 0;
        while (bar(n)->text() != core::rowPhrase(core::phraseList().at(row)))
            ++n;
        return n;
    };
    // Right, wrong, wrong, right, right, wrong, right, right.
    for (const bool right : {true, false, false, true, true, false, true, true}) {
        const int answer = rightBar();
        int chosen = answer;
        while (!right && bar(chosen)->text() == bar(answer)->text())
            chosen = (chosen + 1) % 5;
        click(bar(chosen));
    }
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
