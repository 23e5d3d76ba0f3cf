// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/what_time_window.h"
#include "kit/icon_button.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/text_box.h"
#include "kit/window_frames.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <map>

namespace {

struct Time {
    int hour;
    int minute;
};

// The draws that deal these times to slots 0, 1, 2 ..., minute first; the
// slots not named get twelve o'clock.
QList<double> deal(std::initializer_list<Time> times) {
    QList<double> draws;
    for (const Time& time : times)
        draws << pick(time.minute, 60) << pick(time.hour, 12);
    while (draws.size() < 2 * WhatTimeWindow::kSlots)
        draws << 0.0 << 0.0;
    return draws;
}

// The time a slot's hands show, "h:mm", read off the lines as a child reads
// a dial: hour 0 is twelve.
QString shownTime(const QWidget& window, int slot) {
    const auto angle = [&](const char* hand) {
        const auto* line = child<kit::LineWidget>(window, hand, slot);
        const double degrees =
            qRadiansToDegrees(std::atan2(line->x1() - line->x2(), line->y2() - line->y1()));
        return degrees < 0 ? degrees + 360 : degrees;
    };
    const int minute = int(std::lround(angle("minuteHands") / 6)) % 60;
    const int hour = int(std::lround((angle("hourHands") - minute / 2.0) / 30)) % 12;
    return QStringLiteral("%1:%2").arg(hour).arg(minute, 2, 10, QLatin1Char('0'));
}

// The eight times the hand tests deal at level 3.
const std::initializer_list<Time> kEightTimes{{0, 0},  {6, 15},  {3, 0},  {8, 0},
                                              {1, 30}, {11, 15}, {9, 45}, {5, 30}};

} // namespace

class TestWhatTimeWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstActivationDealsEveryDialAtLevelOne();
    void levelRules_data();
    void levelRules();
    void handTips_data();
    void handTips();
    void dialPhrases_data();
    void dialPhrases();
    void clicksReachOnlyTheHotSpots_data();
    void clicksReachOnlyTheHotSpots();
    void everyDialAnswersAnywhereOnItsFace();
    void levelIconsAreButtons_data();
    void levelIconsAreButtons();
    void comingBackDealsNewTimesAndKeepsTheRest();
    void aClickThatBringsItBackActsOnTheDialsSeen_data();
    void aClickThatBringsItBackActsOnTheDialsSeen();
    void typedTextIsReplacedByTheNextClickAndKeptByNewTimes();
    void dialsAreNamedButtonsInReadingOrder();
    void aRoundPlayedWithKeysOnly();

private:
    void open();
    void chooseQuarters(const QList<double>& draws);
    void clickBoard(QPoint pixel);
    void goElsewhere(QWidget& other);
    QString phrase() const { return child<kit::TextBox>(*m_window, "phraseBox")->text(); }

    Script m_script;
    WhatTimeWindow* m_window = nullptr;
};

void TestWhatTimeWindow::init() {
    m_script = Script();
}

void TestWhatTimeWindow::cleanup() {
    QVERIFY(!m_script.ranOut);
    delete m_window;
    m_window = nullptr;
}

