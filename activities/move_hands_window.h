#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"

#include <QColor>
#include <QPointF>
#include <array>

namespace kit {
class Label;
class LineWidget;
class PictureBox;
} // namespace kit
class QPushButton;
class QScrollBar;

// What the hands show for a count of minutes after twelve o'clock, 0 to 720.
struct HandsReading {
    int minutes; // the count the hands stand at after rounding
    int hour;    // 1 to 12
    int minute;  // 0 to 59
};

// Counts of 1 to 5 stay as they are; above 5 a count off the five-minute step
// is raised to the next one, so 6 to 9 show ten past and 716 to 719 twelve.
HandsReading handsForMinutes(int minutes);

// The count after the minute hand is pulled to point at `pointedMinute`
// (0 to 59) from `minutes`: it moves the short way round, so passing twelve
// moves the hour on or back, and it stays within 0 to 720.
int minutesAfterPull(int minutes, int pointedMinute);

// The move-the-hands window: the child turns the hands with the scroll bar
// (or pulls the minute hand round) to the time in yellow digits and presses
// "ok"; each right answer colours the next square of the score grid.
class MoveHandsWindow final : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kScoreSquares = 27;
    static constexpr int kFaces = 6;

    explicit MoveHandsWindow(core::Seams seams);

    kit::PictureBox* faceBorder; // just behind the face, seen as a frame
    kit::PictureBox* face;
    kit::LineWidget* hourHand;
    kit::LineWidget* minuteHand;
    std::array<kit::PictureBox*, kFaces> faceIcons;
    QWidget* scoreGrid;
    std::array<kit::PictureBox*, kScoreSquares> scoreSquares;
    kit::Label* targetHour;
    kit::Label* targetColon;
    kit::Label* targetMinute;
    QScrollBar* handsScrollBar; // minutes after twelve, 0 to 720
    kit::PictureBox* everyHalfHourIcon;
    kit::PictureBox* everyHourIcon;
    kit::PictureBox* everyFiveMinutesIcon;
    kit::PictureBox* everyQuarterIcon;
    QPushButton* okButton;

    void showHandsFor(int minutes);
    void checkAnswer();
    void showFace(int index);
    // Levels: 1 every hour, 2 every half hour, 3 every quarter, 4 every five
    // minutes.
    void chooseStep(int level);
    void startExercise(int level);
    void colourNextSquare();

    int level() const { return m_level; }
    int handsHour() const { return m_hands.hour; }
    int handsMinute() const { return m_hands.minute; }
    int score() const { return m_score; }
    QColor emptySquareColor() const { return m_emptySquare; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int drawTargetMinute(int level) const;
    bool onMinuteHand(QPointF point) const;
    void pullMinuteHandTo(QPointF point);

    DrawnClock m_clock;
    HandsReading m_hands{0, 12, 0};
    int m_level = 4;
    int m_score = 0;
    QColor m_emptySquare;
    bool m_pulling = false;
};
