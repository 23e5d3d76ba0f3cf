// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"

namespace kit {
class LineWidget;
class ListBox;
class PictureBox;
} // namespace kit
class QPushButton;

// The investigate window: a clock beside all 144 phrases. A phrase chosen in
// the list moves the hands and is read aloud; the wide button picks a random
// five-minute time and chooses its phrase.
class InvestigateWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit InvestigateWindow(core::Seams seams);

    // The time shown: hour 0 to 11 from a draw, 1 to 12 from a row.
    int shownHour() const { return m_hour; }
    int shownMinute() const { return m_minute; }
    // Its key, "12.05", once a row or the button has shown it.
    QString shownKey() const { return m_key; }

private:
    kit::PictureBox* board;
    kit::LineWidget* hourHand;
    kit::LineWidget* minuteHand;
    QPushButton* randomTimeButton;
    kit::ListBox* phraseList;

    void showRandomTime();
    void showSelectedRow();

    struct Time {
        int hour;
        int minute;
    };

    Time randomTime(int step) const;
    void showTime(Time time);
    int lastRowWithKey(const QString& key) const;
    static QString keyFor(int hour, int minute);

    DrawnClock m_hands;
    int m_hour = 0;
    int m_minute = 0;
    QString m_key;
};
