// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/move_hands_window.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>
#include <numbers>

namespace {

const QColor kYellow(255, 255, 0);

// Where the face's widget has the inner point (x, y) of the hands.
QPoint onFace(const kit::PictureBox& face, double x, double y) {
    return QPoint(qRound(x) + face.border(), qRound(y) + face.border());
}

// A point on the minute hand's path for a minute, 90 pixels out.
QPoint atMinute(const kit::PictureBox& face, int minute) {
    const QPointF p = core::handTip({103, 103}, 90, 6.0 * minute);
    return onFace(face, p.x(), p.y());
}

// Clockwise degrees from twelve of a hand running from its tip to the centre.
double angleOf(const kit::LineWidget& hand) {
    const double degrees =
        std::atan2(hand.x1() - hand.x2(), hand.y2() - hand.y1()) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

} // namespace

class TestMoveHandsWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void scrollValuePlacesTheHands_data();
    void scrollValuePlacesTheHands();
    void loadDrawsATargetAndOpensAtARandomTime();
    void rightAnswerScoresAndStartsAgainWrongOneChangesNothing();
    void minuteAfterAnAnswerAndAfterAnIconBothMatch();
    void stepIconChangesTargetAndLevelOnly_data();
    void stepIconChangesTargetAndLevelOnly();
    void targetShowsTwoDigitsAndTwelveAsTwelve_data();
    void targetShowsTwoDigitsAndTwelveAsTwelve();
    void faceIconChangesOnlyTheFace();
    void twentyEighthAnswerStartsANewRound();
    void pullingTheMinuteHandMovesTheScrollBar();
    void pullingToTheBarsOwnValueStillMovesTheHands();
    void scrollBarAnswersKeysAndAccessibility();
    void tabGoesInReadingOrderThroughNamedButtons();
    void playsARoundWithKeysOnly();

private:
    void open(std::initializer_list<double> loadDraws);
    void setScroll(int value);
    void drag(const QList<int>& minutes);
    template <class T> T* find(const char* name) const {
        return child<T>(*m_window, QString::fromLatin1(name));
    }
    QScrollBar* bar() const { return find<QScrollBar>("handsScrollBar"); }
    kit::PictureBox* face() const { return find<kit::PictureBox>("face"); }
    kit::LineWidget* hand(const char* name) const {
        return child<kit::LineWidget>(*face(), QString::fromLatin1(name));
    }
    kit::PictureBox* square(int i) const {
        return child<kit::PictureBox>(*m_window, "scoreSquares", i);
    }
    QString target() const;
    QString handsRead() const;
    int squaresColoured() const;
    // A key as the window system delivers it: to whatever has the focus.
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(code), modifiers);
    }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void pressOk() { QTest::mouseClick(find<QPushButton>("okButton"), Qt::LeftButton); }

    Script m_script;
    QStringList m_titles;
    MoveHandsWindow* m_window = nullptr;
    QColor m_emptySquare;
};

void TestMoveHandsWindow::init() {
    m_script = Script();
    m_titles.clear();
}

void TestMoveHandsWindow::cleanup() {
    QVERIFY(!m_script.ranOut);
    // The window never speaks, whatever the child does.
    QVERIFY(m_script.spoken.empty());
    delete m_window;
    m_window = nullptr;
}

void TestMoveHandsWindow::open(std::initializer_list<double> loadDraws) {
    m_script.draws.assign(loadDraws);
    core::Seams seams = m_script.seams();
    seams.message = [this](const QString& prompt, const QString& title) {
        m_script.messages << prompt;
        m_titles << title;
    };
    m_window = new MoveHandsWindow(seams);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(m_script.draws.empty());
    m_emptySquare = square(0)->backColor();
}

void TestMoveHandsWindow::setScroll(int value) {
    bar()->setValue(value);
}

void TestMoveHandsWindow::drag(const QList<int>& minutes) {
    kit::PictureBox* box = face();
    QTest::mousePress(box, Qt::LeftButton, {}, atMinute(*box, minutes.first()));
    for (int minute : minutes.mid(1))
        QTest::mouseMove(box, atMinute(*box, minute));
    QTest::mouseRelease(box, Qt::LeftButton, {}, atMinute(*box, minutes.last()));
}