void TestWhatTimeWindow::open() {
    m_script.draws.assign(2 * WhatTimeWindow::kSlots, 0.0);
    m_window = new WhatTimeWindow(m_script.seams());
    kit::showWindow(*m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(m_script.draws.empty());
}

void TestWhatTimeWindow::chooseQuarters(const QList<double>& draws) {
    m_script.draws.assign(draws.begin(), draws.end());
    QTest::mouseClick(child<kit::IconButton>(*m_window, "levelIcons", 2), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
}

// Clicks through the window, so the click lands on whatever lies on top there.
void TestWhatTimeWindow::clickBoard(QPoint pixel) {
    const auto* board = child<kit::PictureBox>(*m_window, "board");
    const QPoint inWindow =
        board->mapTo(m_window, pixel + QPoint(board->border(), board->border()));
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, inWindow);
}

// The child goes to another window; this one is no longer active.
void TestWhatTimeWindow::goElsewhere(QWidget& other) {
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
}

void TestWhatTimeWindow::firstActivationDealsEveryDialAtLevelOne() {
    const QList<double> draws = deal({{3, 37}, {11, 59}, {0, 0}, {4, 1}, {7, 14}});
    m_script.draws.assign(draws.begin(), draws.end());
    m_window = new WhatTimeWindow(m_script.seams());
    const auto* board = child<kit::PictureBox>(*m_window, "board");
    QCOMPARE(m_script.drawsTaken, 0);
    QVERIFY(board->bitmap().isNull());

    kit::showWindow(*m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_script.drawsTaken, 16);
    QCOMPARE(board->pos(), QPoint(0, 0));
    QVERIFY(!board->bitmap().isNull());
    const QRect screen = m_window->screen()->geometry();
    const QRect frame = m_window->frameGeometry();
    QCOMPARE(frame.topLeft(), screen.topLeft() + kit::centredTopLeft(screen.size(), frame.size()));
    // Level 1 sets every minute to 0, whatever was drawn.
    for (int slot = 0; slot < WhatTimeWindow::kSlots; ++slot)
        QVERIFY(shownTime(*m_window, slot).endsWith(QLatin1String(":00")));
    QCOMPARE(shownTime(*m_window, 0), QStringLiteral("3:00"));
    QCOMPARE(shownTime(*m_window, 4), QStringLiteral("7:00"));
    QVERIFY_TIP(child<kit::LineWidget>(*m_window, "minuteHands", 4), 69, 74 - 37);
    QCOMPARE(child<QLabel>(*m_window, "levelName")->text(), QStringLiteral("hores"));
    QVERIFY(phrase().isEmpty());
    QVERIFY(m_script.spoken.empty());
    // Centring moved the window; that is no new activation.
    QTest::qWait(50);
    QCOMPARE(m_script.drawsTaken, 16);
}

void TestWhatTimeWindow::levelRules_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<double>>("slotZeroDraws");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("levelName");
    QTest::newRow("hours: any minute becomes 0")
        << 1 << QList<double>{pick(37, 60), pick(5, 12)} << "5:00"
        << "Hores";
    QTest::newRow("half hours: 30 is taken")
        << 2 << QList<double>{pick(30, 60), pick(7, 12)} << "7:30"
        << "Dos quarts";
    QTest::newRow("half hours: quarters and odd minutes are drawn again, hour and all")
        << 2 << QList<double>{pick(15, 60), pick(3, 12), pick(44, 60),
                              pick(4, 12),  pick(0, 60), pick(9, 12)}
        << "9:00"
        << "Dos quarts";
    QTest::newRow("quarters: drawn again until a quarter")
        << 3 << QList<double>{pick(7, 60), pick(3, 12),  pick(44, 60),
                              pick(2, 12), pick(45, 60), pick(11, 12)}
        << "11:45"
        << "Un quart";
}

void TestWhatTimeWindow::levelRules() {
    QFETCH(int, level);
    QFETCH(QList<double>, slotZeroDraws);
    QFETCH(QString, time);
    QFETCH(QString, levelName);
    open();
    // The other seven slots draw on-step times at once.
    m_script.draws.assign(slotZeroDraws.begin(), slotZeroDraws.end());
    for (int slot = 1; slot < WhatTimeWindow::kSlots; ++slot)
        m_script.draws.insert(m_script.draws.end(), {pick(30, 60), pick(slot, 12)});
    QTest::mouseClick(child<kit::IconButton>(*m_window, "levelIcons", level - 1), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(child<QLabel>(*m_window, "levelName")->text(), levelName);
    QCOMPARE(shownTime(*m_window, 0), time);
    QCOMPARE(shownTime(*m_window, 7), level == 1 ? "7:00" : "7:30");
}

void TestWhatTimeWindow::handTips_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QPointF>("hourTip");
    QTest::addColumn<QPointF>("minuteTip");
    QTest::newRow("0 bottom left, twelve") << 0 << QPointF(69, 158) << QPointF(69, 153);
    QTest::newRow("1 bottom middle, 6:15")
        << 1 << QPointF(210.823162, 221.726237) << QPointF(252, 190);
    QTest::newRow("2 bottom right, 3:00") << 2 << QPointF(394, 190) << QPointF(362, 153);
    QTest::newRow("3 off the board, 8:00") << 3 << QPointF(519.287187, 206) << QPointF(547, 153);
    QTest::newRow("4 top left, 1:30") << 4 << QPointF(91.627417, 51.372583) << QPointF(69, 111);
    QTest::newRow("5 top middle, 11:15") << 5 << QPointF(202.754130, 44.435855) << QPointF(252, 74);
    QTest::newRow("6 top right, 9:45") << 6 << QPointF(332.435855, 61.754130) << QPointF(325, 74);
}

