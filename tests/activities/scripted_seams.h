// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/seams.h"
#include "kit/picture_box.h"

#include <QPointF>
#include <QStringList>
#include <QTime>
#include <QtTest>
#include <deque>
#include <memory>

// The world as a test scripts it: draws come from a queue, the clock says
// what the test set, and speech and messages are recorded.
struct Script {
    struct Speech {
        QString text;
        int volume;
    };

    std::deque<double> draws;
    int drawsTaken = 0;
    bool ranOut = false;
    QTime now{10, 10, 30};
    std::vector<Speech> spoken;
    QStringList messages;

    core::Seams seams() {
        core::Seams s;
        s.random = [this] {
            ++drawsTaken;
            if (draws.empty()) {
                ranOut = true;
                return 0.0;
            }
            const double value = draws.front();
            draws.pop_front();
            return value;
        };
        s.now = [this] { return now; };
        s.speak = [this](const QString& text, int volume) { spoken.push_back({text, volume}); };
        s.message = [this](const QString& prompt, const QString&) { messages << prompt; };
        return s;
    }
};

// The draw that gives a whole number n out of `choices`.
inline double pick(int n, int choices) {
    return (n + 0.5) / choices;
}

inline bool near(const kit::LineWidget& line, QPointF tip) {
    return std::abs(line.x1() - tip.x()) < 1e-3 && std::abs(line.y1() - tip.y()) < 1e-3;
}

inline QString tipOf(const kit::LineWidget& line) {
    return QStringLiteral("tip (%1, %2)").arg(line.x1(), 0, 'f', 3).arg(line.y1(), 0, 'f', 3);
}

#define QVERIFY_TIP(line, x, y)                                                                    \
    QVERIFY2(near(*(line), QPointF((x), (y))), qPrintable(tipOf(*(line))))
