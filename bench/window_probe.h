// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

// Ends the process the moment a window is first exposed on the screen, so a
// driver timing the whole process measures start to window shown.
class ExitWhenExposed final : public QObject {
public:
    explicit ExitWhenExposed(QWidget& window) {
        window.winId();
        window.windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};
