#include "activities/what_time_window.h"
#include "kit/icon_button.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/text_box.h"
#include "kit/window_frames.h"
#include "tests/activities/scripted_seams.h"

#include <QAccessible>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

// The draw that gives a whole number n out of `choices`.
double pick(int n, int choices) {
    return (n + 0.5) / choices;
}

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
    void levelIconsAreButtons_data();
    void levelIconsAreButtons();
    void comingBackDealsNewTimesAndKeepsTheRest();
    void aClickThatBringsItBackReadsTheNewTime();
    void typedTextIsReplacedByTheNextClickAndKeptByNewTimes();

private:
    void open();
    void chooseQuarters(const QList<double>& draws);
    void clickBoard(QPoint pixel);

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
    QTest::mouseClick(m_window->quartersIcon, Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
}

// Clicks through the window, so the click lands on whatever lies on top there.
void TestWhatTimeWindow::clickBoard(QPoint pixel) {
    const QPoint inWindow = m_window->board->mapTo(
        m_window, pixel + QPoint(m_window->board->border(), m_window->board->border()));
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, inWindow);
}

void TestWhatTimeWindow::firstActivationDealsEveryDialAtLevelOne() {
    const QList<double> draws = deal({{3, 37}, {11, 59}, {0, 0}, {4, 1}, {7, 14}});
    m_script.draws.assign(draws.begin(), draws.end());
    m_window = new WhatTimeWindow(m_script.seams());
    QCOMPARE(m_script.drawsTaken, 0);
    QVERIFY(m_window->board->bitmap().isNull());

    kit::showWindow(*m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_script.drawsTaken, 16);
    QCOMPARE(m_window->board->pos(), QPoint(0, 0));
    QVERIFY(!m_window->board->bitmap().isNull());
    const QRect screen = m_window->screen()->geometry();
    const QRect frame = m_window->frameGeometry();
    QCOMPARE(frame.topLeft(), screen.topLeft() + kit::centredTopLeft(screen.size(), frame.size()));
    // Level 1 sets every minute to 0, whatever was drawn.
    for (int slot = 0; slot < WhatTimeWindow::kSlots; ++slot)
        QCOMPARE(m_window->slotMinute(slot), 0);
    QCOMPARE(m_window->slotHour(0), 3);
    QCOMPARE(m_window->slotHour(4), 7);
    QVERIFY_TIP(m_window->minuteHands[4], 69, 74 - 37);
    QCOMPARE(m_window->levelName->text(), QStringLiteral("hores"));
    QVERIFY(m_window->phraseBox->text().isEmpty());
    QVERIFY(m_script.spoken.empty());
    // Centring moved the window; that is no new activation.
    QTest::qWait(50);
    QCOMPARE(m_script.drawsTaken, 16);
}

void TestWhatTimeWindow::levelRules_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<double>>("slotZeroDraws");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::newRow("hours: any minute becomes 0")
        << 1 << QList<double>{pick(37, 60), pick(5, 12)} << 5 << 0;
    QTest::newRow("half hours: 30 is taken")
        << 2 << QList<double>{pick(30, 60), pick(7, 12)} << 7 << 30;
    QTest::newRow("half hours: quarters and odd minutes are drawn again, hour and all")
        << 2 << QList<double>{pick(15, 60), pick(3, 12), pick(44, 60),
                              pick(4, 12),  pick(0, 60), pick(9, 12)}
        << 9 << 0;
    QTest::newRow("quarters: drawn again until a quarter")
        << 3 << QList<double>{pick(7, 60), pick(3, 12),  pick(44, 60),
                              pick(2, 12), pick(45, 60), pick(11, 12)}
        << 11 << 45;
}

void TestWhatTimeWindow::levelRules() {
    QFETCH(int, level);
    QFETCH(QList<double>, slotZeroDraws);
    QFETCH(int, hour);
    QFETCH(int, minute);
    open();
    // The other seven slots draw on-step times at once.
    m_script.draws.assign(slotZeroDraws.begin(), slotZeroDraws.end());
    for (int slot = 1; slot < WhatTimeWindow::kSlots; ++slot)
        m_script.draws.insert(m_script.draws.end(), {pick(30, 60), pick(slot, 12)});
    kit::IconButton* icons[] = {m_window->hoursIcon, m_window->halfHoursIcon,
                                m_window->quartersIcon};
    QTest::mouseClick(icons[level - 1], Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->level(), level);
    QCOMPARE(m_window->slotHour(0), hour);
    QCOMPARE(m_window->slotMinute(0), minute);
    QCOMPARE(m_window->slotHour(7), 7);
    QCOMPARE(m_window->slotMinute(7), level == 1 ? 0 : 30);
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

void TestWhatTimeWindow::handTips() {
    QFETCH(int, slot);
    QFETCH(QPointF, hourTip);
    QFETCH(QPointF, minuteTip);
    open();
    chooseQuarters(deal(kEightTimes));
    QVERIFY_TIP(m_window->hourHands[slot], hourTip.x(), hourTip.y());
    QVERIFY_TIP(m_window->minuteHands[slot], minuteTip.x(), minuteTip.y());
    const QPoint centre = WhatTimeWindow::slotCentre(slot);
    QCOMPARE(m_window->hourHands[slot]->x2(), float(centre.x()));
    QCOMPARE(m_window->minuteHands[slot]->y2(), float(centre.y()));
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
    const QPoint centre = WhatTimeWindow::slotCentre(slot);
    clickBoard(centre + QPoint(6, 6));
    QCOMPARE(m_window->phraseBox->text(), phrase);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, phrase);
    QCOMPARE(m_script.spoken[0].volume, 120);
}

