// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

// The difficulty levels of the what-time-is-it board and how a dial's time is
// dealt at each. Nothing is scored on that board, so a round has no counters:
// it is the times on the dials and the level they were dealt at.
namespace core {

struct WhatTimeLevel {
    // The minutes a dial may show are the multiples of this step.
    int minuteStep;
    // Whether a drawn minute off the step is drawn again (hour and all) or
    // simply dropped to the hour.
    bool redrawsOffStep;
    const char* name;           // shown under the icons once chosen
    const char* icon;           // picture of the icon that chooses it
    const char* accessibleName; // the icon's name for screen readers
};

// In the order of the icons, left to right: whole hours, half hours, quarters.
inline constexpr std::array<WhatTimeLevel, 3> kWhatTimeLevels{{
    {60, false, "Hores", "icon_blocks_1", "Només hores"},
    {30, true, "Dos quarts", "icon_blocks_2", "Hores i dos quarts"},
    {15, true, "Un quart", "icon_blocks_4", "Quarts"},
}};

// The level name shown before any icon is chosen: the first level's, but in
// small letters.
inline constexpr char kWhatTimeFirstName[] = "hores";

struct DialTime {
    int hour = 0;   // 0 to 11, 0 is twelve
    int minute = 0; // a multiple of the level's step, 0 to 59
};

// Deals one dial's time. draw(n) must give a whole number in [0, n); it is
// called for the minute (n = 60), then the hour (n = 12), and both again
// while the level redraws a minute off its step. At a level that does not
// redraw, exactly two draws are taken and the minute drops to the hour.
DialTime dealDialTime(const WhatTimeLevel& level, const std::function<int(int)>& draw);

} // namespace core
