#include "activities/move_hands_window.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "tests/activities/scripted_seams.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The draw that gives a whole number n out of `choices`.
double pick(int n, int choices) {
    return (n + 0.5) / choices;
}

// Where the face's widget has the inner point (x, y) of the hands.
QPoint onFace(const MoveHandsWindow& window, double x, double y) {
    return QPoint(qRound(x) + window.face->border(), qRound(y) + window.face->border());
}

// A point on the minute hand's path for a minute, 90 pixels out.
QPoint atMinute(const MoveHandsWindow& window, int minute) {
    const QPointF p = core::handTip({103, 103}, 90, 6.0 * minute);
    return onFace(window, p.x(), p.y());
}

} // namespace

class TestMoveHandsWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void handsForMinutesRoundsUpOffTheStep_data();
    void handsForMinutesRoundsUpOffTheStep();
    void scrollValuePlacesTheHands_data();
    void scrollValuePlacesTheHands();
    void loadDrawsATargetAndOpensAtARandomTime();
    void rightAnswerScoresAndStartsAgainWrongOneChangesNothing();
    void minuteWithAndWithoutLeadingZeroBothMatch();
    void stepIconChangesTargetAndLevelOnly_data();
    void stepIconChangesTargetAndLevelOnly();
    void faceIconChangesOnlyTheFace();
    void twentyEighthAnswerStartsANewRound();
    void pullingTheMinuteHandMovesTheScrollBar();
    void pullingToTheBarsOwnValueStillMovesTheHands();
    void scrollBarAnswersKeysAndAccessibility();

private:
    void open(std::initializer_list<double> loadDraws);
    void setScroll(int value);
    void drag(const QList<int>& minutes);

    Script m_script;
    QStringList m_titles;
    MoveHandsWindow* m_window = nullptr;
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
}

void TestMoveHandsWindow::setScroll(int value) {
    m_window->handsScrollBar->setValue(value);
}

void TestMoveHandsWindow::drag(const QList<int>& minutes) {
    QTest::mousePress(m_window->face, Qt::LeftButton, {}, atMinute(*m_window, minutes.first()));
    for (int minute : minutes.mid(1))
        QTest::mouseMove(m_window->face, atMinute(*m_window, minute));
    QTest::mouseRelease(m_window->face, Qt::LeftButton, {}, atMinute(*m_window, minutes.last()));
}

void TestMoveHandsWindow::handsForMinutesRoundsUpOffTheStep_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::newRow("0") << 0 << 12 << 0;
    for (int v = 1; v <= 5; ++v)
        QTest::addRow("%d stays", v) << v << 12 << v;
    for (int v = 6; v <= 10; ++v)
        QTest::addRow("%d is ten past", v) << v << 12 << 10;
    QTest::newRow("61") << 61 << 1 << 5;
    QTest::newRow("359") << 359 << 6 << 0;
    QTest::newRow("715") << 715 << 11 << 55;
    for (int v = 716; v <= 720; ++v)
        QTest::addRow("%d is twelve", v) << v << 12 << 0;
}

void TestMoveHandsWindow::handsForMinutesRoundsUpOffTheStep() {
    QFETCH(int, value);
    QFETCH(int, hour);
    QFETCH(int, minute);
    const HandsReading hands = handsForMinutes(value);
    QCOMPARE(hands.hour, hour);
    QCOMPARE(hands.minute, minute);
    QCOMPARE(hands.minutes % 720, (hour % 12) * 60 + minute);
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
    QCOMPARE(m_window->handsHour(), shown / 60 == 0 ? 12 : shown / 60);
    QCOMPARE(m_window->handsMinute(), shown % 60);
    const QPointF minuteTip = core::handTip({103, 103}, 100, 6.0 * shown);
    const QPointF hourTip = core::handTip({103, 103}, 70, shown / 2.0);
    QVERIFY_TIP(m_window->minuteHand, minuteTip.x(), minuteTip.y());
    QVERIFY_TIP(m_window->hourHand, hourTip.x(), hourTip.y());
    QCOMPARE(m_window->minuteHand->x2(), 103.0f);
    QCOMPARE(m_window->hourHand->y2(), 103.0f);

    // Red hour hand under the blue minute hand, on the face.
    const QImage surface = m_window->face->surface();
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
    QCOMPARE(m_window->targetHour->text(), QStringLiteral("00"));
    QCOMPARE(m_window->targetMinute->text(), QStringLiteral("35"));
    QCOMPARE(m_window->targetColon->text(), QStringLiteral(":"));
    QCOMPARE(m_window->level(), 4);
    QCOMPARE(m_window->score(), 0);
    QCOMPARE(m_window->handsScrollBar->value(), 0);
    QCOMPARE(m_window->handsHour(), 7);
    QCOMPARE(m_window->handsMinute(), 20);
    QCOMPARE(m_window->face->bitmap().toImage(), kit::picture("face_script").toImage());
    // The box behind shows its frame round the face and nothing else.
    QCOMPARE(m_window->face->geometry(), m_window->faceBorder->geometry().adjusted(2, 2, -2, -2));
    QVERIFY(m_window->face->geometry().bottom() < m_window->handsScrollBar->y());
    // The bar has the keys from the start.
    m_window->activateWindow();
    QTRY_VERIFY(m_window->handsScrollBar->hasFocus());
}

