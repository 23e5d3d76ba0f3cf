#pragma once

#include "activity_window.h"
#include "clock_hands.h"

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

// Form5, the main clock window: a live clock over the board of hour names,
// two lists of the first hour read aloud when clicked, and a hidden exercise
// on the dot beside "la una".
class Form5 final : public ActivityWindow {
    Q_OBJECT
public:
    explicit Form5(core::Seams seams);

    kit::PictureBox* Picture1;
    kit::LineWidget* Line1; // second hand
    kit::LineWidget* Line2; // minute hand
    kit::LineWidget* Line3; // hour hand
    kit::Label* Label4;
    kit::TextBox* Text1;
    kit::ShapeWidget* Shape1;
    QPushButton* Command2;
    QPushButton* Command1;
    QPushButton* Command3;
    kit::ListBox* List1;
    kit::ListBox* List2;
    QTimer Timer1;

    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void List1_Click();
    void List2_Click();
    void List2_DblClick();
    void Label4_Click();
    void Text1_KeyUp(int keyCode, Qt::KeyboardModifiers shift);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void habla();

    core::ClockHands m_hands;
    QString m_textToSpeak; // the caption of the hidden speech label
};
