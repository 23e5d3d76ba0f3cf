// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/move_hands.h"

#include <QtTest>

class TestMoveHands final : public QObject {
    Q_OBJECT
private slots:
    void handsForMinutesRoundsUpOffTheStep_data();
    void handsForMinutesRoundsUpOffTheStep();
    void pullTurnsTheShortWayWithinTheDial_data();
    void pullTurnsTheShortWayWithinTheDial();
    void pointedMinuteWrapsAtTwelveAndNotNearTheCentre();
};

void TestMoveHands::handsForMinutesRoundsUpOffTheStep_data() {
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
    QTest::newRow("below the dial") << -3 << 12 << 0;
    QTest::newRow("past the dial") << 731 << 12 << 0;
}

void TestMoveHands::handsForMinutesRoundsUpOffTheStep() {
    QFETCH(int, value);
    QFETCH(int, hour);
    QFETCH(int, minute);
    const core::HandsReading hands = core::handsForMinutes(value);
    QCOMPARE(hands.hour, hour);
    QCOMPARE(hands.minute, minute);
    QCOMPARE(hands.minutes % 720, (hour % 12) * 60 + minute);
}

void TestMoveHands::pullTurnsTheShortWayWithinTheDial_data() {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("pointed");
    QTest::addColumn<int>("after");
    QTest::newRow("on past twelve") << 110 << 5 << 125;
    QTest::newRow("back past twelve") << 125 << 55 << 115;
    QTest::newRow("half a turn goes on") << 60 << 30 << 90;
    QTest::newRow("not below twelve") << 0 << 50 << 0;
    QTest::newRow("not past twelve") << 715 << 10 << 720;
    QTest::newRow("a minute past 59 is 0") << 50 << 60 << 60;
}

void TestMoveHands::pullTurnsTheShortWayWithinTheDial() {
    QFETCH(int, minutes);
    QFETCH(int, pointed);
    QFETCH(int, after);
    QCOMPARE(core::minutesAfterPull(minutes, pointed), after);
}

void TestMoveHands::pointedMinuteWrapsAtTwelveAndNotNearTheCentre() {
    const QPointF centre(103, 103);
    // Just left of twelve rounds to twelve, not to 60.
    QCOMPARE(core::minutePointedAt(centre, {102, 3}), std::optional<int>(0));
    QCOMPARE(core::minutePointedAt(centre, {203, 103}), std::optional<int>(15));
    QCOMPARE(core::minutePointedAt(centre, {103, 110}), std::nullopt);
    // Near the centre the hand cannot be taken either, even on it.
    QVERIFY(!core::grabsHand(centre, {103, 3}, {103, 100}));
    QVERIFY(core::grabsHand(centre, {103, 3}, {108, 40}));
    QVERIFY(!core::grabsHand(centre, centre, {103, 50}));
}

QTEST_GUILESS_MAIN(TestMoveHands)
#include "test_move_hands.moc"
