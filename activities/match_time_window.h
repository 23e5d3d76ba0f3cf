// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"
#include "core/match_time_round.h"

#include <array>

namespace kit {
class Label;
class PictureBox;
} // namespace kit
class QPushButton;

// Match the phrase to one of nine clocks: nine small dials at random
// five-minute times and, under them, the phrase of one of them. A dial that
// shows the phrase's time counts in "molt bé" and deals a new board; any
// other counts in "proves" and leaves the board for another try.
class MatchTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit MatchTimeWindow(core::Seams seams);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kDials = core::kMatchTimeDials;

    // Nine fresh times, one of them the target; the counts stay.
    void dealBoard();
    void checkAnswer(int dial);
    void speakPhrase();
    // Tells a screen reader that a new phrase stands under the board.
    void announcePhrase();
    void showScore();

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

    std::array<DrawnClock, kDials> m_hands{};
    core::MatchTimeBoard m_board;
    core::MatchTimeScore m_score;
};
