// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace core {

// What the answer box holds after a check, and whether the question is done.
struct AnswerCheck {
    QString text;
    int caret = 0;
    bool solved = false;
};

// Checks the child's typed answer after a key release: a wrong character
// vanishes where it was typed, so the phrase can only be written letter by
// letter.
//
// question: the text asked for, its leading blank included (" Les tres").
// text: the answer box's text, typed without that blank.
// caret: the number of UTF-16 units before the caret in text.
//
// For any input (empty texts, any caret, any Unicode) the function is total
// and pure, and:
// - The caret is first brought into [0, text.size()]: a negative one reads
//   as 0, one past the end as the end. A caret between the two halves of a
//   surrogate pair reads as after the pair.
// - Caret 0 compares nothing: the text comes back as it went in.
// - Otherwise the character just before the caret (one code point: two units
//   for a surrogate pair, one for anything else, a lone surrogate included)
//   is compared with the question's units at the same place, counting the
//   blank the child does not type: text units [c - w, c) against question
//   units [c - w + 1, c + 1). Both are upper-cased with Unicode rules
//   (QString::toUpper), so case never matters. Where the question has ended,
//   its side is empty and so differs from any typed character: typing past
//   the end of the phrase removes what was typed.
// - When they differ exactly those units are removed and the caret stays
//   where the character went in (c - w); the rest of the text is untouched.
//   When they agree the text is unchanged and the caret is the brought-in one.
// - The result's caret always lies in [0, result text size]; the result text
//   is the input text or the input with one code point taken out; a surrogate
//   pair that was whole in the input is never split.
// - solved says whether one blank followed by the text as it came in begins
//   with the whole question, both upper-cased: a text longer than the phrase
//   still solves it. An empty question is solved by any text; a question
//   that does not begin with a blank is never solved.
AnswerCheck checkAnswer(const QString& question, const QString& text, int caret);

} // namespace core
