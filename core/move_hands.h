// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <array>
#include <functional>
#include <optional>

// The rules of the move-the-hands exercise: what the hands read as they are
// turned, how the minute hand is pulled round, how fine the targets are and
// how right answers fill the score grid.
namespace core {

inline constexpr int kDialMinutes = 720; // from twelve round to twelve
inline constexpr int kHandsStep = 5;     // targets and hands stand on five minutes

// What the hands show for a count of minutes after twelve o'clock.
struct HandsReading {
    int minutes = 0; // the count the hands stand at, 0 to 720
    int hour = 12;   // 1 to 12
    int minute = 0;  // 0 to 59
};

// For any count: it is first brought into 0 to 720. Counts of 0 to 5 stay as
// they are; above 5 a count off the five-minute step is raised to the next
// one, so 6 to 9 read ten past twelve and 716 to 719 twelve. hour is the
// whole hours of the count, 0 and 12 both reading 12; minute is the rest.
HandsReading handsForMinutes(int minutes);

// The count after the minute hand is pulled to point at pointedMinute from
// minutes. For any input: pointedMinute is taken modulo 60 and minutes is
// brought into 0 to 720; the hand then turns the short way round, less than
// half a turn back or up to half a turn on (exactly half goes on), so passing
// twelve moves the hour on or back; the result is kept within 0 to 720.
int minutesAfterPull(int minutes, int pointedMinute);

// Pulling a hand with the pointer, in pixels of the face, y growing downwards.
inline constexpr double kHandGrip = 8.0;    // how far beside a hand a press takes it
inline constexpr double kNearCentre = 12.0; // too near to tell where a hand points

// Whether a press at point takes the hand that runs from centre to tip: it
// lies within kHandGrip of that segment and at least kNearCentre from the
// centre. A hand of no length is never taken.
bool grabsHand(QPointF centre, QPointF tip, QPointF point);

// The minute, 0 to 59, that a hand turning on centre points at when pulled to
// point: the clockwise angle from twelve rounded to the nearest 6 degrees, so
// anything past 59.5 minutes reads 0. None when point lies closer than
// kNearCentre to the centre.
std::optional<int> minutePointedAt(QPointF centre, QPointF point);

// How fine the targets are, as the child chooses with the step icons.
enum class TargetStep { EveryHour, EveryHalfHour, EveryQuarter, EveryFiveMinutes };

// One step: how it is named and drawn, and how its target minutes are drawn:
// firstMinute + minuteStride × draw(minuteChoices), drawn again until it is a
// multiple of kHandsStep; with no choices the minute is firstMinute, undrawn.
struct TargetLevel {
    TargetStep step;
    const char* name;   // what a screen reader calls its icon
    const char* prompt; // the message shown when it is chosen
    const char* icon;   // the picture on its icon
    int firstMinute;
    int minuteStride;
    int minuteChoices;
};

inline constexpr std::array<TargetLevel, 4> kTargetLevels{{
    {TargetStep::EveryHour, "Cada hora", "Rellotge, cada hora", "icon_blocks_1", 0, 0, 0},
    {TargetStep::EveryHalfHour, "Cada mitja hora", "Rellotge, cada mitja hora", "icon_blocks_2", 30,
     0, 0},
    {TargetStep::EveryQuarter, "Cada quart", "Rellotge, cada quart de hora", "icon_blocks_4", 15,
     15, 3},
    {TargetStep::EveryFiveMinutes, "Cada cinc minuts", "Rellotge, cada cinc minuts",
     "icon_blocks_12", 0, 1, 60},
}};

const TargetLevel& targetLevel(TargetStep step);

// A uniform draw over choices values: returns 0 to choices - 1.
using Draw = std::function<int(int choices)>;

// A time to set the hands to.
struct TargetTime {
    int hour = 12;  // 1 to 12
    int minute = 0; // 0 to 55, on the step's minutes
};

// The target after a right answer and at opening: the minute is drawn first,
// then the hour from draw(12), where 0 is twelve.
TargetTime nextTarget(TargetStep step, const Draw& draw);

// The target when the child chooses a step: the hour is drawn first, from
// draw(13), where 0 and 12 are both twelve (as the first thirteen hours of a
// day read on a dial, so twelve comes up twice as often), then the minute as
// nextTarget draws it.
TargetTime targetForChosenStep(TargetStep step, const Draw& draw);

// Whether the hands stand at the target: the same hour and minute.
bool handsShowTarget(const HandsReading& hands, const TargetTime& target);

// Hours and minutes as the window writes them: always two digits ("05").
QString twoDigits(int value);

// Right answers in the current round of the score grid, which fills square
// by square from the top left.
class ScoreGrid final {
public:
    static constexpr int kSquares = 27;

    // The square a right answer colours.
    struct Mark {
        int square = 0;
        bool emptiesGrid = false; // the grid was full: empty it before colouring
    };

    int coloured() const { return m_coloured; }

    // Counts a right answer. While the grid has room it colours the next
    // square; once all 27 are coloured, the next right answer starts a new
    // round: the grid empties and its first square is coloured.
    Mark countRightAnswer();

private:
    int m_coloured = 0;
};

} // namespace core
