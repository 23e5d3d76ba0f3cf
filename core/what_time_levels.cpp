// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/what_time_levels.h"

namespace core {

DialTime dealDialTime(const WhatTimeLevel& level, const std::function<int(int)>& draw) {
    DialTime time;
    do {
        time.minute = draw(60);
        time.hour = draw(12);
    } while (level.redrawsOffStep && time.minute % level.minuteStep != 0);
    time.minute -= time.minute % level.minuteStep;
    return time;
}

} // namespace core
