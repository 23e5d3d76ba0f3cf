#include "phrases.h"

#include <QtTest>

namespace {

// The rows written out in full, so a slip in the rule cannot hide behind it.
const char* const kRows[144] = {
    "12.00 Les dotze",
    "12.05 Les dotze i cinc",
    "12.10 Les dotze i deu",
    "12.15 Un quart d'una",
    "12.20 Un quart i cinc d'una",
    "12.25 Un quart i deu d'una",
    "12.30 Dos quarts d'una",
    "12.35 Dos quarts i cinc d'una",
    "12.40 Dos quarts i deu d'una",
    "12.45 Tres quarts d'una",
    "12.50 Tres quarts i cinc d'una",
    "12.55 Tres quarts i deu d'una",
    "01.00 La una",
    "01.05 La una i cinc",
    "01.10 La una i deu",
    "01.15 Un quart de dues",
    "01.20 Un quart i cinc de dues",
    "01.25 Un quart i deu de dues",
    "01.30 Dos quarts de dues",
    "01.35 Dos quarts i cinc de dues",
    "01.40 Dos quarts i deu de dues",
    "01.45 Tres quarts de dues",
    "01.50 Tres quarts i cinc de dues",
    "01.55 Tres quarts i deu de dues",
    "02.00 Les dues",
    "02.05 Les dues i cinc",
    "02.10 Les dues i deu",
    "02.15 Un quart de tres",
    "02.20 Un quart i cinc de tres",
    "02.25 Un quart i deu de tres",
    "02.30 Dos quarts de tres",
    "02.35 Dos quarts i cinc de tres",
    "02.40 Dos quarts i deu de tres",
    "02.45 Tres quarts de tres",
    "02.50 Tres quarts i cinc de tres",
    "02.55 Tres quarts i deu de tres",
    "03.00 Les tres",
    "03.05 Les tres i cinc",
    "03.10 Les tres i deu",
    "03.15 Un quart de quatre",
    "03.20 Un quart i cinc de quatre",
    "03.25 Un quart i deu de quatre",
    "03.30 Dos quarts de quatre",
    "03.35 Dos quarts i cinc de quatre",
    "03.40 Dos quarts i deu de quatre",
    "03.45 tres quarts de quatre",
    "03.50 tres quarts i cinc de quatre",
    "03.55 tres quarts i deu de quatre",
    "04.00 Les quatre",
    "04.05 Les quatre i cinc",
    "04.10 Les quatre i deu",
    "04.15 Un quart de cinc",
    "04.20 Un quart i cinc de cinc",
    "04.25 Un quart i deu de cinc",
    "04.30 Dos quarts de cinc",
    "04.35 Dos quarts i cinc de cinc",
    "04.40 Dos quarts i deu de cinc",
    "04.45 tres quarts de cinc",
    "04.50 tres quarts i cinc de cinc",
    "04.55 tres quarts i deu de cinc",
    "05.00 Les cinc",
    "05.05 Les cinc i cinc",
    "05.10 Les cinc i deu",
    "05.15 Un quart de sis",
    "05.20 Un quart i cinc de sis",
    "05.25 Un quart i deu de sis",
    "05.30 Dos quarts de sis",
    "05.35 Dos quarts i cinc de sis",
    "05.40 Dos quarts i deu de sis",
    "05.45 tres quarts de sis",
    "05.50 tres quarts i cinc de sis",
    "05.55 tres quarts i deu de sis",
    "06.00 Les sis",
    "06.05 Les sis i cinc",
    "06.10 Les sis i deu",
    "06.15 Un quart de set",
    "06.20 Un quart i cinc de set",
    "06.25 Un quart i deu de set",
    "06.30 Dos quarts de set",
    "06.35 Dos quarts i cinc de set",
    "06.40 Dos quarts i deu de set",
    "06.45 tres quarts de set",
    "06.50 tres quarts i cinc de set",
    "06.55 tres quarts i deu de set",
    "07.00 Les set",
    "07.05 Les set i cinc",
    "07.10 Les set i deu",
    "07.15 Un quart de vuit",
    "07.20 Un quart i cinc de vuit",
    "07.25 Un quart i deu de vuit",
    "07.30 Dos quarts de vuit",
    "07.35 Dos quarts i cinc de vuit",
    "07.40 Dos quarts i deu de vuit",
    "07.45 tres quarts de vuit",
    "07.50 tres quarts i cinc de vuit",
    "07.55 tres quarts i deu de vuit",
    "08.00 Les vuit",
    "08.05 Les vuit i cinc",
    "08.10 Les vuit i deu",
    "08.15 Un quart de nou",
    "08.20 Un quart i cinc de nou",
    "08.25 Un quart i deu de nou",
    "08.30 Dos quarts de nou",
    "08.35 Dos quarts i cinc de nou",
    "08.40 Dos quarts i deu de nou",
    "08.45 tres quarts de nou",
    "08.50 tres quarts i cinc de nou",
    "08.55 tres quarts i deu de nou",
    "09.00 Les nou",
    "09.05 Les nou i cinc",
    "09.10 Les nou i deu",
    "09.15 Un quart de deu",
    "09.20 Un quart i cinc de deu",
    "09.25 Un quart i deu de deu",
    "09.30 Dos quarts de deu",
    "09.35 Dos quarts i cinc de deu",
    "09.40 Dos quarts i deu de deu",
    "09.45 tres quarts de deu",
    "09.50 tres quarts i cinc de deu",
    "09.55 tres quarts i deu de deu",
    "10.00 Les deu",
    "10.05 Les deu i cinc",
    "10.10 Les deu i deu",
    "10.15 Un quart d'onze",
    "10.20 Un quart i cinc d'onze",
    "10.25 Un quart i deu d'onze",
    "10.30 Dos quarts d'onze",
    "10.35 Dos quarts i cinc d'onze",
    "10.40 Dos quarts i deu d'onze",
    "10.45 tres quarts d'onze",
    "10.50 tres quarts i cinc d'onze",
    "10.55 tres quarts i deu d'onze",
    "11.00 Les onze",
    "11.05 Les onze i cinc",
    "11.10 Les onze i deu",
    "11.15 Un quart de dotze",
    "11.20 Un quart i cinc de dotze",
    "11.25 Un quart i deu de dotze",
    "11.30 Dos quarts de dotze",
    "11.35 Dos quarts i cinc de dotze",
    "11.40 Dos quarts i deu de dotze",
    "11.45 tres quarts de dotze",
    "11.50 tres quarts i cinc de dotze",
    "11.55 tres quarts i deu de dotze",
};

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
    const QStringList& rows = core::PhraseList();
    QCOMPARE(rows.size(), 144);
    for (int r = 0; r < 144; ++r)
        QCOMPARE(rows[r], QString::fromLatin1(kRows[r]));
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
    QCOMPARE(core::PhraseList().at(row), text);
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
    QCOMPARE(core::MixedHourList(), expected);
    for (int shared : {0, 1, 2, 3, 6, 9, 12})
        QCOMPARE(core::MixedHourList().at(shared), core::PhraseList().at(shared));
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
    for (const QString& row : core::PhraseList()) {
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
    QCOMPARE(core::findRow(core::PhraseList(), core::timeKey(hour, minute)), row);
}

void TestPhrases::quarterPhraseForEveryInput() {
    const QStringList words{"dotze", "una", "dues", "tres", "quatre", "cinc",
                            "sis",   "set", "vuit", "nou",  "deu",    "onze"};
    for (int h = 0; h < 12; ++h) {
        const QString next = words[(h + 1) % 12];
        const QString piece = (next == u"una" || next == u"onze") ? "d'" + next : "de " + next;
        QCOMPARE(core::QuarterPhrase(h, 0).value(), (h == 1 ? "La " : "Les ") + words[h]);
        QCOMPARE(core::QuarterPhrase(h, 15).value(), "Un quart " + piece);
        QCOMPARE(core::QuarterPhrase(h, 30).value(), "Dos quarts " + piece);
        QCOMPARE(core::QuarterPhrase(h, 45).value(), "Tres quarts " + piece);
        for (int m : {5, 10, 20, 59, 60})
            QVERIFY(!core::QuarterPhrase(h, m).has_value());
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
    QCOMPARE(core::QuarterPhrase(hour, minute).value(), phrase);
}

QTEST_APPLESS_MAIN(TestPhrases)
#include "test_phrases.moc"
