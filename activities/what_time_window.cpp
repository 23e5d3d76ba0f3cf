#include "activities/what_time_window.h"

#include "core/phrases.h"
#include "kit/fonts.h"
#include "kit/icon_button.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/text_box.h"
#include "kit/units.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QWindow>

namespace {

constexpr int kVolume = 120;
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

// Hot spots in twips of the board. That of the top-left dial begins about
// its centre and reaches past its right-hand edge, so a click on the dial's
// left half does nothing: the spots are the game's, not fitted to the dials.
constexpr std::array<QRect, WhatTimeWindow::kSlots> kHotSpots{{
    {210, 2250, 1785, 1800},
    {2430, 2190, 1785, 1800},
    {4530, 2190, 1785, 1800},
    {},
    {990, 330, 1485, 1665},
    {2460, 180, 1635, 1665},
    {4680, 180, 1575, 1695},
    {},
}};

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
    frame->setGeometry(kit::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return frame;
}

kit::IconButton* levelIcon(QFrame& panel, const char* name, const char* picture, const QRect& twips,
                           const QString& accessibleName) {
    auto* icon = new kit::IconButton(&panel, QString::fromLatin1(name),
                                     kit::picture(QString::fromLatin1(picture)), kPanelGrey);
    icon->setAccessibleName(accessibleName);
    icon->setGeometry(kit::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return icon;
}

} // namespace

WhatTimeWindow::WhatTimeWindow(core::Seams seams)
    : ActivityWindow(kit::Window::WhatTime, std::move(seams)) {
    // The board stays empty until the window is first activated, which moves
    // it to the corner and copies the dials in.
    board = new kit::PictureBox(this);
    board->setObjectName(QStringLiteral("board"));
    board->setScale(kit::PictureBox::Scale::Pixels);
    board->setBackColor(kit::rgb(0, 64, 64));
    board->setGeometry(kit::twipsRect(90, 60, 6195, 4185));

    for (int slot = 0; slot < kSlots; ++slot) {
        // Each hour hand is drawn over its minute hand, so both show at twelve.
        minuteHands[slot] = new kit::LineWidget(*board, kit::rgb(0, 0, 255), 3);
        minuteHands[slot]->setObjectName(QStringLiteral("minuteHands%1").arg(slot));
        hourHands[slot] = new kit::LineWidget(*board, kit::rgb(192, 0, 0), 3);
        hourHands[slot]->setObjectName(QStringLiteral("hourHands%1").arg(slot));
        const QPoint centre = kCentres[slot];
        m_clocks[slot] = {centre.x(),  centre.y(),        hourHands[slot],
                          kHourLength, minuteHands[slot], kMinuteLength};
    }

    // Labels lower themselves as they are made: building from the last slot
    // leaves the later dial in front where the top-left and top-middle hot
    // spots share a column of pixels.
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        if (!isDial(slot))
            continue;
        auto* hotSpot = new kit::Label(*board, QStringLiteral("dialHotSpots%1").arg(slot));
        hotSpot->setTransparent(true);
        hotSpot->setAccessibleName(QString::fromUtf8(kDialNames[slot]));
        board->placeChild(*hotSpot, kHotSpots[slot]);
        connect(hotSpot, &kit::Label::clicked, this, [this, slot] { sayDialTime(slot); });
        dialHotSpots[slot] = hotSpot;
    }

    levelPanel = panel(*this, "levelPanel", QRect(7020, 0, 1455, 4095));
    QPalette grey = levelPanel->palette();
    grey.setColor(QPalette::Window, kPanelGrey);
    levelPanel->setPalette(grey);
    levelPanel->setAutoFillBackground(true);

    hoursIcon = levelIcon(*levelPanel, "hoursIcon", "icon_blocks_1", QRect(120, 180, 360, 360),
                          QStringLiteral("Només hores"));
    halfHoursIcon = levelIcon(*levelPanel, "halfHoursIcon", "icon_blocks_2",
                              QRect(540, 180, 360, 360), QStringLiteral("Hores i dos quarts"));
    quartersIcon = levelIcon(*levelPanel, "quartersIcon", "icon_blocks_4",
                             QRect(930, 180, 360, 360), QStringLiteral("Quarts"));

