#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"

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
    static constexpr int kBars = 41;
    static constexpr int kFaces = 5;

    explicit WriteTimeWindow(core::Seams seams);

    QPushButton* helpButton;
    kit::TextBox* helpAnswer; // the phrase, once help was asked for
    QPushButton* skipButton;
    kit::Label* skipArea; // invisible, under the help answer
    kit::PictureBox* clock;
    kit::LineWidget* hourHand;
    kit::LineWidget* minuteHand;
    QWidget* barColumn;
    std::array<kit::PictureBox*, kBars> bars; // 0 at the bottom
    std::array<QPushButton*, kFaces> faceButtons;
    kit::Label* prompt;
    kit::TextBox* answerBox;
    QComboBox* fontList; // below the client area, yet reachable with Tab

    void showNewQuestion();
    void checkAnswer(int key);
    void showHelp();
    void askForHelp();
    void skipQuestion();
    void speakQuestion();
    void showFace(int index);
    void useChosenFont();

    // The question: its row of the phrase list and the text to type, one
    // blank and the phrase.
    int questionRow() const { return m_questionRow; }
    QString question() const { return m_question; }
    bool helped() const { return m_helped; }
    int solvedCount() const { return m_solvedCount; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void countSolved();
    void activated();

    DrawnClock m_hands;
    QStringList m_phraseTails; // one blank and the phrase, by row
    int m_questionRow = 0;
    QString m_question;
    bool m_helped = false;
    int m_solvedCount = 0;
};
