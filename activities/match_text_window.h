// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "core/match_text_round.h"

#include <QPixmap>
#include <QStringList>
#include <array>
#include <optional>

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
    explicit MatchTextWindow(core::Seams seams);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askQuestion();
    void answer(int bar);
    void speakAnswer();
    void showStrip();
    void setUpKeyboard();

    QPushButton* speakButton = nullptr;       // blank, over the lower edge of the banner
    kit::Label* timeDigits = nullptr;         // "12.15 "
    QPushButton* newQuestionButton = nullptr; // ">>>>>"
    std::array<kit::Label*, core::kPhraseBars> phraseBars{};
    std::array<kit::PictureBox*, core::kStripCells> answerCells{};

    QPixmap m_banner;
    QStringList m_phrases; // each row of the phrase list without its time
    core::TextQuestion m_question;
    core::AnswerStrip m_strip;
    // The release of the mouse click now being handled, if a bar got one.
    std::optional<quint64> m_mouseReleaseAt;
    // When a mouse click last answered rightly and so changed the question.
    std::optional<quint64> m_questionChangedAt;
};
