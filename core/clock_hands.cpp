#include "core/clock_hands.h"

#include "kit/picture_box.h"

#include <cmath>

namespace core {

namespace {

const double kPi = 4.0 * std::atan(1.0);

void placeLine(kit::LineWidget* line, int cx, int cy, int length, double alpha) {
    if (!line)
        return;
    const HandTip tip = handTip(cx, cy, length, alpha);
    line->setX1(static_cast<float>(tip.x));
    line->setY1(static_cast<float>(tip.y));
    line->setX2(static_cast<float>(cx));
    line->setY2(static_cast<float>(cy));
}

} // namespace

HandTip handTip(int cx, int cy, int length, double alphaDegrees) {
    const double theta = (180.0 - alphaDegrees) * kPi / 180.0;
    return {cx + length * std::sin(theta), cy + length * std::cos(theta)};
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

void placeHands(const ClockHands& clock, int hour, int minute) {
    placeLine(clock.minuteLine, clock.cx, clock.cy, clock.minuteLength, minuteAngle(minute));
    placeLine(clock.hourLine, clock.cx, clock.cy, clock.hourLength, hourAngle(hour, minute));
}

void placeHands(const ClockHands& clock, int hour, int minute, int second) {
    placeLine(clock.secondLine, clock.cx, clock.cy, clock.secondLength, secondAngle(second));
    placeHands(clock, hour, minute);
}

} // namespace core