// The yellow digits as the child reads them.
QString TestMoveHandsWindow::target() const {
    return find<kit::Label>("targetHour")->text() + find<kit::Label>("targetColon")->text() +
           find<kit::Label>("targetMinute")->text();
}

// The time the drawn hands show, "h:mm", read from where they point.
QString TestMoveHandsWindow::handsRead() const {
    const int minute = qRound(angleOf(*hand("minuteHand")) / 6.0) % 60;
    int hour = qRound((angleOf(*hand("hourHand")) - minute / 2.0) / 30.0) % 12;
    if (hour == 0)
        hour = 12;
    return QStringLiteral("%1:%2").arg(hour).arg(minute, 2, 10, QLatin1Char('0'));
}

// Squares coloured so far, which must be the first ones of the grid.
int TestMoveHandsWindow::squaresColoured() const {
    int count = 0;
    while (count < MoveHandsWindow::kScoreSquares && square(count)->backColor() == kYellow)
        ++count;
    for (int i = count; i < MoveHandsWindow::kScoreSquares; ++i) {
        if (square(i)->backColor() != m_emptySquare)
            return -1;
    }
    return count;
}

void TestMoveHandsWindow::scrollValuePlacesTheHands_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown"); // minutes after twelve the hands point at
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("7") << 7 << 10;
    QTest::newRow("15") << 15 << 15;
    QTest::newRow("9:45") << 585 << 585;
    QTest::newRow("715") << 715 << 715;
    QTest::newRow("718") << 718 << 720;
    QTest::newRow("720") << 720 << 720;
}

void TestMoveHandsWindow::scrollValuePlacesTheHands() {
    QFETCH(int, value);
    QFETCH(int, shown);
    open({0.0, 0.0, pick(200, 720)});
    setScroll(360);
    setScroll(value);
    kit::LineWidget* minuteHand = hand("minuteHand");
    kit::LineWidget* hourHand = hand("hourHand");
    const QPointF minuteTip = core::handTip({103, 103}, 100, 6.0 * shown);
    const QPointF hourTip = core::handTip({103, 103}, 70, shown / 2.0);
    QVERIFY_TIP(minuteHand, minuteTip.x(), minuteTip.y());
    QVERIFY_TIP(hourHand, hourTip.x(), hourTip.y());
    QCOMPARE(minuteHand->x2(), 103.0f);
    QCOMPARE(hourHand->y2(), 103.0f);

    // Red hour hand under the blue minute hand, on the face.
    const QImage surface = face()->surface();
    const QPointF minuteMid = core::handTip({103, 103}, 60, 6.0 * shown);
    const QPointF hourMid = core::handTip({103, 103}, 50, shown / 2.0);
    QCOMPARE(surface.pixelColor(qRound(minuteMid.x()), qRound(minuteMid.y())), QColor(0, 0, 255));
    if (std::abs(std::remainder(6.0 * shown - shown / 2.0, 360.0)) > 20)
        QCOMPARE(surface.pixelColor(qRound(hourMid.x()), qRound(hourMid.y())), QColor(255, 0, 0));
}

void TestMoveHandsWindow::loadDrawsATargetAndOpensAtARandomTime() {
    // Minute 33 is off the step and drawn again; then the hour; then the
    // opening time, 7:17, which the hands show as 7:20.
    open({pick(33, 60), pick(35, 60), pick(0, 12), pick(437, 720)});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mou les agulles..."));
    QCOMPARE(target(), QStringLiteral("12:35"));
    QCOMPARE(squaresColoured(), 0);
    QCOMPARE(bar()->value(), 0);
    QCOMPARE(handsRead(), QStringLiteral("7:20"));
    QCOMPARE(face()->bitmap().toImage(), kit::picture("face_script").toImage());
    // The box behind shows its frame round the face and nothing else.
    QCOMPARE(face()->geometry(),
             find<kit::PictureBox>("faceBorder")->geometry().adjusted(2, 2, -2, -2));
    QVERIFY(face()->geometry().bottom() < bar()->y());
    // The bar has the keys from the start.
    m_window->activateWindow();
    QTRY_VERIFY(bar()->hasFocus());
}

