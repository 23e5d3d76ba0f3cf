// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"
#include "core/write_time_round.h"

#include <QStringList>
#include <array>

namespace kit {
class Label;
class LineWidget;
class PictureBox;
class TextBox;
} // namespace kit
class QComboBox;
class QPushButton;

// The write-the-time window: the child types the phrase for the clock's time
// letter by letter, wrong letters vanish, and every solved question colours
// one bar of a column, yellow alone or maroon after asking for help.
class WriteTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit WriteTimeWindow(core::Seams seams);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildBars();
    void setKeyboardPath();

    void showNewQuestion();
    void checkAnswer(int key);
    void showHelp();
    void askForHelp();
    void skipQuestion();
    void speakQuestion();
    void showFace(int index);
    void useChosenFont();
    void countSolved();
    void activated();
    void keepFontListInReach();

    // Each widget's objectName is its name here.
    struct Widgets {
        QPushButton* helpButton = nullptr;
        kit::TextBox* helpAnswer = nullptr; // the phrase, once help was asked for
        QPushButton* skipButton = nullptr;
        kit::Label* skipArea = nullptr; // invisible, under the help answer
        kit::PictureBox* clock = nullptr;
        kit::LineWidget* hourHand = nullptr;
        kit::LineWidget* minuteHand = nullptr;
        QWidget* barColumn = nullptr;
        std::array<kit::PictureBox*, core::kWriteTimeBars> bars{}; // 0 at the bottom
        std::array<QPushButton*, core::kWriteTimeFaces.size()> faceButtons{};
        kit::Label* prompt = nullptr;
        kit::TextBox* answerBox = nullptr;
        QComboBox* fontList = nullptr; // below the client area
    };
    Widgets m_ui;

    DrawnClock m_hands;
    QStringList m_phraseTails; // one blank and the phrase, by row
    QString m_question;        // the row's tail: one blank and the phrase
    core::WriteTimeRound m_round;
};