// The centre each hand turns about, in pixels of the board.
constexpr QPoint kCentres[WhatTimeWindow::kSlots] = {{69, 190}, {215, 190}, {362, 190}, {547, 190},
                                                     {69, 74},  {215, 74},  {362, 74},  {547, 74}};

void TestWhatTimeWindow::handTips() {
    QFETCH(int, slot);
    QFETCH(QPointF, hourTip);
    QFETCH(QPointF, minuteTip);
    open();
    chooseQuarters(deal(kEightTimes));
    const auto* hourHand = child<kit::LineWidget>(*m_window, "hourHands", slot);
    const auto* minuteHand = child<kit::LineWidget>(*m_window, "minuteHands", slot);
    QVERIFY_TIP(hourHand, hourTip.x(), hourTip.y());
    QVERIFY_TIP(minuteHand, minuteTip.x(), minuteTip.y());
    QCOMPARE(hourHand->x2(), float(kCentres[slot].x()));
    QCOMPARE(minuteHand->y2(), float(kCentres[slot].y()));
}

void TestWhatTimeWindow::dialPhrases_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("twelve o'clock") << 0 << "Les dotze";
    QTest::newRow("a quarter past six") << 1 << "Un quart de set";
    QTest::newRow("three o'clock") << 2 << "Les tres";
    QTest::newRow("half past one") << 4 << "Dos quarts de dues";
    QTest::newRow("a quarter past eleven") << 5 << "Un quart de dotze";
    QTest::newRow("a quarter to ten") << 6 << "Tres quarts de deu";
}

void TestWhatTimeWindow::dialPhrases() {
    QFETCH(int, slot);
    QFETCH(QString, phrase);
    open();
    chooseQuarters(deal(kEightTimes));
    clickBoard(kCentres[slot] + QPoint(6, 6));
    QCOMPARE(this->phrase(), phrase);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, phrase);
    QCOMPARE(m_script.spoken[0].volume, 120);
}

void TestWhatTimeWindow::clicksReachOnlyTheHotSpots_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("left half of the top-left dial") << QPoint(60, 74) << "Dos quarts de dues";
    QTest::newRow("just right of its centre") << QPoint(70, 74) << "Dos quarts de dues";
    QTest::newRow("on its hour hand's tip") << QPoint(91, 52) << "Dos quarts de dues";
    QTest::newRow("right of its frame") << QPoint(150, 74) << "Dos quarts de dues";
    QTest::newRow("where it meets the top-middle dial's hot spot")
        << QPoint(164, 74) << "Un quart de dotze";
    QTest::newRow("on a hand where both hands meet") << QPoint(362, 190) << "Les tres";
    QTest::newRow("the strip below the dials") << QPoint(300, 270) << QString();
    QTest::newRow("between the top dials' frames") << QPoint(290, 60) << QString();
}

void TestWhatTimeWindow::clicksReachOnlyTheHotSpots() {
    QFETCH(QPoint, pixel);
    QFETCH(QString, spoken);
    open();
    chooseQuarters(deal(kEightTimes));
    clickBoard(pixel);
    if (spoken.isEmpty()) {
        QVERIFY(m_script.spoken.empty());
        QVERIFY(phrase().isEmpty());
    } else {
        QCOMPARE(m_script.spoken.size(), std::size_t(1));
        QCOMPARE(m_script.spoken[0].text, spoken);
    }
}

// The top-left dial's hot spot once began at its centre, so its left half
// said nothing.
void TestWhatTimeWindow::everyDialAnswersAnywhereOnItsFace() {
    open();
    chooseQuarters(deal(kEightTimes));
    const std::map<int, QString> phrases{{0, "Les dotze"},         {1, "Un quart de set"},
                                         {2, "Les tres"},          {4, "Dos quarts de dues"},
                                         {5, "Un quart de dotze"}, {6, "Tres quarts de deu"}};
    constexpr int kFaceRadius = 42; // the white of the face is 43 pixels
    for (const auto& [slot, said] : phrases) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            const double turn = eighth * M_PI / 4;
            const QPoint pixel = kCentres[slot] + QPoint(int(kFaceRadius * std::sin(turn)),
                                                         int(-kFaceRadius * std::cos(turn)));
            m_script.spoken.clear();
            clickBoard(pixel);
            QVERIFY2(
                m_script.spoken.size() == 1 && m_script.spoken[0].text == said,
                qPrintable(
                    QStringLiteral("dial %1 at (%2, %3)").arg(slot).arg(pixel.x()).arg(pixel.y())));
        }
    }
}

