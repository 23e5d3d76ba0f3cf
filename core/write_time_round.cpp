// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/write_time_round.h"

namespace core {

void WriteTimeRound::ask(int row) {
    m_questionRow = row;
    m_helped = false;
}

std::optional<SolvedBar> WriteTimeRound::solve() {
    const int bar = m_solved++;
    if (bar >= kWriteTimeBars)
        return std::nullopt;
    return SolvedBar{bar, m_helped};
}

} // namespace core
