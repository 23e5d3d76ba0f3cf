// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match_text_round.h"

#include "core/phrases.h"

namespace core {

TextQuestion dealTextQuestion(const std::function<int(int)>& draw) {
    TextQuestion question;
    for (int& row : question.barRows)
        row = draw(kPhraseCount);
    question.answerBar = draw(kPhraseBars);
    question.barRows[std::size_t(question.answerBar)] = draw(kPhraseCount);
    return question;
}

bool isRightBar(const TextQuestion& question, int bar) {
    const QStringList& rows = phraseList();
    return rowPhrase(rows.at(question.barRows[std::size_t(bar)])) ==
           rowPhrase(rows.at(question.answerRow()));
}

void AnswerStrip::record(bool right) {
    if (m_given >= kStripCells) {
        m_marks.fill(Mark::Free);
        m_given = 0;
    }
    m_marks[std::size_t(m_given)] = right ? Mark::Right : Mark::Wrong;
    ++m_given;
}

bool echoesAnswer(quint64 answeredAt, quint64 pressAt, int interval) {
    return pressAt >= answeredAt && pressAt - answeredAt < quint64(qMax(interval, 0));
}

} // namespace core