void TestWhatTimeWindow::levelIconsAreButtons_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("levelName");
    QTest::newRow("hours") << 0 << "Només hores"
                           << "Hores";
    QTest::newRow("half hours") << 1 << "Hores i dos quarts"
                                << "Dos quarts";
    QTest::newRow("quarters") << 2 << "Quarts"
                              << "Un quart";
}

void TestWhatTimeWindow::levelIconsAreButtons() {
    QFETCH(int, icon);
    QFETCH(QString, accessibleName);
    QFETCH(QString, levelName);
    open();
    auto* button = child<kit::IconButton>(*m_window, "levelIcons", icon);
    auto* other = child<kit::IconButton>(*m_window, "levelIcons", (icon + 1) % 3);
    const auto* name = child<QLabel>(*m_window, "levelName");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), accessibleName);
    QVERIFY(button->focusPolicy() & Qt::TabFocus);

    // Mouse, Space, Enter and a screen reader's press each choose the level.
    const auto press = std::array<std::function<void()>, 4>{
        [&] { QTest::mouseClick(button, Qt::LeftButton); },
        [&] { QTest::keyClick(button, Qt::Key_Space); },
        [&] { QTest::keyClick(button, Qt::Key_Return); },
        [&] { face->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }};
    for (const auto& way : press) {
        m_script.draws.assign(4 * WhatTimeWindow::kSlots, 0.0);
        QTest::mouseClick(other, Qt::LeftButton);
        QVERIFY(name->text() != levelName);
        button->setFocus();
        way();
        // A screen reader's press is animated: the click follows shortly.
        QTRY_VERIFY(m_script.draws.empty());
        QCOMPARE(name->text(), levelName);
    }
}

void TestWhatTimeWindow::comingBackDealsNewTimesAndKeepsTheRest() {
    open();
    chooseQuarters(deal(kEightTimes));
    clickBoard(QPoint(70, 74));
    QCOMPARE(phrase(), QStringLiteral("Dos quarts de dues"));

    // The child goes to another window and moves this one on the way back.
    QWidget other;
    goElsewhere(other);
    const QPoint centred = m_window->pos();
    m_window->move(centred + QPoint(40, 30));
    QCOMPARE(m_script.drawsTaken, 2 * 16);

    const QList<double> draws = deal({{4, 45}, {2, 15}, {10, 0}});
    m_script.draws.assign(draws.begin(), draws.end());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTRY_VERIFY(m_script.draws.empty());
    QCOMPARE(m_window->pos(), centred);
    QCOMPARE(shownTime(*m_window, 0), QStringLiteral("4:45"));
    QCOMPARE(child<QLabel>(*m_window, "levelName")->text(), QStringLiteral("Un quart"));
    QCOMPARE(phrase(), QStringLiteral("Dos quarts de dues"));
    // Still quarters: a drawn minute off the quarter would be drawn again.
    QCOMPARE(shownTime(*m_window, 1), QStringLiteral("2:15"));
    QTest::qWait(300);
    QCOMPARE(m_script.drawsTaken, 3 * 16);
}

void TestWhatTimeWindow::aClickThatBringsItBackActsOnTheDialsSeen_data() {
    QTest::addColumn<bool>("activatedFirst");
    QTest::newRow("the press comes first (no window manager)") << false;
    QTest::newRow("the activation comes first (a window manager)") << true;
}

