// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"
#include "core/move_hands.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <array>

namespace kit {
class Label;
class LineWidget;
class PictureBox;
} // namespace kit
class QPushButton;
class QScrollBar;

// The move-the-hands window: the child turns the hands with the scroll bar
// (or pulls the minute hand round) to the time in yellow digits and presses
// "ok"; each right answer colours the next square of the score grid.
class MoveHandsWindow final : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kScoreSquares = core::ScoreGrid::kSquares;
    static constexpr int kFaces = 6;

    explicit MoveHandsWindow(core::Seams seams);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeControls();
    void showHandsFor(int minutes);
    void checkAnswer();
    void showFace(int index);
    void chooseStep(core::TargetStep step);
    void startExercise(core::TargetStep step);
    void showTarget();
    void colourNextSquare();
    bool onMinuteHand(QPointF point) const;
    void pullMinuteHandTo(QPointF point);
    bool filterFaceMouse(QEvent* event);

    kit::PictureBox* faceBorder = nullptr; // just behind the face, seen as a frame
    kit::PictureBox* face = nullptr;
    kit::LineWidget* hourHand = nullptr;
    kit::LineWidget* minuteHand = nullptr;
    std::array<kit::PictureBox*, kFaces> faceIcons{};
    QWidget* scoreGrid = nullptr;
    std::array<kit::PictureBox*, kScoreSquares> scoreSquares{};
    kit::Label* targetHour = nullptr;
    kit::Label* targetColon = nullptr;
    kit::Label* targetMinute = nullptr;
    QScrollBar* handsScrollBar = nullptr; // minutes after twelve, 0 to 720
    kit::PictureBox* everyHalfHourIcon = nullptr;
    kit::PictureBox* everyHourIcon = nullptr;
    kit::PictureBox* everyFiveMinutesIcon = nullptr;
    kit::PictureBox* everyQuarterIcon = nullptr;
    QPushButton* okButton = nullptr;

    DrawnClock m_clock;
    core::HandsReading m_hands;
    core::TargetTime m_target;
    core::TargetStep m_step = core::TargetStep::EveryFiveMinutes;
    core::ScoreGrid m_score;
    QColor m_emptySquare;
    bool m_pulling = false;
};
