// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match_time_round.h"

#include "core/phrases.h"

namespace core {

namespace {

bool isDial(int dial) {
    return dial >= 0 && dial < kMatchTimeDials;
}

} // namespace

MatchTimeBoard dealMatchTimeBoard(const std::function<int(int choices)>& draw) {
    MatchTimeBoard board;
    for (int& row : board.rows)
        row = draw(kPhraseCount);
    board.target = draw(kMatchTimeDials);
    return board;
}

bool showsTargetTime(const MatchTimeBoard& board, int dial) {
    if (!isDial(dial) || !isDial(board.target))
        return false;
    return board.rows[std::size_t(dial)] == board.rows[std::size_t(board.target)];
}

} // namespace core
