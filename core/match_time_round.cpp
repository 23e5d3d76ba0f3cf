#include "core/match_time_round.h"

#include "core/phrases.h"

namespace core {

MatchTimeBoard dealMatchTimeBoard(const std::function<int(int choices)>& draw) {
    MatchTimeBoard board;
    for (int& row : board.rows)
        row = draw(kPhraseCount);
    board.target = draw(kMatchTimeDials);
    return board;
}

} // namespace core
