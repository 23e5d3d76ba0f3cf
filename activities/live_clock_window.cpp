// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/live_clock_window.h"

#include "core/phrases.h"
#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/list_box.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/text_box.h"
#include "kit/units.h"

#include <QPushButton>

namespace {

constexpr int kFirstHourRows = 13;

// A button with no caption: screen readers and the tooltip say what it does.
QPushButton* blankButton(kit::PictureBox& box, const char* name, const QRect& twips,
                         const QString& purpose) {
    auto* button = new QPushButton(&box);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(purpose);
    button->setToolTip(purpose);
    box.placeChild(*button, twips);
    return button;
}

} // namespace

LiveClockWindow::LiveClockWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)) {
    board = new kit::PictureBox(this, QStringLiteral("board"));
    board->setBackColor(kit::rgb(192, 255, 255));
    board->setScale(kit::PictureBox::Scale::Pixels);
    board->move(kit::px(0), kit::px(-15));
    board->setAutoSize(true);
    board->setBitmap(kit::picture(QStringLiteral("board_hour_names")));

    // Over the light board the not-mask-pen mix turns the yellow hour hand a
    // strong blue and the green minute hand magenta; over the navy cup, white.
    using Mix = kit::LineWidget::Mix;
    secondHand =
        new kit::LineWidget(board, QStringLiteral("secondHand"), kit::rgb(255, 128, 128), 2);
    minuteHand = new kit::LineWidget(board, QStringLiteral("minuteHand"), kit::rgb(0, 255, 0), 8,
                                     Mix::NotMaskPen);
    hourHand = new kit::LineWidget(board, QStringLiteral("hourHand"), kit::rgb(255, 255, 0), 15,
                                   Mix::NotMaskPen);
    m_hands = {{{245, 161}, 76, 90, 147}, hourHand, minuteHand, secondHand};

    laUnaHotSpot = new kit::Label(board, QStringLiteral("laUnaHotSpot"));
    laUnaHotSpot->setTransparent(true);
    laUnaHotSpot->setAccessibleName(QStringLiteral("Escriu com es diu la una"));
    laUnaHotSpot->makeButton();
    board->placeChild(*laUnaHotSpot, QRect(4260, 960, 435, 495));

    laUnaAnswer = new kit::TextBox(board, QStringLiteral("laUnaAnswer"));
    laUnaAnswer->setAccessibleName(QStringLiteral("Com es diu la una?"));
    laUnaAnswer->setFont(kit::font(QStringLiteral("Times New Roman"), 18, true, true));
    laUnaAnswer->setColors(kit::rgb(224, 224, 224), kit::rgb(0, 0, 64));
    board->placeChild(*laUnaAnswer, QRect(6090, 180, 1995, 540));
    laUnaAnswer->hide();

    laUnaMark = new kit::ShapeWidget(board, QStringLiteral("laUnaMark"),
                                     kit::twipsRect(6330, 960, 285, 255), kit::rgb(192, 0, 0));
    laUnaMark->setVisible(false);

    mixedListButton = blankButton(*board, "mixedListButton", QRect(6960, 3750, 855, 225),
                                  QStringLiteral("Mostra la llista mixta"));
    quarterListButton = blankButton(*board, "quarterListButton", QRect(6960, 3990, 855, 225),
                                    QStringLiteral("Mostra la llista en quarts"));
    hideListsButton = blankButton(*board, "hideListsButton", QRect(6870, 4290, 1035, 435),
                                  QStringLiteral("Amaga les llistes"));

    quarterList = new kit::ListBox(board, QStringLiteral("quarterList"));
    quarterList->setAccessibleName(QStringLiteral("La primera hora en quarts"));
    quarterList->setFont(kit::font(QStringLiteral("Arial"), 18));
    quarterList->setColors(kit::rgb(255, 192, 192), kit::rgb(0, 0, 64));
    board->placeChild(*quarterList, QRect(90, 150, 5625, 4515));
    quarterList->hide();

    // The mixed list belongs to the window and lies in front of the board.
    mixedList = new kit::ListBox(this, QStringLiteral("mixedList"));
    mixedList->setAccessibleName(QStringLiteral("La primera hora, de dues maneres"));
    mixedList->setFont(kit::font(QStringLiteral("Arial"), 18));
    mixedList->setColors(kit::rgb(255, 255, 255), kit::rgb(128, 0, 0));
    mixedList->setGeometry(kit::twipsRect(90, 180, 5625, 4515));
    mixedList->hide();

    setTabOrder(laUnaAnswer, quarterListButton);
    setTabOrder(quarterListButton, quarterList);
    setTabOrder(quarterList, mixedList);
    setTabOrder(mixedList, mixedListButton);
    setTabOrder(mixedListButton, hideListsButton);
    // The spot beside "la una" is a secret to find, so it comes last: the
    // window does not open with its focus ring on it.
    setTabOrder(hideListsButton, laUnaHotSpot);
    quarterListButton->setFocus(Qt::OtherFocusReason);
    // The buttons are a few pixels high: the ring goes round them, and Enter
    // presses them.
    new kit::OutsideFocusRing({mixedListButton, quarterListButton, hideListsButton}, 4);

    connect(quarterListButton, &QPushButton::clicked, this, &LiveClockWindow::showQuarterList);
    connect(mixedListButton, &QPushButton::clicked, this, &LiveClockWindow::showMixedList);
    connect(hideListsButton, &QPushButton::clicked, this, &LiveClockWindow::hideLists);
    connect(quarterList, &kit::ListBox::rowSelected, this, &LiveClockWindow::speakQuarterRow);
    connect(mixedList, &kit::ListBox::rowSelected, this, &LiveClockWindow::speakMixedRow);
    connect(mixedList, &kit::ListBox::rowDoubleClicked, this, &LiveClockWindow::hideMixedList);
    connect(laUnaHotSpot, &kit::Label::clicked, this, &LiveClockWindow::showLaUnaAnswer);
    connect(laUnaAnswer, &kit::TextBox::keyReleased, this, &LiveClockWindow::checkLaUnaAnswer);

    // The hands change once a second, so the timer wakes just after each
    // whole second of the clock instead of polling every millisecond.
    tickTimer = new QTimer(this);
    tickTimer->setObjectName(QStringLiteral("tickTimer"));
    tickTimer->setSingleShot(true);
    tickTimer->setTimerType(Qt::PreciseTimer);
    connect(tickTimer, &QTimer::timeout, this, &LiveClockWindow::tick);

    kit::centre(*this);
}

