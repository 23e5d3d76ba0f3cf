// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock_hands.h"

#include <cmath>

namespace core {

namespace {

const double kPi = 4.0 * std::atan(1.0);

} // namespace

QPointF handTip(QPoint centre, int length, double alphaDegrees) {
    const double theta = (180.0 - alphaDegrees) * kPi / 180.0;
    return {centre.x() + length * std::sin(theta), centre.y() + length * std::cos(theta)};
}

double hourAngle(int hour, int minute) {
    return (hour + minute / 60.0) * 360.0 / 12.0;
}
double minuteAngle(int minute) {
    return 6.0 * minute;
}
double secondAngle(int second) {
    return 6.0 * second;
}

HandPositions handPositions(const ClockGeometry& clock, int hour, int minute, int second) {
    return {QPointF(clock.centre), handTip(clock.centre, clock.hourLength, hourAngle(hour, minute)),
            handTip(clock.centre, clock.minuteLength, minuteAngle(minute)),
            handTip(clock.centre, clock.secondLength, secondAngle(second))};
}

} // namespace core