// Such a click once dealt new times first and then said the new time of the
// dial under the pointer.
void TestWhatTimeWindow::aClickThatBringsItBackActsOnTheDialsSeen() {
    QFETCH(bool, activatedFirst);
    open();
    chooseQuarters(deal(kEightTimes));
    QWidget other;
    goElsewhere(other);
    const QPoint moved = m_window->pos() + QPoint(40, 30);
    m_window->move(moved);

    if (activatedFirst)
        m_window->activateWindow();
    clickBoard(QPoint(70, 74));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral("Dos quarts de dues"));
    // The activation that goes with the click is the same coming back.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::qWait(300);
    QCOMPARE(m_script.drawsTaken, 2 * 16);
    QCOMPARE(shownTime(*m_window, 4), QStringLiteral("1:30"));
    QCOMPARE(m_window->pos(), moved);
}

void TestWhatTimeWindow::typedTextIsReplacedByTheNextClickAndKeptByNewTimes() {
    open();
    chooseQuarters(deal(kEightTimes));
    auto* box = child<kit::TextBox>(*m_window, "phraseBox");
    QTest::keyClicks(box, QStringLiteral("Les cinc"));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(m_script.spoken.empty());
    clickBoard(QPoint(220, 80));
    QCOMPARE(phrase(), QStringLiteral("Un quart de dotze"));
    QCOMPARE(m_script.spoken.back().text, QStringLiteral("Un quart de dotze"));

    const QList<double> draws = deal({{5, 45}, {6, 30}});
    m_script.draws.assign(draws.begin(), draws.end());
    QTest::mouseClick(child<QPushButton>(*m_window, "newTimesButton"), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(shownTime(*m_window, 1), QStringLiteral("6:30"));
    QCOMPARE(phrase(), QStringLiteral("Un quart de dotze"));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
}

void TestWhatTimeWindow::dialsAreNamedButtonsInReadingOrder() {
    open();
    const QStringList names{"Rellotge de dalt a l'esquerra",
                            "Rellotge de dalt al mig",
                            "Rellotge de dalt a la dreta",
                            "Rellotge de baix a l'esquerra",
                            "Rellotge de baix al mig",
                            "Rellotge de baix a la dreta",
                            "Només hores",
                            "Hores i dos quarts",
                            "Quarts",
                            "Hores noves"};
    // Tab visits the dials in reading order, then the icons and the button.
    QStringList visited;
    for (int i = 0; i < names.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(focused);
        QCOMPARE(face->role(), QAccessible::Button);
        visited << face->text(QAccessible::Name);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Tab);
    }
    QCOMPARE(visited, names);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("phraseBox"));
    // The arrow-only button says what it does and is pressed by both keys.
    auto* newTimes = child<QPushButton>(*m_window, "newTimesButton");
    QVERIFY(!newTimes->toolTip().isEmpty());
    newTimes->setFocus();
    for (const Qt::Key press : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        m_script.draws.assign(2 * WhatTimeWindow::kSlots, 0.0);
        QTest::keyClick(m_window->windowHandle(), press);
        QVERIFY(m_script.draws.empty());
    }
}

void TestWhatTimeWindow::aRoundPlayedWithKeysOnly() {
    open();
    const auto key = [this](Qt::Key k) { QTest::keyClick(m_window->windowHandle(), k); };
    const auto focusName = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    // The first dial has the focus; Tab on to the quarters icon.
    QCOMPARE(focusName(), QStringLiteral("dialHotSpots4"));
    for (int i = 0; i < 8; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("levelIcons2"));
    const QList<double> draws = deal(kEightTimes);
    m_script.draws.assign(draws.begin(), draws.end());
    key(Qt::Key_Space);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(child<QLabel>(*m_window, "levelName")->text(), QStringLiteral("Un quart"));

    // Back to the dials, then about the board by the arrow keys.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("dialHotSpots4"));
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("dialHotSpots1"));
    key(Qt::Key_Return);
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("dialHotSpots6"));
    QCOMPARE(m_script.spoken.size(), std::size_t(2));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral("Un quart de set"));
    QCOMPARE(m_script.spoken[1].text, QStringLiteral("Tres quarts de deu"));
    QCOMPARE(phrase(), QStringLiteral("Tres quarts de deu"));
    // A screen reader, told the box's name changed, reads the phrase chosen.
    const auto* box = child<kit::TextBox>(*m_window, "phraseBox");
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<kit::TextBox*>(box))
                 ->text(QAccessible::Name),
             QStringLiteral("Tres quarts de deu"));
}

QTEST_MAIN(TestWhatTimeWindow)
#include "test_what_time_window.moc"
