// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match_text_round.h"

#include <QtTest>

class TestMatchTextRound final : public QObject {
    Q_OBJECT
private slots:
    void echoesAnswer_data();
    void echoesAnswer();
};

void TestMatchTextRound::echoesAnswer_data() {
    QTest::addColumn<quint64>("answeredAt");
    QTest::addColumn<quint64>("pressAt");
    QTest::addColumn<bool>("echo");
    // A timestamp near the top of its range must not wrap into an echo.
    constexpr quint64 late = std::numeric_limits<quint64>::max() - 100;
    QTest::newRow("same moment") << quint64(5000) << quint64(5000) << true;
    QTest::newRow("just inside") << quint64(5000) << quint64(5399) << true;
    QTest::newRow("at the interval") << quint64(5000) << quint64(5400) << false;
    QTest::newRow("stamped before the answer") << quint64(5000) << quint64(4999) << false;
    QTest::newRow("before, near the top") << late << quint64(10) << false;
}

void TestMatchTextRound::echoesAnswer() {
    QFETCH(quint64, answeredAt);
    QFETCH(quint64, pressAt);
    QFETCH(bool, echo);
    QCOMPARE(core::echoesAnswer(answeredAt, pressAt, 400), echo);
}

QTEST_APPLESS_MAIN(TestMatchTextRound)
#include "test_match_text_round.moc"
