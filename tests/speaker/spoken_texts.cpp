// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/speaker/spoken_texts.h"

#include "core/phrases.h"

QStringList spokenTexts() {
    QStringList texts;
    for (const QStringList* list : {&core::phraseList(), &core::mixedHourList()}) {
        for (const QString& row : *list) {
            texts << row << core::rowTail(row);
        }
    }
    for (int hour = 0; hour < 12; ++hour) {
        for (int minute : {0, 15, 30, 45}) {
            texts << core::quarterPhrase(hour, minute).value_or(QString());
        }
    }
    return texts;
}
