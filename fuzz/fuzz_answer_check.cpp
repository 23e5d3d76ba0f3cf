// SPDX-License-Identifier: GPL-3.0-or-later
// The write-the-time answer check against the promises its header makes, on
// the phrases the window really asks and on any text and caret.
#include "core/answer_check.h"
#include "core/phrases.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

#define EXPECT(condition)                                                                          \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr,                                                                   \
                         "broken: %s\n  question \"%s\"\n  text \"%s\" caret %d\n"                 \
                         "  result \"%s\" caret %d solved %d\n",                                   \
                         #condition, qPrintable(question), qPrintable(text), caret,                \
                         qPrintable(result.text), result.caret, int(result.solved));               \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

bool sameIgnoringCase(QChar typed, QChar asked) {
    return QString(typed).toUpper() == QString(asked).toUpper();
}

// What the child has typed so far is right: each unit matches the phrase
// after its leading blank.
bool rightSoFar(const QString& question, const QString& text) {
    if (text.size() >= question.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!sameIgnoringCase(text[i], question[i + 1]))
            return false;
    return true;
}

// The properties every check must have, whatever went in.
void checkAnyInput(const QString& question, const QString& text, int caret) {
    const core::AnswerCheck result = core::checkAnswer(question, text, caret);
    EXPECT(result.caret >= 0 && result.caret <= result.text.size());
    const qsizetype removed = text.size() - result.text.size();
    EXPECT(removed == 0 || removed == 1 || removed == 2);
    // Only what stood at the caret can go; the rest stays as it was.
    EXPECT(result.text == text.left(result.caret) + text.mid(result.caret + removed));
    if (removed > 0) {
        const QString gone = text.mid(result.caret, removed);
        EXPECT(gone.toUpper() != question.mid(result.caret + 1, removed).toUpper());
    } else if (caret > 0 && caret <= text.size() && !text[caret - 1].isSurrogate()) {
        // A wrong letter never stays.
        EXPECT(caret < question.size() && sameIgnoringCase(text[caret - 1], question[caret]));
    }
    if (caret <= 0)
        EXPECT(removed == 0);
    // Solved exactly when the text begins with the whole phrase.
    bool begins = question.startsWith(u' ') && text.size() >= question.size() - 1;
    for (qsizetype i = 0; begins && i + 1 < question.size(); ++i)
        begins = sameIgnoringCase(text[i], question[i + 1]);
    EXPECT(result.solved == begins);
}

// A right beginning in any case, then one more character at some place: a
// right one stays, a wrong one goes and only it.
void checkTyping(const QString& question, const uint8_t* data, size_t size) {
    if (size < 3)
        return;
    QString text = question.mid(1, data[0] % question.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (data[1] >> (i % 8) & 1)
            text[i] = text[i].toLower();
    const int at = int(data[2] % (text.size() + 1));
    const QString extra =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3)).left(1);
    if (extra.isEmpty() || extra[0].isSurrogate())
        return;
    const QString before = text;
    text.insert(at, extra);
    const int caret = at + 1;
    const core::AnswerCheck result = core::checkAnswer(question, text, caret);
    if (rightSoFar(question, text.left(caret))) {
        EXPECT(result.text == text); // a right letter is never taken
        EXPECT(result.caret == caret);
    } else {
        EXPECT(result.text == before); // the wrong letter, and only it, is gone
        EXPECT(result.caret == at);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const QStringList& rows = core::phraseList();
    const QString question = core::rowTail(rows[data[0] % rows.size()]);
    if (data[1] & 1) {
        checkTyping(question, data + 2, size - 2);
        return 0;
    }
    const int caret = int(int16_t(data[2] | data[3] << 8));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
    checkAnyInput(question, text, caret);
    return 0;
}