void LiveClockWindow::showEvent(QShowEvent* event) {
    ActivityWindow::showEvent(event);
    if (!tickTimer->isActive())
        tick();
}

void LiveClockWindow::tick() {
    const QTime now = seams().now ? seams().now() : QTime::currentTime();
    if (now.isValid())
        m_hands.show(now.hour(), now.minute(), now.second());
    tickTimer->start(1000 - (now.isValid() ? now.msec() : 0) + 1);
}

void LiveClockWindow::showQuarterList() {
    quarterList->show();
    mixedList->hide();
    quarterList->clear();
    quarterList->addItems(core::phraseList().mid(0, kFirstHourRows));
}

void LiveClockWindow::showMixedList() {
    mixedList->show();
    quarterList->hide();
    mixedList->clear();
    mixedList->addItems(core::mixedHourList());
}

void LiveClockWindow::hideLists() {
    quarterList->hide();
    mixedList->hide();
}

void LiveClockWindow::speakQuarterRow() {
    // The whole row, digits included.
    speak(quarterList->selectedText(), core::kNormalVolume);
}

void LiveClockWindow::speakMixedRow() {
    speak(core::rowTail(mixedList->selectedText()), core::kNormalVolume);
}

void LiveClockWindow::hideMixedList() {
    mixedList->hide();
}

void LiveClockWindow::showLaUnaAnswer() {
    laUnaAnswer->show();
    // Whatever pressed the spot, typing goes straight into the box.
    laUnaAnswer->setFocus(Qt::OtherFocusReason);
}

void LiveClockWindow::checkLaUnaAnswer(int key) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && laUnaAnswer->text() == QStringLiteral("La una")) {
        laUnaAnswer->hide();
        laUnaMark->setVisible(true);
    }
}
