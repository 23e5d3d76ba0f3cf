#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"

#include <array>

namespace kit {
class Label;
class PictureBox;
} // namespace kit
class QPushButton;

// Match the phrase to one of nine clocks: nine small dials at random
// five-minute times and, under them, the phrase of one of them. The right
// dial counts in "molt bé" and deals a new board; any other counts in
// "proves" and leaves the board for another try.
class MatchTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kDials = 9;

    explicit MatchTimeWindow(core::Seams seams);

    kit::PictureBox* topStrip;
    kit::PictureBox* board;
    std::array<kit::Label*, kDials> dialHotSpots{}; // invisible, one over each dial
    std::array<kit::LineWidget*, kDials> hourHands{};
    std::array<kit::LineWidget*, kDials> minuteHands{};
    kit::PictureBox* middleStrip;
    kit::Label* phraseShown; // the phrase to find; a click reads it aloud
    kit::Label* rightHeading;
    kit::Label* rightCount;
    kit::Label* wrongCount;
    kit::Label* wrongHeading;
    QPushButton* speakButton;
    QPushButton* newBoardButton;

    // Nine fresh times, one of them the target; the counts stay.
    void dealBoard();
    void checkAnswer(int dial);
    void speakPhrase();

    // What the board holds: each dial's row of the phrase list, its phrase,
    // and the dial whose phrase is shown.
    int dialRow(int dial) const { return m_rows.at(std::size_t(dial)); }
    QString dialPhrase(int dial) const { return m_phrases.at(std::size_t(dial)); }
    int targetDial() const { return m_target; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<DrawnClock, kDials> m_hands{};
    std::array<int, kDials> m_rows{};
    std::array<QString, kDials> m_phrases;
    int m_target = 0;
};
