// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

// The rules of the match-the-phrase-to-nine-clocks game, without widgets.
namespace core {

inline constexpr int kMatchTimeDials = 9;

// One board: the phrase-list row each dial shows, dials in reading order
// (three rows of three, each left to right), and the dial whose phrase is
// asked for.
struct MatchTimeBoard {
    std::array<int, kMatchTimeDials> rows{};
    int target = 0;
};

// Deals a board with draw(n), a whole number in [0, n): first one row of the
// phrase list for each dial in reading order, then the target dial, ten
// draws in all. Each dial draws on its own, so two dials may get one row.
MatchTimeBoard dealMatchTimeBoard(const std::function<int(int choices)>& draw);

// Whether a dial answers the board: it shows the same time as the target
// dial. When two dials were dealt that time the child cannot tell them apart,
// so either is right. A dial or a target outside [0, kMatchTimeDials) never
// answers.
bool showsTargetTime(const MatchTimeBoard& board, int dial);

// What a round counts: right answers ("molt bé") and wrong tries ("proves").
// Both start at 0 when the window opens and only grow.
struct MatchTimeScore {
    int right = 0;
    int wrong = 0;
};

} // namespace core
