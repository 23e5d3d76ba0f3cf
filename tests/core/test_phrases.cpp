// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phrases.h"

#include <QtTest>

namespace {

// The rows written out in full in a text file beside this test, so that a
// slip in the rule cannot hide behind the rule itself.
QStringList writtenRows() {
    QFile file(QStringLiteral(PHRASE_LIST_FILE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestPhrases final : public QObject {
    Q_OBJECT
private slots:
    void everyRowIsExact();
    void tellingRows_data();
    void tellingRows();
    void mixedHourList();
    void readers_data();
    void readers();
    void readersPastTheEnd();
    void tailHoldsTheWholePhraseOnEveryRow();
    void findRow_data();
    void findRow();
    void quarterPhraseForEveryInput();
    void quarterPhraseExamples_data();
    void quarterPhraseExamples();
};

void TestPhrases::everyRowIsExact() {
    const QStringList written = writtenRows();
    QCOMPARE(written.size(), 144);
    const QStringList& rows = core::phraseList();
    QCOMPARE(rows.size(), 144);
    for (int r = 0; r < 144; ++r)
        QCOMPARE(rows[r], written[r]);
}

void TestPhrases::tellingRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << "12.00 Les dotze";
    QTest::newRow("quarter of one") << 3 << "12.15 Un quart d'una";
    QTest::newRow("capital three quarters") << 9 << "12.45 Tres quarts d'una";
    QTest::newRow("La una") << 12 << "01.00 La una";
    QTest::newRow("La una i cinc") << 13 << "01.05 La una i cinc";
    QTest::newRow("last capital Tres") << 35 << "02.55 Tres quarts i deu de tres";
    QTest::newRow("Les tres") << 36 << "03.00 Les tres";
    QTest::newRow("first small tres") << 45 << "03.45 tres quarts de quatre";
    QTest::newRow("longest") << 46 << "03.50 tres quarts i cinc de quatre";
    QTest::newRow("d'onze") << 123 << "10.15 Un quart d'onze";
    QTest::newRow("last") << 143 << "11.55 tres quarts i deu de dotze";
}

void TestPhrases::tellingRows() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(core::phraseList().at(row), text);
}

void TestPhrases::mixedHourList() {
    const QStringList expected{"12.00 Les dotze",
                               "12.05 Les dotze i cinc",
                               "12.10 Les dotze i deu",
                               "12.15 Un quart d'una",
                               "12.20 Les dotze i vint",
                               "12.25 Les dotze i vint-i-cinc",
                               "12.30 Dos quarts d'una",
                               "12.35 Les dotze i trenta cinc",
                               "12.40 Les dotze quaranta",
                               "12.45 Tres quarts d'una",
                               "12.50 La una menys deu",
                               "12.55 La una menys cinc",
                               "01.00 La una"};
    QCOMPARE(core::mixedHourList(), expected);
    for (int shared : {0, 1, 2, 3, 6, 9, 12})
        QCOMPARE(core::mixedHourList().at(shared), core::phraseList().at(shared));
}

void TestPhrases::readers_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("twelve") << "12.00 Les dotze" << 12 << 0 << "12.00"
                            << " Les dotze"
                            << "Les dotze";
    QTest::newRow("three") << "03.00 Les tres" << 3 << 0 << "03.00"
                           << " Les tres"
                           << "Les tres";
    QTest::newRow("shortest") << "01.00 La una" << 1 << 0 << "01.00"
                              << " La una"
                              << "La una";
    QTest::newRow("longest") << "03.50 tres quarts i cinc de quatre" << 3 << 50 << "03.50"
                             << " tres quarts i cinc de quatre"
                             << "tres quarts i cinc de quatre";
    QTest::newRow("mixed") << "12.20 Les dotze i vint" << 12 << 20 << "12.20"
                           << " Les dotze i vint"
                           << "Les dotze i vint";
}

void TestPhrases::readers() {
    QFETCH(QString, row);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, key);
    QFETCH(QString, tail);
    QFETCH(QString, phrase);
    QCOMPARE(core::rowHour(row), hour);
    QCOMPARE(core::rowMinute(row), minute);
    QCOMPARE(core::rowKey(row), key);
    QCOMPARE(core::rowKeyAndSeparator(row), key + u' ');
    QCOMPARE(core::rowTail(row), tail);
    QCOMPARE(core::rowTailToEnd(row), tail);
    QCOMPARE(core::rowPhrase(row), phrase);
}

