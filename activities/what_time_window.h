#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"

#include <array>

namespace kit {
class IconButton;
class Label;
class LineWidget;
class PictureBox;
class TextBox;
} // namespace kit
class QFrame;
class QPushButton;

// The what-time-is-it window: six small dials at random times of the chosen
// difficulty (whole hours, half hours, quarters). Clicking a dial writes its
// time in words in the large box below and reads it aloud. Each time the
// window becomes the active one it centres itself and deals new times.
class WhatTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit WhatTimeWindow(core::Seams seams);

    // Clock slots, as the board numbers them: 0 to 2 are the bottom row and
    // 4 to 6 the top row, left to right; 3 and 7 turn off the visible board
    // and have no hot spot (nullptr).
    static constexpr int kSlots = 8;
    static bool isDial(int slot) { return slot != 3 && slot != 7; }

    kit::PictureBox* board;
    std::array<kit::LineWidget*, kSlots> minuteHands{};
    std::array<kit::LineWidget*, kSlots> hourHands{};
    std::array<kit::Label*, kSlots> dialHotSpots{};
    QFrame* levelPanel;
    kit::IconButton* hoursIcon;
    kit::IconButton* halfHoursIcon;
    kit::IconButton* quartersIcon;
    kit::Label* levelName;
    QPushButton* newTimesButton;
    QFrame* phrasePanel;
    kit::TextBox* phraseBox;

    void showNewTimes();
    void chooseHours();
    void chooseHalfHours();
    void chooseQuarters();
    void sayDialTime(int slot);

    // 1 whole hours, 2 half hours, 3 quarters.
    int level() const { return m_level; }
    // The time a slot shows: hour 0 to 11 (0 is twelve), minute 0, 15, 30, 45.
    int slotHour(int slot) const { return m_hours.at(slot); }
    int slotMinute(int slot) const { return m_minutes.at(slot); }
    // Where the hands of a slot turn, in pixels of the board.
    static QPoint slotCentre(int slot);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void chooseLevel(int level, const QString& name);
    void becomeActive();
    void startAfresh();

    std::array<DrawnClock, kSlots> m_clocks{};
    std::array<int, kSlots> m_hours{};
    std::array<int, kSlots> m_minutes{};
    int m_level = 1;
    bool m_active = false;
};
