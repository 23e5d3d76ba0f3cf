// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/what_time_window.h"

#include "core/phrases.h"
#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/icon_button.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/pressable.h"
#include "kit/text_box.h"
#include "kit/units.h"

#include <QAccessible>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>

namespace {

constexpr int kHourLength = 32;
constexpr int kMinuteLength = 37;

// Centres are 77 plus a column offset and 70 plus a row offset; slots 3 and
// 7 sit at x = 547, beyond the board's cut-off right-hand edge.
constexpr std::array<QPoint, WhatTimeWindow::kSlots> kCentres{{
    {69, 190},
    {215, 190},
    {362, 190},
    {547, 190},
    {69, 74},
    {215, 74},
    {362, 74},
    {547, 74},
}};

// Hot spots in twips of the board, each over its dial's whole face; the
// focus ring is drawn round them.
constexpr std::array<QRect, WhatTimeWindow::kSlots> kHotSpots{{
    {210, 2100, 1785, 1950},
    {2430, 2100, 1785, 1890},
    {4530, 2100, 1785, 1890},
    {},
    {210, 330, 1785, 1665},
    {2460, 180, 1635, 1665},
    {4680, 180, 1575, 1695},
    {},
}};

// Right of the top-left dial a click still says its time, up to the top-middle
// dial's hot spot, which lies in front where the two meet. It is no button of
// its own: the keyboard reaches the dial itself.
constexpr QRect kTopLeftMargin{1995, 330, 480, 1665};
constexpr int kTopLeftSlot = 4;

const std::array<const char*, WhatTimeWindow::kSlots> kDialNames{{
    "Rellotge de baix a l'esquerra",
    "Rellotge de baix al mig",
    "Rellotge de baix a la dreta",
    nullptr,
    "Rellotge de dalt a l'esquerra",
    "Rellotge de dalt al mig",
    "Rellotge de dalt a la dreta",
    nullptr,
}};

const QColor kPanelGrey = kit::rgb(192, 192, 192);

QFrame* panel(QWidget& window, const char* name, const QRect& twips) {
    auto* frame = new QFrame(&window);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(kit::twipsRect(twips));
    return frame;
}

kit::IconButton* levelIcon(QFrame& panel, const QString& name, const char* picture,
                           const QRect& twips, const QString& accessibleName) {
    auto* icon =
        new kit::IconButton(&panel, name, kit::picture(QString::fromLatin1(picture)), kPanelGrey);
    icon->setAccessibleName(accessibleName);
    icon->setGeometry(kit::twipsRect(twips));
    return icon;
}

// The level icons, in twips of the right-hand panel, in the order of the
// levels.
constexpr std::array<QRect, core::kWhatTimeLevels.size()> kIconPlaces{{
    {120, 180, 360, 360},
    {540, 180, 360, 360},
    {930, 180, 360, 360},
}};

// Slots in reading order, as the keyboard visits them: the top row, then the
// bottom one, each left to right.
constexpr std::array<int, 6> kReadingOrder{4, 5, 6, 0, 1, 2};

// Long enough for a window manager to pass on the press that made it
// activate the window; short enough that a child coming back by the keyboard
// sees the new times at once.
constexpr int kClickActivationGraceMs = 250;

} // namespace

