// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"
#include "core/what_time_levels.h"

#include <QTimer>
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
// difficulty (whole hours, half hours, quarters). Clicking a dial, or pressing
// Space or Enter on it, writes its time in words in the large box below and
// reads it aloud. Each time the window becomes the active one it centres
// itself and deals new times, unless a click on a dial brought it forward.
class WhatTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit WhatTimeWindow(core::Seams seams);

    // Clock slots, as the board numbers them: 0 to 2 are the bottom row and
    // 4 to 6 the top row, left to right; 3 and 7 turn off the visible board
    // and have no hot spot. Each slot takes two draws or more per deal.
    static constexpr int kSlots = 8;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static bool isDial(int slot) { return slot != 3 && slot != 7; }

    void showNewTimes();
    void chooseLevel(int level);
    void sayDialTime(int slot);
    void becomeActive();
    void noticePress();
    void startAfresh();

    kit::PictureBox* board;
    std::array<kit::LineWidget*, kSlots> minuteHands{};
    std::array<kit::LineWidget*, kSlots> hourHands{};
    std::array<kit::Label*, kSlots> dialHotSpots{};
    kit::Label* topLeftMargin;
    QFrame* levelPanel;
    std::array<kit::IconButton*, core::kWhatTimeLevels.size()> levelIcons{};
    kit::Label* levelName;
    QPushButton* newTimesButton;
    QFrame* phrasePanel;
    kit::TextBox* phraseBox;

    std::array<DrawnClock, kSlots> m_clocks{};
    std::array<core::DialTime, kSlots> m_times{};
    const core::WhatTimeLevel* m_level = &core::kWhatTimeLevels[0];
    bool m_active = false;
    bool m_dealt = false;
    // Holds back the deal of a coming back for a moment, in case a click on
    // the window brought it forward and the press is still on its way.
    QTimer m_comingBack;
};
