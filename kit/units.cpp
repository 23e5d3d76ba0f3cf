// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/units.h"

namespace kit {

double captionNumber(const QString& caption) {
    qsizetype i = 0;
    const qsizetype n = caption.size();
    while (i < n && (caption[i] == u' ' || caption[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (caption[i] == u'+' || caption[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && caption[i].isDigit() && caption[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsStart;
    if (i < n && caption[i] == u'.') {
        const qsizetype fracStart = ++i;
        while (i < n && caption[i].isDigit() && caption[i].unicode() < 128)
            ++i;
        digits += i - fracStart;
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double value = caption.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

QString captionText(int value) {
    return QString::number(value);
}

} // namespace kit
