#pragma once

#include <QString>
#include <QTime>
#include <functional>

namespace core {

// What an activity window takes from the world. The program hands in the
// real ones; tests hand in scripted ones and check what the window did.
struct Seams {
    std::function<double()> random; // uniform in [0, 1)
    std::function<QTime()> now;     // local time of day
    std::function<void(const QString& text, int volume)> speak;
    std::function<void(const QString& prompt, const QString& title)> message;
};

// The real world for one window: its own random generator, started from the
// time of day with sub-second resolution so two windows opened within one
// second still differ.
Seams realSeams();

} // namespace core