void TestMoveHandsWindow::rightAnswerScoresAndStartsAgainWrongOneChangesNothing() {
    open({pick(35, 60), pick(0, 12), pick(437, 720)});
    // Not yet: 12:30 is not 12:35, and nothing is drawn or coloured.
    setScroll(30);
    pressOk();
    QCOMPARE(m_script.drawsTaken, 3);
    QCOMPARE(squaresColoured(), 0);
    QCOMPARE(target(), QStringLiteral("12:35"));
    QCOMPARE(bar()->value(), 30);
    QCOMPARE(handsRead(), QStringLiteral("12:30"));

    // The next target is again on the five-minute step.
    setScroll(35);
    m_script.draws = {pick(40, 60), pick(9, 12)};
    pressOk();
    QVERIFY(m_script.draws.empty());
    QCOMPARE(squaresColoured(), 1);
    QCOMPARE(target(), QStringLiteral("09:40"));
    QCOMPARE(bar()->value(), 0);
    QCOMPARE(handsRead(), QStringLiteral("12:00"));
    QVERIFY_TIP(hand("minuteHand"), 103, 3);
    QVERIFY_TIP(hand("hourHand"), 103, 33);
    const QPoint inSquare = square(0)->mapTo(m_window, QPoint(11, 11));
    QCOMPARE(m_window->grab().toImage().pixelColor(inSquare), kYellow);
    QVERIFY(m_script.messages.isEmpty());
}

void TestMoveHandsWindow::minuteAfterAnAnswerAndAfterAnIconBothMatch() {
    open({pick(0, 60), pick(0, 12), pick(100, 720)});
    setScroll(5);
    pressOk();
    QCOMPARE(squaresColoured(), 0);
    // Twelve o'clock is right; the next target is five past twelve.
    setScroll(0);
    m_script.draws = {pick(5, 60), pick(0, 12)};
    pressOk();
    QCOMPARE(find<kit::Label>("targetMinute")->text(), QStringLiteral("05"));
    setScroll(5);
    m_script.draws = {pick(20, 60), pick(4, 12)};
    pressOk();
    QCOMPARE(squaresColoured(), 2);

    // The five-minute icon writes the minute with two digits too.
    setScroll(5);
    m_script.draws = {pick(0, 13), pick(5, 60)};
    QTest::mouseClick(find<kit::PictureBox>("everyFiveMinutesIcon"), Qt::LeftButton);
    QCOMPARE(target(), QStringLiteral("12:05"));
    m_script.draws = {pick(50, 60), pick(7, 12)};
    pressOk();
    QCOMPARE(squaresColoured(), 3);
    QVERIFY(m_script.draws.empty());
}

void TestMoveHandsWindow::stepIconChangesTargetAndLevelOnly_data() {
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QList<double>>("nextDraws");
    QTest::addColumn<QString>("nextMinute");
    QTest::newRow("every hour") << "everyHourIcon" << QList<double>{pick(7, 13)}
                                << "Rellotge, cada hora"
                                << "07"
                                << "00" << QList<double>{pick(3, 12)} << "00";
    QTest::newRow("every half hour")
        << "everyHalfHourIcon" << QList<double>{pick(12, 13)} << "Rellotge, cada mitja hora"
        << "12"
        << "30" << QList<double>{pick(3, 12)} << "30";
    QTest::newRow("every quarter") << "everyQuarterIcon" << QList<double>{pick(1, 13), pick(2, 3)}
                                   << "Rellotge, cada quart de hora"
                                   << "01"
                                   << "45" << QList<double>{pick(0, 3), pick(3, 12)} << "15";
    QTest::newRow("every five minutes")
        << "everyFiveMinutesIcon" << QList<double>{pick(10, 13), pick(52, 60), pick(50, 60)}
        << "Rellotge, cada cinc minuts"
        << "10"
        << "50" << QList<double>{pick(59, 60), pick(0, 60), pick(3, 12)} << "00";
}

