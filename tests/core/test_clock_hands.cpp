// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock_hands.h"

#include <QtTest>

namespace {

bool near(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < 1e-3 && std::abs(a.y() - b.y()) < 1e-3;
}

#define QVERIFY_NEAR(actual, expected)                                                             \
    QVERIFY2(                                                                                      \
        near((actual), (expected)),                                                                \
        qPrintable(                                                                                \
            QStringLiteral("(%1, %2)").arg((actual).x(), 0, 'f', 3).arg((actual).y(), 0, 'f', 3)))

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
    const auto hands = core::handPositions({centre, hourLength, minuteLength}, hour, minute);
    QCOMPARE(hands.centre, QPointF(centre));
    QVERIFY_NEAR(hands.hourTip, hourTip);
    QVERIFY_NEAR(hands.minuteTip, minuteTip);
}

void TestClockHands::mainClockAtTenPastTen() {
    const auto hands = core::handPositions({{245, 161}, 76, 90, 147}, 10, 10, 30);
    QVERIFY_NEAR(hands.hourTip, QPointF(182.744, 117.408));
    QVERIFY_NEAR(hands.minuteTip, QPointF(322.942, 116.000));
    QVERIFY_NEAR(hands.secondTip, QPointF(245, 308));
}

void TestClockHands::secondHandAtFifteenSeconds() {
    for (int minute : {0, 17, 59})
        QVERIFY_NEAR(core::handPositions({{245, 161}, 76, 90, 147}, 4, minute, 15).secondTip,
                     QPointF(392, 161));
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
    const core::ClockGeometry clock{{245, 161}, 76, 90};
    const auto a = core::handPositions(clock, h1, m1);
    const auto b = core::handPositions(clock, h2, m2);
    QVERIFY_NEAR(a.hourTip, b.hourTip);
    QVERIFY_NEAR(a.minuteTip, b.minuteTip);
}

void TestClockHands::minuteHandIgnoresSeconds() {
    const core::ClockGeometry clock{{245, 161}, 76, 90, 147};
    QVERIFY_NEAR(core::handPositions(clock, 10, 59, 59).minuteTip,
                 core::handTip({245, 161}, 90, 354));
    QVERIFY_NEAR(core::handPositions(clock, 11, 0, 0).minuteTip, QPointF(245, 71));
}

QTEST_MAIN(TestClockHands)
#include "test_clock_hands.moc"
