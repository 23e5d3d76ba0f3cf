#include "core/clock_hands.h"
#include "kit/picture_box.h"

#include <QtTest>

namespace {

struct Clock {
    kit::PictureBox box;
    kit::LineWidget* hour = new kit::LineWidget(box);
    kit::LineWidget* minute = new kit::LineWidget(box);
    kit::LineWidget* second = new kit::LineWidget(box);
    core::ClockHands hands;

    Clock(int cx, int cy, int hourLength, int minuteLength, int secondLength = 0) {
        hands = {cx,
                 cy,
                 hour,
                 hourLength,
                 minute,
                 minuteLength,
                 secondLength ? second : nullptr,
                 secondLength};
    }
};

bool near(double a, double b) {
    return std::abs(a - b) < 1e-3;
}

QString describe(const kit::LineWidget& line) {
    return QStringLiteral("(%1, %2) -> (%3, %4)")
        .arg(line.X1(), 0, 'f', 3)
        .arg(line.Y1(), 0, 'f', 3)
        .arg(line.X2())
        .arg(line.Y2());
}

// Tip first, then the centre of the dial.
void checkLine(const kit::LineWidget& line, QPointF tip, QPoint centre) {
    QVERIFY2(near(line.X1(), tip.x()) && near(line.Y1(), tip.y()), qPrintable(describe(line)));
    QCOMPARE(line.X2(), float(centre.x()));
    QCOMPARE(line.Y2(), float(centre.y()));
}

} // namespace

class TestClockHands final : public QObject {
    Q_OBJECT
private slots:
    void tips_data();
    void tips();
    void mainClockAtTenPastTen();
    void secondHandAtFifteenSeconds();
    void sameHandsForEquivalentTimes_data();
    void sameHandsForEquivalentTimes();
    void minuteHandIgnoresSeconds();
};

void TestClockHands::tips_data() {
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("hourLength");
    QTest::addColumn<int>("minuteLength");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QPointF>("hourTip");
    QTest::addColumn<QPointF>("minuteTip");
    QTest::newRow("12:00 straight up")
        << QPoint(170, 163) << 80 << 140 << 12 << 0 << QPointF(170, 83) << QPointF(170, 23);
    QTest::newRow("3:00") << QPoint(170, 163) << 80 << 140 << 3 << 0 << QPointF(250, 163)
                          << QPointF(170, 23);
    QTest::newRow("6:30") << QPoint(170, 163) << 80 << 140 << 6 << 30
                          << QPointF(170 - 80 * std::sin(15 * M_PI / 180),
                                     163 + 80 * std::cos(15 * M_PI / 180))
                          << QPointF(170, 303);
    QTest::newRow("9:45 on the move-the-hands clock")
        << QPoint(103, 103) << 70 << 100 << 9 << 45 << QPointF(38.328, 76.212) << QPointF(3, 103);
    QTest::newRow("12:45 investigate") << QPoint(170, 163) << 80 << 140 << 12 << 45
                                       << QPointF(200.615, 89.090) << QPointF(30, 163);
    QTest::newRow("0:25 investigate") << QPoint(170, 163) << 80 << 140 << 0 << 25
                                      << QPointF(187.315, 84.896) << QPointF(240, 284.244);
}

void TestClockHands::tips() {
    QFETCH(QPoint, centre);
    QFETCH(int, hourLength);
    QFETCH(int, minuteLength);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QPointF, hourTip);
    QFETCH(QPointF, minuteTip);
    Clock clock(centre.x(), centre.y(), hourLength, minuteLength);
    core::placeHands(clock.hands, hour, minute);
    checkLine(*clock.hour, hourTip, centre);
    checkLine(*clock.minute, minuteTip, centre);
}

void TestClockHands::mainClockAtTenPastTen() {
    Clock clock(245, 161, 76, 90, 147);
    core::placeHands(clock.hands, 10, 10, 30);
    checkLine(*clock.hour, QPointF(182.744, 117.408), QPoint(245, 161));
    checkLine(*clock.minute, QPointF(322.942, 116.000), QPoint(245, 161));
    checkLine(*clock.second, QPointF(245, 308), QPoint(245, 161));
}

void TestClockHands::secondHandAtFifteenSeconds() {
    Clock clock(245, 161, 76, 90, 147);
    for (int minute : {0, 17, 59}) {
        core::placeHands(clock.hands, 4, minute, 15);
        checkLine(*clock.second, QPointF(392, 161), QPoint(245, 161));
    }
}

void TestClockHands::sameHandsForEquivalentTimes_data() {
    QTest::addColumn<int>("h1");
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("h2");
    QTest::addColumn<int>("m2");
    QTest::newRow("0 and 12") << 0 << 0 << 12 << 0;
    QTest::newRow("13 and 1") << 13 << 20 << 1 << 20;
    QTest::newRow("15 and 3") << 15 << 0 << 3 << 0;
    QTest::newRow("0:75 and 1:15") << 0 << 75 << 1 << 15;
}

void TestClockHands::sameHandsForEquivalentTimes() {
    QFETCH(int, h1);
    QFETCH(int, m1);
    QFETCH(int, h2);
    QFETCH(int, m2);
    Clock a(245, 161, 76, 90);
    Clock b(245, 161, 76, 90);
    core::placeHands(a.hands, h1, m1);
    core::placeHands(b.hands, h2, m2);
    checkLine(*a.hour, QPointF(b.hour->X1(), b.hour->Y1()), QPoint(245, 161));
    checkLine(*a.minute, QPointF(b.minute->X1(), b.minute->Y1()), QPoint(245, 161));
}

void TestClockHands::minuteHandIgnoresSeconds() {
    Clock clock(245, 161, 76, 90, 147);
    core::placeHands(clock.hands, 10, 59, 59);
    const core::HandTip at59 = core::handTip(245, 161, 90, 354);
    checkLine(*clock.minute, QPointF(at59.x, at59.y), QPoint(245, 161));
    core::placeHands(clock.hands, 11, 0, 0);
    checkLine(*clock.minute, QPointF(245, 71), QPoint(245, 161));
}

QTEST_MAIN(TestClockHands)
#include "test_clock_hands.moc"
