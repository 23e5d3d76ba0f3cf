#include "core/match_time_round.h"

#include <QtTest>

class TestMatchTimeRound final : public QObject {
    Q_OBJECT
private slots:
    void showsTargetTime_data();
    void showsTargetTime();
};

void TestMatchTimeRound::showsTargetTime_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("dial");
    QTest::addColumn<bool>("right");
    // Dials 2 and 7 share a time.
    QTest::newRow("the target") << 2 << 2 << true;
    QTest::newRow("another dial with its time") << 2 << 7 << true;
    QTest::newRow("a dial with another time") << 2 << 3 << false;
    QTest::newRow("no such dial") << 2 << 9 << false;
    QTest::newRow("a negative dial") << 2 << -1 << false;
    QTest::newRow("no such target") << 9 << 8 << false;
}

void TestMatchTimeRound::showsTargetTime() {
    QFETCH(int, target);
    QFETCH(int, dial);
    QFETCH(bool, right);
    const core::MatchTimeBoard board{{10, 11, 40, 13, 14, 15, 16, 40, 18}, target};
    QCOMPARE(core::showsTargetTime(board, dial), right);
}

QTEST_APPLESS_MAIN(TestMatchTimeRound)
#include "test_match_time_round.moc"