void TestMoveHandsWindow::rightAnswerScoresAndStartsAgainWrongOneChangesNothing() {
    open({pick(35, 60), pick(0, 12), pick(437, 720)});
    // Not yet: 12:30 is not 12:35, and nothing is drawn or coloured.
    setScroll(30);
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_script.drawsTaken, 3);
    QCOMPARE(m_window->score(), 0);
    QCOMPARE(m_window->targetMinute->text(), QStringLiteral("35"));
    QCOMPARE(m_window->handsScrollBar->value(), 30);
    QCOMPARE(m_window->handsMinute(), 30);
    QCOMPARE(m_window->scoreSquares[0]->backColor(), m_window->emptySquareColor());

    // "00":"35" is twelve thirty-five.
    setScroll(35);
    m_script.draws = {pick(40, 60), pick(9, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->score(), 1);
    QCOMPARE(m_window->scoreSquares[0]->backColor(), QColor(255, 255, 0));
    QCOMPARE(m_window->scoreSquares[1]->backColor(), m_window->emptySquareColor());
    QCOMPARE(m_window->targetHour->text(), QStringLiteral("09"));
    QCOMPARE(m_window->targetMinute->text(), QStringLiteral("40"));
    QCOMPARE(m_window->level(), 4);
    QCOMPARE(m_window->handsScrollBar->value(), 0);
    QCOMPARE(m_window->handsHour(), 12);
    QCOMPARE(m_window->handsMinute(), 0);
    QVERIFY_TIP(m_window->minuteHand, 103, 3);
    QVERIFY_TIP(m_window->hourHand, 103, 33);
    const QPoint square = m_window->scoreSquares[0]->mapTo(m_window, QPoint(11, 11));
    QCOMPARE(m_window->grab().toImage().pixelColor(square), QColor(255, 255, 0));
    QVERIFY(m_script.messages.isEmpty());
}

