// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>
#include <functional>

// The rules of matching the digits to one of five phrases, without widgets.
namespace core {

inline constexpr int kPhraseBars = 5;
inline constexpr int kStripCells = 68;

// One question: the row of phraseList() each bar shows, top to bottom, and
// the bar that was dealt the row of the digits.
struct TextQuestion {
    std::array<int, kPhraseBars> barRows{};
    int answerBar = 0;

    int answerRow() const { return barRows[std::size_t(answerBar)]; }
};

// Deals a question with draw(n), a uniform whole number in [0, n): a row for
// each bar from the top, then the answer bar, then the digits' row, which
// replaces that bar's row. Exactly seven draws in that order. Nothing keeps
// the rows apart, so other bars may say the answer's phrase too.
// draw must return values in range; rows are 0 to kPhraseCount - 1.
TextQuestion dealTextQuestion(const std::function<int(int)>& draw);

// Whether choosing bar 0 to kPhraseBars - 1 is right: its phrase is the
// phrase of the digits, whichever bar was dealt them. The child can only
// judge the words, so a second bar with the same words is right as well.
bool isRightBar(const TextQuestion& question, int bar);

// The record of answers along the bottom of the window: one cell per answer,
// left to right.
class AnswerStrip final {
public:
    enum class Mark { Free, Right, Wrong };

    // Marks the next free cell. With every cell used, the strip first empties
    // and the answer goes into cell 0: a new run of the record.
    void record(bool right);

    // Answers in the current run, 0 to kStripCells: also the next free cell.
    int given() const { return m_given; }

    // What cell 0 to kStripCells - 1 shows.
    Mark mark(int cell) const { return m_marks[std::size_t(cell)]; }

private:
    std::array<Mark, kStripCells> m_marks{};
    int m_given = 0;
};

// Whether a mouse press at pressAt is the second click of a double click
// whose first click answered at answeredAt, so it must not answer the new
// question under the pointer: it came at or after the answer and less than
// interval milliseconds later. Times are event timestamps in milliseconds;
// a press stamped before the answer is never an echo.
bool echoesAnswer(quint64 answeredAt, quint64 pressAt, int interval);

} // namespace core