WhatTimeWindow::WhatTimeWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)) {
    // The board stays empty until the window is first activated, which moves
    // it to the corner and copies the dials in.
    board = new kit::PictureBox(this, QStringLiteral("board"));
    board->setScale(kit::PictureBox::Scale::Pixels);
    board->setBackColor(kit::rgb(0, 64, 64));
    board->setGeometry(kit::twipsRect(90, 60, 6195, 4185));

    for (int slot = 0; slot < kSlots; ++slot) {
        // Each hour hand is drawn over its minute hand, so both show at twelve.
        minuteHands[slot] = new kit::LineWidget(board, QStringLiteral("minuteHands%1").arg(slot),
                                                kit::rgb(0, 0, 255), 3);
        hourHands[slot] = new kit::LineWidget(board, QStringLiteral("hourHands%1").arg(slot),
                                              kit::rgb(192, 0, 0), 3);
        const QPoint centre = kCentres[slot];
        m_clocks[slot] = {{centre, kHourLength, kMinuteLength}, hourHands[slot], minuteHands[slot]};
    }

    // Labels lower themselves as they are made, so the strip right of the
    // top-left dial, made last, lies behind the top-middle dial's hot spot.
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        if (!isDial(slot))
            continue;
        auto* hotSpot = new kit::Label(board, QStringLiteral("dialHotSpots%1").arg(slot));
        hotSpot->setTransparent(true);
        // A button before it has a name: naming it makes screen readers look.
        hotSpot->makeButton();
        hotSpot->setAccessibleName(QString::fromUtf8(kDialNames[slot]));
        board->placeChild(*hotSpot, kHotSpots[slot]);
        connect(hotSpot, &kit::Label::clicked, this, [this, slot] { sayDialTime(slot); });
        dialHotSpots[slot] = hotSpot;
    }
    topLeftMargin = new kit::Label(board, QStringLiteral("topLeftMargin"));
    topLeftMargin->setTransparent(true);
    board->placeChild(*topLeftMargin, kTopLeftMargin);
    connect(topLeftMargin, &kit::Label::clicked, this, [this] { sayDialTime(kTopLeftSlot); });

    levelPanel = panel(*this, "levelPanel", QRect(7020, 0, 1455, 4095));
    QPalette grey = levelPanel->palette();
    grey.setColor(QPalette::Window, kPanelGrey);
    levelPanel->setPalette(grey);
    levelPanel->setAutoFillBackground(true);

    for (int level = 0; level < int(levelIcons.size()); ++level) {
        const core::WhatTimeLevel& row = core::kWhatTimeLevels[level];
        levelIcons[level] =
            levelIcon(*levelPanel, QStringLiteral("levelIcons%1").arg(level), row.icon,
                      kIconPlaces[level], QString::fromUtf8(row.accessibleName));
        connect(levelIcons[level], &kit::IconButton::clicked, this,
                [this, level] { chooseLevel(level); });
    }

    levelName = new kit::Label(levelPanel, QStringLiteral("levelName"),
                               QString::fromUtf8(core::kWhatTimeFirstName));
    levelName->setFont(kit::font(QStringLiteral("Arial"), 8.25, true));
    levelName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    levelName->setGeometry(kit::twipsRect(150, 600, 1185, 195));

    newTimesButton = new QPushButton(QStringLiteral(">>>>"), levelPanel);
    newTimesButton->setObjectName(QStringLiteral("newTimesButton"));
    newTimesButton->setAccessibleName(QStringLiteral("Hores noves"));
    newTimesButton->setToolTip(QStringLiteral("Posa hores noves a tots els rellotges"));
    newTimesButton->setGeometry(kit::twipsRect(120, 2940, 1155, 975));

    // The bottom panel lies over the board's lowest pixels.
    phrasePanel = panel(*this, "phrasePanel", QRect(60, 4110, 8415, 1185));
    phraseBox = new kit::TextBox(phrasePanel, QStringLiteral("phraseBox"));
    phraseBox->setFont(kit::font(QStringLiteral("Times New Roman"), 36, true));
    phraseBox->setColors(kit::rgb(255, 255, 255), kit::rgb(0, 0, 64));
    phraseBox->setAlignment(Qt::AlignCenter);
    phraseBox->setGeometry(kit::twipsRect(90, 180, 8235, 945));
    // Until a dial puts its phrase here, the box says what it is for.
    phraseBox->setAccessibleName(QStringLiteral("La frase del rellotge triat"));

    // Reading order: the dials, the level icons, the new-times button, the
    // phrase. The arrow keys move between the dials as they stand.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const int slot : kReadingOrder)
        chain(dialHotSpots[slot]);
    for (kit::IconButton* icon : levelIcons)
        chain(icon);
    chain(newTimesButton);
    chain(phraseBox);
    new kit::ArrowKeyGrid(this, {{dialHotSpots[4], dialHotSpots[5], dialHotSpots[6]},
                                 {dialHotSpots[0], dialHotSpots[1], dialHotSpots[2]}});
    dialHotSpots[kReadingOrder.front()]->setFocus();

    connect(newTimesButton, &QPushButton::clicked, this, &WhatTimeWindow::showNewTimes);
    // Enter presses the push button as Space does, with the focus ring
    // drawn on its edge.
    new kit::OutsideFocusRing({newTimesButton}, 0);

    m_comingBack.setSingleShot(true);
    m_comingBack.setInterval(kClickActivationGraceMs);
    connect(&m_comingBack, &QTimer::timeout, this, &WhatTimeWindow::startAfresh);

    kit::centre(*this);
}

void WhatTimeWindow::showEvent(QShowEvent* event) {
    ActivityWindow::showEvent(event);
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

bool WhatTimeWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        becomeActive();
    else if (event->type() == QEvent::WindowDeactivate)
        m_active = false;
    return ActivityWindow::event(event);
}

bool WhatTimeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress)
        noticePress();
    return ActivityWindow::eventFilter(watched, event);
}

void WhatTimeWindow::becomeActive() {
    // Only a change from inactive to active counts, however the platform
    // repeats itself; centring moves the window and does not activate it.
    if (m_active)
        return;
    m_active = true;
    // The first time there is nothing on the board a click could have meant.
    if (!m_dealt)
        startAfresh();
    else
        m_comingBack.start();
}

void WhatTimeWindow::noticePress() {
    // A click that brings the window forward acts on the dials the child
    // clicked: neither new times nor a move of the window under the pointer.
    // Without a window manager the press comes before the activation; with
    // one, just after it, while the deal is held back.
    if (m_comingBack.isActive()) {
        m_comingBack.stop();
        return;
    }
    if (!m_active && m_dealt)
        m_active = true;
}

void WhatTimeWindow::startAfresh() {
    // The level, its name and the phrase shown stay; only the times change.
    kit::centre(*this);
    board->move(0, 0);
    board->setBitmap(kit::picture(QStringLiteral("board_dials_6")));
    showNewTimes();
}

void WhatTimeWindow::showNewTimes() {
    const auto drawOne = [this](int choices) { return draw(choices); };
    for (int slot = 0; slot < kSlots; ++slot) {
        const core::DialTime time = core::dealDialTime(*m_level, drawOne);
        m_clocks[slot].show(time.hour, time.minute);
        m_times[slot] = time;
    }
    m_dealt = true;
}

void WhatTimeWindow::chooseLevel(int level) {
    m_level = &core::kWhatTimeLevels[level];
    levelName->setText(QString::fromUtf8(m_level->name));
    showNewTimes();
}

void WhatTimeWindow::sayDialTime(int slot) {
    // Every time a slot can hold has a phrase; were one missing, the box
    // would keep what it showed and that would be said again.
    const core::DialTime time = m_times[slot];
    if (const std::optional<QString> phrase = core::quarterPhrase(time.hour, time.minute)) {
        phraseBox->setText(*phrase);
        // The box is named by the phrase a dial put there, so that a screen
        // reader told of the change reads what the child chose.
        phraseBox->setAccessibleName(*phrase);
        QAccessibleEvent changed(phraseBox, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    speak(phraseBox->text(), core::kGameVolume);
}
