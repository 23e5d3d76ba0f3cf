#pragma once

#include "activity_window.h"
#include "clock_hands.h"

namespace kit {
class LineWidget;
class ListBox;
class PictureBox;
} // namespace kit
class QPushButton;

// Form3, the investigate window: a clock beside all 144 phrases. A phrase
// picked in the list moves the hands and is read aloud; the wide button picks
// a random five-minute time and its phrase.
class Form3 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form3(core::Seams seams);

    kit::PictureBox* Picture1;
    kit::LineWidget* Line2; // hour hand
    kit::LineWidget* Line3; // minute hand
    QPushButton* Command1;
    kit::ListBox* List1;

    void Command1_Click();
    void List1_Click();

    // The time shown, as the hidden captions hold it.
    int shownHour() const { return m_hour; }
    int shownMinute() const { return m_minute; }
    QString shownKey() const { return m_key; }

private:
    struct Time {
        int hour;
        int minute;
    };

    void Form_Load();
    void habla();
    Time randomTime(int step) const;
    void showTime(Time time);
    int rowOf(const QString& key) const;
    static QString keyFor(int hour, int minute);

    core::ClockHands m_hands;
    int m_hour = 0;
    int m_minute = 0;
    QString m_key;
    QString m_textToSpeak;
};