    levelName = new kit::Label(*levelPanel, QStringLiteral("levelName"), QStringLiteral("hores"));
    levelName->setFont(kit::font(QStringLiteral("Arial"), 8.25, true));
    levelName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    levelName->setGeometry(kit::twipsRect(150, 600, 1185, 195));

    newTimesButton = new QPushButton(QStringLiteral(">>>>"), levelPanel);
    newTimesButton->setObjectName(QStringLiteral("newTimesButton"));
    newTimesButton->setAccessibleName(QStringLiteral("Hores noves"));
    newTimesButton->setGeometry(kit::twipsRect(120, 2940, 1155, 975));

    // The bottom panel lies over the board's lowest pixels.
    phrasePanel = panel(*this, "phrasePanel", QRect(60, 4110, 8415, 1185));
    phraseBox = new kit::TextBox(phrasePanel, QStringLiteral("phraseBox"));
    phraseBox->setFont(kit::font(QStringLiteral("Times New Roman"), 36, true));
    phraseBox->setColors(kit::rgb(255, 255, 255), kit::rgb(0, 0, 64));
    phraseBox->setAlignment(Qt::AlignCenter);
    phraseBox->setGeometry(kit::twipsRect(90, 180, 8235, 945));

    setTabOrder(hoursIcon, halfHoursIcon);
    setTabOrder(halfHoursIcon, quartersIcon);
    setTabOrder(quartersIcon, newTimesButton);
    setTabOrder(newTimesButton, phraseBox);

    connect(newTimesButton, &QPushButton::clicked, this, &WhatTimeWindow::showNewTimes);
    connect(hoursIcon, &kit::IconButton::clicked, this, &WhatTimeWindow::chooseHours);
    connect(halfHoursIcon, &kit::IconButton::clicked, this, &WhatTimeWindow::chooseHalfHours);
    connect(quartersIcon, &kit::IconButton::clicked, this, &WhatTimeWindow::chooseQuarters);

    kit::centre(*this);
}

QPoint WhatTimeWindow::slotCentre(int slot) {
    return kCentres.at(slot);
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
    // Without a window manager a clicked window is activated only after the
    // click has been handled; the new times must come first, or the dial
    // clicked would say a time the screen no longer shows.
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress)
        becomeActive();
    return ActivityWindow::eventFilter(watched, event);
}

void WhatTimeWindow::becomeActive() {
    // Only a change from inactive to active counts, however the platform
    // repeats itself; centring moves the window and does not activate it.
    if (m_active)
        return;
    m_active = true;
    startAfresh();
}

void WhatTimeWindow::startAfresh() {
    // The level, its name and the phrase shown stay; only the times change.
    kit::centre(*this);
    board->move(0, 0);
    board->setBitmap(kit::picture(QStringLiteral("board_dials_6")));
    showNewTimes();
}

void WhatTimeWindow::showNewTimes() {
    for (int slot = 0; slot < kSlots; ++slot) {
        // Minute first, then hour; both again until the minute suits the level.
        int minute = 0;
        int hour = 0;
        do {
            minute = draw(60);
            hour = draw(12);
        } while ((m_level == 3 && minute % 15 != 0) || (m_level == 2 && minute % 30 != 0));
        if (m_level == 1)
            minute = 0;
        m_hours[slot] = hour;
        m_minutes[slot] = minute;
        core::placeHands(m_clocks[slot], hour, minute);
    }
}

void WhatTimeWindow::chooseLevel(int level, const QString& name) {
    m_level = level;
    levelName->setText(name);
    showNewTimes();
}

void WhatTimeWindow::chooseHours() {
    chooseLevel(1, QStringLiteral("Hores"));
}

void WhatTimeWindow::chooseHalfHours() {
    chooseLevel(2, QStringLiteral("Dos quarts"));
}

void WhatTimeWindow::chooseQuarters() {
    chooseLevel(3, QStringLiteral("Un quart"));
}

void WhatTimeWindow::sayDialTime(int slot) {
    // Every time a slot can hold has a phrase; were one missing, the box
    // would keep what it showed and that would be said again.
    if (const std::optional<QString> phrase = core::quarterPhrase(m_hours[slot], m_minutes[slot]))
        phraseBox->setText(*phrase);
    speak(phraseBox->text(), kVolume);
}
