#pragma once

namespace kit {
class LineWidget;
}

// Where the hands of a drawn clock point for a time.
namespace core {

// One drawn clock: its centre in pixels of the picture box holding the lines,
// and one line per hand with its length. The second hand is optional.
struct ClockHands {
    int cx = 0;
    int cy = 0;
    kit::LineWidget* hourLine = nullptr;
    int hourLength = 0;
    kit::LineWidget* minuteLine = nullptr;
    int minuteLength = 0;
    kit::LineWidget* secondLine = nullptr;
    int secondLength = 0;
};

struct HandTip {
    double x;
    double y;
};

// The tip of a hand of the given length at a clockwise angle from twelve.
HandTip handTip(int cx, int cy, int length, double alphaDegrees);

// Angles of the hands: the hour hand moves on with every minute; the minute
// hand follows whole minutes only. The hour is not reduced, so 15 and 3 agree.
double hourAngle(int hour, int minute);
double minuteAngle(int minute);
double secondAngle(int second);

// Writes each line tip first, then centre: second, minute, hour.
void placeHands(const ClockHands& clock, int hour, int minute);
void placeHands(const ClockHands& clock, int hour, int minute, int second);

} // namespace core
