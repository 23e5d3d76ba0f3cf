// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/investigate_window.h"

#include "core/phrases.h"
#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/list_box.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/units.h"

#include <QPushButton>

namespace {

constexpr int kOpeningStep = 15;
constexpr int kButtonStep = 5;

} // namespace

InvestigateWindow::InvestigateWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)) {
    board = new kit::PictureBox(this, QStringLiteral("board"));
    board->setScale(kit::PictureBox::Scale::Pixels);
    board->move(kit::px(45), kit::px(180));
    board->setAutoSize(true);

    hourHand = new kit::LineWidget(board, QStringLiteral("hourHand"), kit::rgb(128, 0, 0), 20);
    minuteHand = new kit::LineWidget(board, QStringLiteral("minuteHand"), kit::rgb(255, 255, 0), 4);
    m_hands = {{{170, 163}, 80, 140}, hourHand, minuteHand};

    randomTimeButton = new QPushButton(QStringLiteral(">>>>>>>>>"), this);
    randomTimeButton->setObjectName(QStringLiteral("randomTimeButton"));
    randomTimeButton->setAccessibleName(QStringLiteral("Una hora a l'atzar"));
    randomTimeButton->setToolTip(QStringLiteral("Tria una hora a l'atzar i llegeix-la"));
    randomTimeButton->setGeometry(kit::twipsRect(60, 5160, 5040, 300));

    phraseList = new kit::ListBox(this, QStringLiteral("phraseList"));
    phraseList->setAccessibleName(QStringLiteral("Totes les hores en paraules"));
    phraseList->setFont(kit::font(QStringLiteral("Arial"), 20.25, true));
    phraseList->setColors(kit::rgb(0, 0, 128), kit::rgb(255, 255, 255));
    phraseList->setGeometry(kit::twipsRect(5280, 150, 6480, 6780));
    phraseList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    setTabOrder(phraseList, board);
    setTabOrder(board, randomTimeButton);
    // Enter presses the button too, and the ring shows on its edge.
    new kit::OutsideFocusRing({randomTimeButton}, 0);
    // The child starts in the list, as its place first in the tab order says.
    phraseList->setFocus(Qt::OtherFocusReason);

    connect(randomTimeButton, &QPushButton::clicked, this, &InvestigateWindow::showRandomTime);
    connect(phraseList, &kit::ListBox::rowSelected, this, &InvestigateWindow::showSelectedRow);

    // Opens on a random quarter, with nothing chosen and nothing said.
    kit::centre(*this);
    showTime(randomTime(kOpeningStep));
    phraseList->addItems(core::phraseList());
    board->setBitmap(kit::picture(QStringLiteral("board_train")));
}

void InvestigateWindow::showRandomTime() {
    const Time time = randomTime(kButtonStep);
    showTime(time);
    m_key = keyFor(time.hour, time.minute);
    // Choosing a new row shows and reads it; the row already chosen stays
    // silent.
    phraseList->selectRow(lastRowWithKey(m_key));
}

void InvestigateWindow::showSelectedRow() {
    const QString row = phraseList->selectedText();
    showTime({core::rowHour(row), core::rowMinute(row)});
    m_key = keyFor(m_hour, m_minute);
    phraseList->selectRow(lastRowWithKey(m_key));
    speak(core::rowTail(row), core::kNormalVolume);
}

InvestigateWindow::Time InvestigateWindow::randomTime(int step) const {
    // Minute first, then hour, both again until the minute is on the step.
    Time time{};
    do {
        time.minute = draw(60);
        time.hour = draw(12);
    } while (time.minute % step != 0);
    return time;
}

void InvestigateWindow::showTime(Time time) {
    m_hour = time.hour;
    m_minute = time.minute;
    m_hands.show(time.hour, time.minute);
}

QString InvestigateWindow::keyFor(int hour, int minute) {
    return core::timeKey(hour == 0 ? 12 : hour, minute);
}

int InvestigateWindow::lastRowWithKey(const QString& key) const {
    // Every key a draw can build is there exactly once.
    int found = -1;
    for (int i = 0; i < phraseList->count(); ++i)
        if (core::rowKey(phraseList->item(i)->text()) == key)
            found = i;
    return found;
}