void TestPhrases::readersPastTheEnd() {
    QCOMPARE(core::rowTail(QStringLiteral("12.0")), QString());
    QCOMPARE(core::rowPhrase(QStringLiteral("12.00 ")), QString());
    QCOMPARE(core::rowKeyAndSeparator(QStringLiteral("12.00")), QStringLiteral("12.00"));
    QCOMPARE(core::rowMinute(QStringLiteral("12.")), 0);
    QCOMPARE(core::rowHour(QString()), 0);
    // The tail stops at 30 characters, counted from the separator.
    const QString longRow = QStringLiteral("12.00 ") + QString(40, u'x');
    QCOMPARE(core::rowTail(longRow), u' ' + QString(29, u'x'));
    QCOMPARE(core::rowTailToEnd(longRow), u' ' + QString(40, u'x'));
}

void TestPhrases::tailHoldsTheWholePhraseOnEveryRow() {
    for (const QString& row : core::phraseList()) {
        QCOMPARE(core::rowTail(row), core::rowTailToEnd(row));
        QCOMPARE(core::rowTail(row), u' ' + core::rowPhrase(row));
    }
}

void TestPhrases::findRow_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("row");
    QTest::newRow("12:00") << 12 << 0 << 0;
    QTest::newRow("3:00") << 3 << 0 << 36;
    QTest::newRow("3:05") << 3 << 5 << 37;
    QTest::newRow("11:55") << 11 << 55 << 143;
    QTest::newRow("twelve given as 0") << 0 << 0 << -1;
    QTest::newRow("off the step") << 3 << 7 << -1;
}

void TestPhrases::findRow() {
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, row);
    QCOMPARE(core::findRow(core::phraseList(), core::timeKey(hour, minute)), row);
}

void TestPhrases::quarterPhraseForEveryInput() {
    const QStringList words{"dotze", "una", "dues", "tres", "quatre", "cinc",
                            "sis",   "set", "vuit", "nou",  "deu",    "onze"};
    for (int h = 0; h < 12; ++h) {
        const QString next = words[(h + 1) % 12];
        const QString piece = (next == u"una" || next == u"onze") ? "d'" + next : "de " + next;
        QCOMPARE(core::quarterPhrase(h, 0).value(), (h == 1 ? "La " : "Les ") + words[h]);
        QCOMPARE(core::quarterPhrase(h, 15).value(), "Un quart " + piece);
        QCOMPARE(core::quarterPhrase(h, 30).value(), "Dos quarts " + piece);
        QCOMPARE(core::quarterPhrase(h, 45).value(), "Tres quarts " + piece);
        for (int m : {5, 10, 20, 59, 60})
            QVERIFY(!core::quarterPhrase(h, m).has_value());
    }
}

void TestPhrases::quarterPhraseExamples_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("phrase");
    // "Les dotze": the article of the o'clock table is mended to match every
    // other list of the program.
    QTest::newRow("twelve o'clock") << 0 << 0 << "Les dotze";
    QTest::newRow("one o'clock") << 1 << 0 << "La una";
    QTest::newRow("quarter past twelve") << 0 << 15 << "Un quart d'una";
    QTest::newRow("half past one") << 1 << 30 << "Dos quarts de dues";
    QTest::newRow("quarter past ten") << 10 << 15 << "Un quart d'onze";
    QTest::newRow("quarter past eleven") << 11 << 15 << "Un quart de dotze";
    QTest::newRow("three quarters, capital") << 3 << 45 << "Tres quarts de quatre";
}

void TestPhrases::quarterPhraseExamples() {
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, phrase);
    QCOMPARE(core::quarterPhrase(hour, minute).value(), phrase);
}

QTEST_APPLESS_MAIN(TestPhrases)
#include "test_phrases.moc"
