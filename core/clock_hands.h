// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>

// Where the hands of a drawn clock point for a time.
namespace core {

// One drawn clock: where its hands turn, in pixels of the picture holding
// them, and the length of each hand. A length of 0 means no such hand.
struct ClockGeometry {
    QPoint centre;
    int hourLength = 0;
    int minuteLength = 0;
    int secondLength = 0;
};

// Every hand runs from its tip to the clock's centre.
struct HandPositions {
    QPointF centre;
    QPointF hourTip;
    QPointF minuteTip;
    QPointF secondTip;
};

// The tip of a hand of the given length at a clockwise angle from twelve.
QPointF handTip(QPoint centre, int length, double alphaDegrees);

// Angles of the hands: the hour hand moves on with every minute; the minute
// hand follows whole minutes only. The hour is not reduced, so 15 and 3 agree.
double hourAngle(int hour, int minute);
double minuteAngle(int minute);
double secondAngle(int second);

// Where the hands of a clock point at a time; the second hand follows whole
// seconds.
HandPositions handPositions(const ClockGeometry& clock, int hour, int minute, int second = 0);

} // namespace core