void TestMoveHandsWindow::stepIconChangesTargetAndLevelOnly() {
    QFETCH(QString, icon);
    QFETCH(QList<double>, draws);
    QFETCH(QString, prompt);
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QList<double>, nextDraws);
    QFETCH(QString, nextMinute);
    open({pick(35, 60), pick(0, 12), pick(437, 720)});
    setScroll(35);
    m_script.draws = {pick(10, 60), pick(2, 12)};
    pressOk();
    setScroll(250);

    m_script.draws.assign(draws.begin(), draws.end());
    QTest::mouseClick(child<kit::PictureBox>(*m_window, icon), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_script.messages, QStringList{prompt});
    QCOMPARE(m_titles, QStringList{QStringLiteral("Compte¡")});
    QCOMPARE(target(), hour + ':' + minute);
    QCOMPARE(bar()->value(), 250);
    QCOMPARE(handsRead(), QStringLiteral("4:10"));
    QCOMPARE(squaresColoured(), 1);

    // Answered, the next target keeps the step (its draws say which) and
    // writes two digits.
    const int h = hour.toInt() % 12;
    setScroll(h * 60 + minute.toInt());
    m_script.draws.assign(nextDraws.begin(), nextDraws.end());
    pressOk();
    QVERIFY(m_script.draws.empty());
    QCOMPARE(squaresColoured(), 2);
    QCOMPARE(target(), QStringLiteral("03:") + nextMinute);
}

void TestMoveHandsWindow::targetShowsTwoDigitsAndTwelveAsTwelve_data() {
    QTest::addColumn<QString>("control"); // what the child presses
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("rightAt"); // minutes after twelve that answer it
    QTest::addColumn<QList<double>>("nextDraws");
    QTest::newRow("hour icon at twelve") << "everyHourIcon" << QList<double>{pick(0, 13)} << "12:00"
                                         << 0 << QList<double>{pick(5, 12)};
    QTest::newRow("five-minute icon at five past")
        << "everyFiveMinutesIcon" << QList<double>{pick(9, 13), pick(5, 60)} << "09:05" << 545
        << QList<double>{pick(0, 60), pick(5, 12)};
    QTest::newRow("right answer, then twelve")
        << "okButton" << QList<double>{pick(20, 60), pick(0, 12)} << "12:20" << 20
        << QList<double>{pick(0, 60), pick(5, 12)};
}