void TestWhatTimeWindow::clicksReachOnlyTheHotSpots_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("left half of the top-left dial") << QPoint(60, 74) << QString();
    QTest::newRow("just right of its centre") << QPoint(70, 74) << "Dos quarts de dues";
    QTest::newRow("on its hour hand's tip") << QPoint(91, 52) << "Dos quarts de dues";
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
        QVERIFY(m_window->phraseBox->text().isEmpty());
    } else {
        QCOMPARE(m_script.spoken.size(), std::size_t(1));
        QCOMPARE(m_script.spoken[0].text, spoken);
    }
}

void TestWhatTimeWindow::levelIconsAreButtons_data() {
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("levelName");
    QTest::newRow("hours") << "hoursIcon"
                           << "Només hores" << 1 << "Hores";
    QTest::newRow("half hours") << "halfHoursIcon"
                                << "Hores i dos quarts" << 2 << "Dos quarts";
    QTest::newRow("quarters") << "quartersIcon"
                              << "Quarts" << 3 << "Un quart";
}

void TestWhatTimeWindow::levelIconsAreButtons() {
    QFETCH(QString, icon);
    QFETCH(QString, accessibleName);
    QFETCH(int, level);
    QFETCH(QString, levelName);
    open();
    auto* button = m_window->findChild<kit::IconButton*>(icon);
    QVERIFY(button);
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
        if (level == 1)
            m_window->chooseQuarters();
        else
            m_window->chooseHours();
        button->setFocus();
        way();
        // A screen reader's press is animated: the click follows shortly.
        QTRY_VERIFY(m_script.draws.empty());
        QCOMPARE(m_window->level(), level);
        QCOMPARE(m_window->levelName->text(), levelName);
    }
}

void TestWhatTimeWindow::comingBackDealsNewTimesAndKeepsTheRest() {
    open();
    chooseQuarters(deal(kEightTimes));
    clickBoard(QPoint(70, 74));
    QCOMPARE(m_window->phraseBox->text(), QStringLiteral("Dos quarts de dues"));

    // The child goes to another window and moves this one on the way back.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    const QPoint centred = m_window->pos();
    m_window->move(centred + QPoint(40, 30));
    QCOMPARE(m_script.drawsTaken, 2 * 16);

    const QList<double> draws = deal({{4, 45}, {2, 15}, {10, 0}});
    m_script.draws.assign(draws.begin(), draws.end());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->pos(), centred);
    QCOMPARE(m_window->slotHour(0), 4);
    QCOMPARE(m_window->slotMinute(0), 45);
    QCOMPARE(m_window->level(), 3);
    QCOMPARE(m_window->levelName->text(), QStringLiteral("Un quart"));
    QCOMPARE(m_window->phraseBox->text(), QStringLiteral("Dos quarts de dues"));
    QTest::qWait(50);
    QCOMPARE(m_script.drawsTaken, 3 * 16);
}

void TestWhatTimeWindow::aClickThatBringsItBackReadsTheNewTime() {
    open();
    chooseQuarters(deal(kEightTimes));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    // Where no window manager activates first, the click itself deals.
    const QList<double> draws = deal({{}, {}, {}, {}, {2, 30}});
    m_script.draws.assign(draws.begin(), draws.end());
    clickBoard(QPoint(70, 74));
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral("Dos quarts de tres"));
    // The activation that follows is the same coming back, not another.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_script.drawsTaken, 3 * 16);
}

void TestWhatTimeWindow::typedTextIsReplacedByTheNextClickAndKeptByNewTimes() {
    open();
    chooseQuarters(deal(kEightTimes));
    QTest::keyClicks(m_window->phraseBox, QStringLiteral("Les cinc"));
    QTest::keyClick(m_window->phraseBox, Qt::Key_Return);
    QVERIFY(m_script.spoken.empty());
    clickBoard(QPoint(220, 80));
    QCOMPARE(m_window->phraseBox->text(), QStringLiteral("Un quart de dotze"));
    QCOMPARE(m_script.spoken.back().text, QStringLiteral("Un quart de dotze"));

    const QList<double> draws = deal({{5, 45}, {6, 30}});
    m_script.draws.assign(draws.begin(), draws.end());
    QTest::mouseClick(m_window->newTimesButton, Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->slotHour(1), 6);
    QCOMPARE(m_window->slotMinute(1), 30);
    QCOMPARE(m_window->phraseBox->text(), QStringLiteral("Un quart de dotze"));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
}

QTEST_MAIN(TestWhatTimeWindow)
#include "test_what_time_window.moc"
