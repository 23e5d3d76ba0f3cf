// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/move_hands.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace core {

namespace {

int drawMinute(const TargetLevel& level, const Draw& draw) {
    if (level.minuteChoices == 0)
        return level.firstMinute;
    int minute = 0;
    do {
        minute = level.firstMinute + level.minuteStride * draw(level.minuteChoices);
    } while (minute % kHandsStep != 0);
    return minute;
}

} // namespace

HandsReading handsForMinutes(int minutes) {
    minutes = std::clamp(minutes, 0, kDialMinutes);
    if (minutes > kHandsStep && minutes % kHandsStep != 0)
        minutes += kHandsStep - minutes % kHandsStep;
    const int hour = minutes / 60;
    return {minutes, hour == 0 ? 12 : hour, minutes - 60 * hour};
}

int minutesAfterPull(int minutes, int pointedMinute) {
    minutes = std::clamp(minutes, 0, kDialMinutes);
    int turn = ((pointedMinute % 60 + 60) % 60) - minutes % 60;
    if (turn > 30)
        turn -= 60;
    else if (turn <= -30)
        turn += 60;
    return std::clamp(minutes + turn, 0, kDialMinutes);
}

bool grabsHand(QPointF centre, QPointF tip, QPointF point) {
    const QPointF along = tip - centre;
    const QPointF fromCentre = point - centre;
    const double length2 = QPointF::dotProduct(along, along);
    if (length2 <= 0 || std::hypot(fromCentre.x(), fromCentre.y()) < kNearCentre)
        return false;
    const double t = std::clamp(QPointF::dotProduct(fromCentre, along) / length2, 0.0, 1.0);
    const QPointF off = fromCentre - t * along;
    return std::hypot(off.x(), off.y()) <= kHandGrip;
}

std::optional<int> minutePointedAt(QPointF centre, QPointF point) {
    const double dx = point.x() - centre.x();
    const double dy = point.y() - centre.y();
    if (std::hypot(dx, dy) < kNearCentre)
        return std::nullopt;
    // Clockwise from twelve, with y growing downwards.
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    return static_cast<int>(std::lround(degrees / 6.0)) % 60;
}

const TargetLevel& targetLevel(TargetStep step) {
    return kTargetLevels[static_cast<std::size_t>(step)];
}

TargetTime nextTarget(TargetStep step, const Draw& draw) {
    const int minute = drawMinute(targetLevel(step), draw);
    const int hour = draw(12);
    return {hour == 0 ? 12 : hour, minute};
}

TargetTime targetForChosenStep(TargetStep step, const Draw& draw) {
    const int hour = draw(13);
    return {hour == 0 ? 12 : hour, drawMinute(targetLevel(step), draw)};
}

bool handsShowTarget(const HandsReading& hands, const TargetTime& target) {
    return hands.hour == target.hour && hands.minute == target.minute;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

ScoreGrid::Mark ScoreGrid::countRightAnswer() {
    const bool full = m_coloured >= kSquares;
    if (full)
        m_coloured = 0;
    return {m_coloured++, full};
}

} // namespace core
