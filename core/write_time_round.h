// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace core {

// The clock faces of the write-the-time window, one per face button: the
// picture each puts on the clock. The first is also the face it opens with;
// the third and the fifth are the same picture.
inline constexpr std::array<const char*, 5> kWriteTimeFaces{
    "face_embossed_dark", "face_roman_dark", "face_train", "face_roman_picnic", "face_train"};

// The column of bars that solved questions colour, the lowest first.
inline constexpr int kWriteTimeBars = 41;

// The bar a solve colours, and whether help was asked for that question.
struct SolvedBar {
    int index = 0;
    bool helped = false;
};

// One sitting at the write-the-time window: the question asked (a row of the
// phrase list), whether help was asked for it, and how many were solved.
class WriteTimeRound final {
public:
    int questionRow() const { return m_questionRow; }
    bool helped() const { return m_helped; }
    int solved() const { return m_solved; }

    // A new question at row, kept as given; help is off for it.
    void ask(int row);

    // Help was asked for the current question; asking again changes nothing.
    void help() { m_helped = true; }

    // Counts one more solved question (the count never stops) and says which
    // bar it colours: the n-th solve colours bar n - 1, and once the top bar
    // is coloured there is none. The question and its help flag stay as they
    // are until the next ask().
    std::optional<SolvedBar> solve();

private:
    int m_questionRow = 0;
    bool m_helped = false;
    int m_solved = 0;
};

} // namespace core
