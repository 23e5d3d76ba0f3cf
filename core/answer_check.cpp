// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/answer_check.h"

#include <algorithm>

namespace core {

namespace {

// The caret inside the text, never between the halves of a surrogate pair.
qsizetype caretWithin(const QString& text, int caret) {
    qsizetype c = std::clamp<qsizetype>(caret, 0, text.size());
    if (c > 0 && c < text.size() && text.at(c - 1).isHighSurrogate() && text.at(c).isLowSurrogate())
        ++c;
    return c;
}

// The units of the code point that ends at the caret.
qsizetype widthBefore(const QString& text, qsizetype caret) {
    if (caret >= 2 && text.at(caret - 1).isLowSurrogate() && text.at(caret - 2).isHighSurrogate())
        return 2;
    return 1;
}

} // namespace

AnswerCheck checkAnswer(const QString& question, const QString& text, int caret) {
    // The question begins with the blank the child never types; `typed`, the
    // text behind such a blank, lines up with it character for character.
    const QString typed = QLatin1Char(' ') + text;
    const qsizetype m = question.size();

    AnswerCheck result{text, 0, false};
    const qsizetype c = caretWithin(text, caret);
    result.caret = static_cast<int>(c);
    if (c > 0) {
        const qsizetype w = widthBefore(text, c);
        const QString mine = text.mid(c - w, w).toUpper();
        const QString wanted = question.mid(c - w + 1, w).toUpper();
        if (mine != wanted) {
            result.text.remove(c - w, w);
            result.caret = static_cast<int>(c - w);
        }
    }
    result.solved = typed.left(m).toUpper() == question.toUpper();
    return result;
}

} // namespace core