void TestMoveHandsWindow::targetShowsTwoDigitsAndTwelveAsTwelve() {
    QFETCH(QString, control);
    QFETCH(QList<double>, draws);
    QFETCH(QString, shown);
    QFETCH(int, rightAt);
    QFETCH(QList<double>, nextDraws);
    open({pick(35, 60), pick(3, 12), pick(437, 720)});
    setScroll(215); // 3:35, right for the first target
    m_script.draws.assign(draws.begin(), draws.end());
    QTest::mouseClick(child<QWidget>(*m_window, control), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(target(), shown);
    const int before = squaresColoured();
    setScroll(rightAt);
    m_script.draws.assign(nextDraws.begin(), nextDraws.end());
    pressOk();
    QVERIFY(m_script.draws.empty());
    QCOMPARE(squaresColoured(), before + 1);
}

void TestMoveHandsWindow::faceIconChangesOnlyTheFace() {
    const char* faces[] = {"face_embossed_light", "face_script", "face_blank",
                           "face_picnic",         "face_24h",    "face_roman_picnic"};
    open({pick(35, 60), pick(8, 12), pick(437, 720)});
    setScroll(515);
    const float tipX = hand("minuteHand")->x1();
    for (int i : {2, 0, 5, 4, 3, 1}) {
        QTest::mouseClick(child<kit::PictureBox>(*m_window, "faceIcons", i), Qt::LeftButton);
        QCOMPARE(face()->bitmap().toImage(), kit::picture(faces[i]).toImage());
    }
    QCOMPARE(m_script.drawsTaken, 3);
    QCOMPARE(target(), QStringLiteral("08:35"));
    QCOMPARE(bar()->value(), 515);
    QCOMPARE(hand("minuteHand")->x1(), tipX);
    // Still right after all that, and still on the five-minute step.
    m_script.draws = {pick(0, 60), pick(0, 12)};
    pressOk();
    QCOMPARE(squaresColoured(), 1);
}

void TestMoveHandsWindow::twentyEighthAnswerStartsANewRound() {
    open({pick(5, 60), pick(1, 12), pick(437, 720)});
    for (int answer = 1; answer <= 28; ++answer) {
        const int hour = find<kit::Label>("targetHour")->text().toInt() % 12;
        setScroll(hour * 60 + find<kit::Label>("targetMinute")->text().toInt());
        m_script.draws = {pick(5 * (answer % 12), 60), pick(answer % 12, 12)};
        pressOk();
        QVERIFY(m_script.draws.empty());
        if (answer == 27)
            QCOMPARE(squaresColoured(), 27);
    }
    QCOMPARE(squaresColoured(), 1);
    const QImage shot = m_window->grab().toImage();
    for (int i = 0; i < MoveHandsWindow::kScoreSquares; ++i) {
        const QColor expected = i == 0 ? kYellow : m_emptySquare;
        QCOMPARE(shot.pixelColor(square(i)->mapTo(m_window, QPoint(11, 11))), expected);
    }
}

void TestMoveHandsWindow::pullingTheMinuteHandMovesTheScrollBar() {
    open({pick(35, 60), pick(0, 12), 0.0});
    // A press beside the hand takes nothing.
    drag({30, 45});
    QCOMPARE(bar()->value(), 0);
    QCOMPARE(handsRead(), QStringLiteral("12:00"));

    drag({0, 5, 10, 15});
    QCOMPARE(bar()->value(), 15);
    QCOMPARE(handsRead(), QStringLiteral("12:15"));
    // On round past twelve: one o'clock and on.
    drag({15, 25, 35, 45, 55, 0, 5, 10});
    QCOMPARE(bar()->value(), 70);
    QCOMPARE(handsRead(), QStringLiteral("1:10"));
    // And back past twelve to the hour before, off the step rounding up.
    drag({10, 0, 50, 43});
    QCOMPARE(bar()->value(), 43);
    QCOMPARE(handsRead(), QStringLiteral("12:45"));
    const QPointF tip = core::handTip({103, 103}, 100, 270);
    QVERIFY_TIP(hand("minuteHand"), tip.x(), tip.y());
    // Never below twelve o'clock.
    drag({45, 30, 15, 0, 55, 50});
    QCOMPARE(bar()->value(), 0);
    // Then straight to the answer.
    setScroll(35);
    m_script.draws = {pick(0, 60), pick(0, 12)};
    pressOk();
    QCOMPARE(squaresColoured(), 1);
}

void TestMoveHandsWindow::pullingToTheBarsOwnValueStillMovesTheHands() {
    // Opens at 12:10 with the bar at 0: pulled back to twelve, the bar keeps
    // its value and the hands must still come with it.
    open({pick(35, 60), pick(0, 12), pick(10, 720)});
    QCOMPARE(handsRead(), QStringLiteral("12:10"));
    drag({10, 5, 0});
    QCOMPARE(bar()->value(), 0);
    QCOMPARE(handsRead(), QStringLiteral("12:00"));
    QVERIFY_TIP(hand("minuteHand"), 103, 3);
}

void TestMoveHandsWindow::scrollBarAnswersKeysAndAccessibility() {
    open({pick(35, 60), pick(0, 12), pick(437, 720)});
    QScrollBar* handsBar = bar();
    // Right goes forward, Left back, as the arrows point.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(handsBar, Qt::Key_Right);
    QTest::keyClick(handsBar, Qt::Key_Left);
    QCOMPARE(handsBar->value(), 10);
    QCOMPARE(handsRead(), QStringLiteral("12:10"));
    QTest::keyClick(handsBar, Qt::Key_Down);
    QCOMPARE(handsBar->value(), 15);
    QTest::keyClick(handsBar, Qt::Key_End);
    QCOMPARE(handsRead(), QStringLiteral("12:00"));

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(handsBar);
    QVERIFY(access);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Mou les agulles"));
    QAccessibleValueInterface* value = access->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->maximumValue().toInt(), 720);
    value->setCurrentValue(35);
    QCOMPARE(handsBar->value(), 35);
    QCOMPARE(handsRead(), QStringLiteral("12:35"));
    m_script.draws = {pick(0, 60), pick(0, 12)};
    pressOk();
    QCOMPARE(squaresColoured(), 1);

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(find<QWidget>("scoreGrid"));
    QVERIFY(grid);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Quadres d'encerts"));
    // A screen reader reads the digits as they stand: hour, colon, minute.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window);
    const auto place = [this, window](const char* label) {
        return window->indexOfChild(QAccessible::queryAccessibleInterface(find<QWidget>(label)));
    };
    QVERIFY(place("targetHour") >= 0);
    QVERIFY(place("targetHour") < place("targetColon"));
    QVERIFY(place("targetColon") < place("targetMinute"));
}