void TestMoveHandsWindow::minuteWithAndWithoutLeadingZeroBothMatch() {
    open({pick(0, 60), pick(0, 12), pick(100, 720)});
    setScroll(5);
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->score(), 0);
    // Twelve o'clock is right; the next target is five past twelve.
    setScroll(0);
    m_script.draws = {pick(5, 60), pick(0, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->targetMinute->text(), QStringLiteral("05"));
    setScroll(5);
    m_script.draws = {pick(20, 60), pick(4, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->score(), 2);

    // The five-minute icon writes the minute bare.
    setScroll(5);
    m_script.draws = {pick(0, 13), pick(5, 60)};
    QTest::mouseClick(m_window->everyFiveMinutesIcon, Qt::LeftButton);
    QCOMPARE(m_window->targetHour->text(), QStringLiteral("12"));
    QCOMPARE(m_window->targetMinute->text(), QStringLiteral("5"));
    m_script.draws = {pick(50, 60), pick(7, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->score(), 3);
    QVERIFY(m_script.draws.empty());
}

void TestMoveHandsWindow::stepIconChangesTargetAndLevelOnly_data() {
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QList<double>>("nextDraws");
    QTest::addColumn<QString>("nextMinute");
    QTest::newRow("every hour") << "everyHourIcon" << QList<double>{pick(7, 13)}
                                << "Rellotge, cada hora" << 1 << "07"
                                << "0" << QList<double>{pick(3, 12)} << "00";
    QTest::newRow("every half hour") << "everyHalfHourIcon" << QList<double>{pick(12, 13)}
                                     << "Rellotge, cada mitja hora" << 2 << "12"
                                     << "30" << QList<double>{pick(3, 12)} << "30";
    QTest::newRow("every quarter") << "everyQuarterIcon" << QList<double>{pick(1, 13), pick(2, 3)}
                                   << "Rellotge, cada quart de hora" << 3 << "01"
                                   << "45" << QList<double>{pick(0, 3), pick(3, 12)} << "15";
    QTest::newRow("every five minutes")
        << "everyFiveMinutesIcon" << QList<double>{pick(10, 13), pick(52, 60), pick(50, 60)}
        << "Rellotge, cada cinc minuts" << 4 << "10"
        << "50" << QList<double>{pick(59, 60), pick(0, 60), pick(3, 12)} << "00";
}

void TestMoveHandsWindow::stepIconChangesTargetAndLevelOnly() {
    QFETCH(QString, icon);
    QFETCH(QList<double>, draws);
    QFETCH(QString, prompt);
    QFETCH(int, level);
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QList<double>, nextDraws);
    QFETCH(QString, nextMinute);
    open({pick(35, 60), pick(0, 12), pick(437, 720)});
    setScroll(35);
    m_script.draws = {pick(10, 60), pick(2, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    setScroll(250);

    m_script.draws.assign(draws.begin(), draws.end());
    auto* box = m_window->findChild<kit::PictureBox*>(icon);
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_script.messages, QStringList{prompt});
    QCOMPARE(m_titles, QStringList{QStringLiteral("Compte¡")});
    QCOMPARE(m_window->level(), level);
    QCOMPARE(m_window->targetHour->text(), hour);
    QCOMPARE(m_window->targetMinute->text(), minute);
    QCOMPARE(m_window->handsScrollBar->value(), 250);
    QCOMPARE(m_window->handsHour(), 4);
    QCOMPARE(m_window->handsMinute(), 10);
    QCOMPARE(m_window->score(), 1);

    // Answered, the next target keeps the step and writes two digits.
    const int h = hour.toInt() % 12;
    setScroll(h * 60 + minute.toInt());
    m_script.draws.assign(nextDraws.begin(), nextDraws.end());
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->score(), 2);
    QCOMPARE(m_window->level(), level);
    QCOMPARE(m_window->targetHour->text(), QStringLiteral("03"));
    QCOMPARE(m_window->targetMinute->text(), nextMinute);
}

void TestMoveHandsWindow::faceIconChangesOnlyTheFace() {
    const char* faces[] = {"face_embossed_light", "face_script", "face_blank",
                           "face_picnic",         "face_24h",    "face_roman_picnic"};
    open({pick(35, 60), pick(8, 12), pick(437, 720)});
    setScroll(515);
    const float tipX = m_window->minuteHand->x1();
    for (int i : {2, 0, 5, 4, 3, 1}) {
        QTest::mouseClick(m_window->faceIcons[i], Qt::LeftButton);
        QCOMPARE(m_window->face->bitmap().toImage(), kit::picture(faces[i]).toImage());
    }
    QCOMPARE(m_script.drawsTaken, 3);
    QCOMPARE(m_window->targetHour->text(), QStringLiteral("08"));
    QCOMPARE(m_window->targetMinute->text(), QStringLiteral("35"));
    QCOMPARE(m_window->level(), 4);
    QCOMPARE(m_window->handsScrollBar->value(), 515);
    QCOMPARE(m_window->minuteHand->x1(), tipX);
    // Still right after all that.
    m_script.draws = {pick(0, 60), pick(0, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->score(), 1);
}

void TestMoveHandsWindow::twentyEighthAnswerStartsANewRound() {
    open({pick(5, 60), pick(1, 12), pick(437, 720)});
    for (int answer = 1; answer <= 28; ++answer) {
        const int hour = static_cast<int>(m_window->targetHour->number()) % 12;
        setScroll(hour * 60 + static_cast<int>(m_window->targetMinute->number()));
        m_script.draws = {pick(5 * (answer % 12), 60), pick(answer % 12, 12)};
        QTest::mouseClick(m_window->okButton, Qt::LeftButton);
        QVERIFY(m_script.draws.empty());
        if (answer == 27) {
            for (kit::PictureBox* square : m_window->scoreSquares)
                QCOMPARE(square->backColor(), QColor(255, 255, 0));
        }
    }
    QCOMPARE(m_window->score(), 1);
    const QImage shot = m_window->grab().toImage();
    for (int i = 0; i < MoveHandsWindow::kScoreSquares; ++i) {
        const QColor expected = i == 0 ? QColor(255, 255, 0) : m_window->emptySquareColor();
        QCOMPARE(m_window->scoreSquares[i]->backColor(), expected);
        QCOMPARE(shot.pixelColor(m_window->scoreSquares[i]->mapTo(m_window, QPoint(11, 11))),
                 expected);
    }
}

void TestMoveHandsWindow::pullingTheMinuteHandMovesTheScrollBar() {
    open({pick(35, 60), pick(0, 12), 0.0});
    // A press beside the hand takes nothing.
    drag({30, 45});
    QCOMPARE(m_window->handsScrollBar->value(), 0);
    QCOMPARE(m_window->handsMinute(), 0);

    drag({0, 5, 10, 15});
    QCOMPARE(m_window->handsScrollBar->value(), 15);
    QCOMPARE(m_window->handsHour(), 12);
    QCOMPARE(m_window->handsMinute(), 15);
    // On round past twelve: one o'clock and on.
    drag({15, 25, 35, 45, 55, 0, 5, 10});
    QCOMPARE(m_window->handsScrollBar->value(), 70);
    QCOMPARE(m_window->handsHour(), 1);
    QCOMPARE(m_window->handsMinute(), 10);
    // And back past twelve to the hour before, off the step rounding up.
    drag({10, 0, 50, 43});
    QCOMPARE(m_window->handsScrollBar->value(), 43);
    QCOMPARE(m_window->handsHour(), 12);
    QCOMPARE(m_window->handsMinute(), 45);
    const QPointF tip = core::handTip({103, 103}, 100, 270);
    QVERIFY_TIP(m_window->minuteHand, tip.x(), tip.y());
    // Never below twelve o'clock.
    drag({45, 30, 15, 0, 55, 50});
    QCOMPARE(m_window->handsScrollBar->value(), 0);
    // Then straight to the answer.
    setScroll(35);
    m_script.draws = {pick(0, 60), pick(0, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->score(), 1);
}

void TestMoveHandsWindow::pullingToTheBarsOwnValueStillMovesTheHands() {
    // Opens at 12:10 with the bar at 0: pulled back to twelve, the bar keeps
    // its value and the hands must still come with it.
    open({pick(35, 60), pick(0, 12), pick(10, 720)});
    QCOMPARE(m_window->handsMinute(), 10);
    drag({10, 5, 0});
    QCOMPARE(m_window->handsScrollBar->value(), 0);
    QCOMPARE(m_window->handsMinute(), 0);
    QVERIFY_TIP(m_window->minuteHand, 103, 3);
}

void TestMoveHandsWindow::scrollBarAnswersKeysAndAccessibility() {
    open({pick(35, 60), pick(0, 12), pick(437, 720)});
    QScrollBar* bar = m_window->handsScrollBar;
    // Right goes forward, Left back, as the arrows point.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(bar->value(), 10);
    QCOMPARE(m_window->handsMinute(), 10);
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(bar->value(), 15);
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(m_window->handsHour(), 12);
    QCOMPARE(m_window->handsMinute(), 0);

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(bar);
    QVERIFY(access);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Mou les agulles"));
    QAccessibleValueInterface* value = access->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->maximumValue().toInt(), 720);
    value->setCurrentValue(35);
    QCOMPARE(bar->value(), 35);
    QCOMPARE(m_window->handsMinute(), 35);
    m_script.draws = {pick(0, 60), pick(0, 12)};
    QTest::mouseClick(m_window->okButton, Qt::LeftButton);
    QCOMPARE(m_window->score(), 1);

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(m_window->scoreGrid);
    QVERIFY(grid);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Quadres d'encerts"));
    // A screen reader reads the digits as they stand: hour, colon, minute.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window);
    const auto place = [window](QWidget* label) {
        return window->indexOfChild(QAccessible::queryAccessibleInterface(label));
    };
    QVERIFY(place(m_window->targetHour) >= 0);
    QVERIFY(place(m_window->targetHour) < place(m_window->targetColon));
    QVERIFY(place(m_window->targetColon) < place(m_window->targetMinute));
}

QTEST_MAIN(TestMoveHandsWindow)
#include "test_move_hands_window.moc"
