// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock_hands.h"

namespace kit {
class LineWidget;
}

// A clock drawn on a picture box: where its hands turn and how long they are,
// and the lines that draw them. A hand without a line is not drawn.
struct DrawnClock {
    core::ClockGeometry geometry;
    kit::LineWidget* hourLine = nullptr;
    kit::LineWidget* minuteLine = nullptr;
    kit::LineWidget* secondLine = nullptr;

    // Moves each line to run from its hand's tip to the centre.
    void show(int hour, int minute, int second = 0) const;
};