void TestMoveHandsWindow::tabGoesInReadingOrderThroughNamedButtons() {
    open({pick(35, 60), pick(3, 12), pick(437, 720)});
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(focused(), QStringLiteral("handsScrollBar"));
    // The window rings the bar while it has the keys, and only then.
    const auto ringed = [this] {
        const QRect around = bar()->geometry().adjusted(-3, -3, 3, 3);
        return m_window->grab().toImage().pixelColor(around.left(), around.center().y()) ==
               QColor(255, 221, 0);
    };
    QVERIFY(ringed());
    key(Qt::Key_Tab);
    QVERIFY(!ringed());
    const QStringList order{"faceIcons0",           "faceIcons1",        "faceIcons2",
                            "faceIcons3",           "faceIcons4",        "faceIcons5",
                            "handsScrollBar",       "everyHalfHourIcon", "everyHourIcon",
                            "everyFiveMinutesIcon", "everyQuarterIcon",  "okButton"};
    const QStringList names{"Esfera 1",  "Esfera 2",         "Esfera 3",   "Esfera 4",
                            "Esfera 5",  "Esfera 6",         "",           "Cada mitja hora",
                            "Cada hora", "Cada cinc minuts", "Cada quart", ""};
    find<QWidget>("faceIcons0")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < order.size(); ++i) {
        QCOMPARE(focused(), order[i]);
        if (!names[i].isEmpty()) {
            QAccessibleInterface* access =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            QCOMPARE(access->role(), QAccessible::Button);
            QCOMPARE(access->text(QAccessible::Name), names[i]);
        }
        key(Qt::Key_Tab);
    }
    QCOMPARE(m_script.drawsTaken, 3);
}

void TestMoveHandsWindow::playsARoundWithKeysOnly() {
    open({pick(35, 60), pick(3, 12), pick(437, 720)});
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // A face: back from the bar to the last icon, then up one.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Space);
    QCOMPARE(face()->bitmap().toImage(), kit::picture("face_roman_picnic").toImage());
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    QCOMPARE(face()->bitmap().toImage(), kit::picture("face_24h").toImage());

    // A step: on past the bar to the row of icons, along to every hour.
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Right);
    m_script.draws = {pick(3, 13)};
    key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(m_script.messages, QStringList{QStringLiteral("Rellotge, cada hora")});
    QCOMPARE(target(), QStringLiteral("03:00"));

    // The hands to three o'clock, then "ok" by Space and, for twelve, Enter.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    for (int i = 0; i < 36; ++i)
        key(Qt::Key_Right);
    QCOMPARE(handsRead(), QStringLiteral("3:00"));
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("okButton"));
    m_script.draws = {pick(0, 12)};
    key(Qt::Key_Space);
    QCOMPARE(squaresColoured(), 1);
    QCOMPARE(target(), QStringLiteral("12:00"));
    m_script.draws = {pick(8, 12)};
    key(Qt::Key_Return);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(squaresColoured(), 2);
    QCOMPARE(target(), QStringLiteral("08:00"));
}

QTEST_MAIN(TestMoveHandsWindow)
#include "test_move_hands_window.moc"
