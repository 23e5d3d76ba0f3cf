// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/real_seams.h"

#include "core/speech.h"

#include <QMessageBox>

core::Seams realSeams() {
    core::Seams seams;
    seams.random = core::timeSeededRandom();
    seams.now = [] { return QTime::currentTime(); };
    seams.speak = [](const QString& text, int volume) { core::speak(text, volume); };
    seams.message = [](const QString& prompt, const QString& title) {
        QMessageBox::information(nullptr, title, prompt);
    };
    return seams;
}
