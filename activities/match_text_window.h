#pragma once

#include "activities/activity_window.h"

#include <QPixmap>
#include <QStringList>
#include <array>

namespace kit {
class Label;
class PictureBox;
} // namespace kit
class QPushButton;

// Match the digits to one of five phrases: a time in large digits over five
// bars, one of which says it. Every answer, right or wrong, fills the next
// cell of a strip along the bottom: green above the line, dark red below it.
class MatchTextWindow final : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kBars = 5;
    static constexpr int kCells = 68;

    explicit MatchTextWindow(core::Seams seams);

    QPushButton* speakButton;       // blank, over the lower edge of the banner
    kit::Label* timeDigits;         // "12.15 "
    QPushButton* newQuestionButton; // ">>>>>"
    std::array<kit::Label*, kBars> phraseBars;
    std::array<kit::PictureBox*, kCells> answerCells;

    void askQuestion();
    void answer(int bar);
    void speakAnswer();

    // The bar that holds the phrase of the digits, 0 to 4.
    int answerBar() const { return m_answerBar; }
    // Answers recorded in the strip this round: also the next free cell.
    int answersGiven() const { return m_answersGiven; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void recordAnswer(bool right);
    void emptyStrip();

    QPixmap m_banner;
    QStringList m_phrases; // each row of the phrase list without its time
    int m_answerBar = 0;
    int m_answersGiven = 0;
};
