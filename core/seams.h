// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>
#include <functional>

namespace core {

// Volumes handed to speech: the speech program's normal level, and the
// louder one the game windows ask for.
inline constexpr int kNormalVolume = 100;
inline constexpr int kGameVolume = 120;

// What an activity window takes from the world. The program hands in the
// real ones; tests hand in scripted ones and check what the window did.
struct Seams {
    std::function<double()> random; // uniform in [0, 1)
    std::function<QTime()> now;     // local time of day
    std::function<void(const QString& text, int volume)> speak;
    std::function<void(const QString& prompt, const QString& title)> message;
};

// A window's own random source: a generator started from the time of day
// with sub-second resolution, so two windows opened within one second still
// differ. Draws are uniform in [0, 1).
std::function<double()> timeSeededRandom();

} // namespace core
