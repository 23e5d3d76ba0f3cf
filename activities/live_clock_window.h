// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/activity_window.h"
#include "activities/drawn_clock.h"

#include <QTimer>

namespace kit {
class Label;
class LineWidget;
class ListBox;
class PictureBox;
class ShapeWidget;
class TextBox;
} // namespace kit
class QPushButton;

// The live clock: hands that follow the computer's clock over a board of hour
// names, two lists of the first hour read aloud when a row is chosen, and a
// hidden exercise on the dot beside "la una".
class LiveClockWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit LiveClockWindow(core::Seams seams);

protected:
    void showEvent(QShowEvent* event) override;

private:
    kit::PictureBox* board;
    kit::LineWidget* secondHand;
    kit::LineWidget* minuteHand;
    kit::LineWidget* hourHand;
    kit::Label* laUnaHotSpot;    // invisible, over the dot beside "la una"
    kit::TextBox* laUnaAnswer;   // where the child types "La una"
    kit::ShapeWidget* laUnaMark; // the red mark a right answer earns
    QPushButton* mixedListButton;
    QPushButton* quarterListButton;
    QPushButton* hideListsButton;
    kit::ListBox* quarterList;
    kit::ListBox* mixedList;
    QTimer* tickTimer;

    void tick();
    void showQuarterList();
    void showMixedList();
    void hideLists();
    void speakQuarterRow();
    void speakMixedRow();
    void hideMixedList();
    void showLaUnaAnswer();
    void checkLaUnaAnswer(int key);

    DrawnClock m_hands;
};
