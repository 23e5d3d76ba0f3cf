// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/drawn_clock.h"

#include "kit/picture_box.h"

void DrawnClock::show(int hour, int minute, int second) const {
    const core::HandPositions hands = core::handPositions(geometry, hour, minute, second);
    if (secondLine)
        secondLine->setEnds(hands.secondTip, hands.centre);
    if (minuteLine)
        minuteLine->setEnds(hands.minuteTip, hands.centre);
    if (hourLine)
        hourLine->setEnds(hands.hourTip, hands.centre);
}
