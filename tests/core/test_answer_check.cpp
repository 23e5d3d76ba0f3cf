// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/answer_check.h"
#include "core/phrases.h"

#include <QtTest>

class TestAnswerCheck final : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void everyPhraseTypedLetterByLetterAmongWrongOnes();
};

void TestAnswerCheck::check_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<int>("newCaret");
    QTest::addColumn<bool>("solved");

    const QString tres = QStringLiteral(" Les tres");
    const QString quart = QStringLiteral(" Un quart d'una");
    // clang-format off
    QTest::newRow("right letter kept") << tres << "Le" << 2 << "Le" << 2 << false;
    QTest::newRow("wrong letter at the end removed") << tres << "Lex" << 3 << "Le" << 2 << false;
    QTest::newRow("case ignored") << tres << "lES" << 3 << "lES" << 3 << false;
    QTest::newRow("whole phrase in small letters solves") << tres << "les tres" << 8 << "les tres" << 8 << true;
    QTest::newRow("caret 0 compares nothing") << tres << "xyz" << 0 << "xyz" << 0 << false;
    QTest::newRow("empty text") << tres << "" << 0 << "" << 0 << false;
    QTest::newRow("empty text, caret past the end") << tres << "" << 5 << "" << 0 << false;
    QTest::newRow("negative caret reads as 0") << tres << "x" << -3 << "x" << 0 << false;
    QTest::newRow("caret past the end reads as the end") << tres << "Lex" << 10 << "Le" << 2 << false;
    QTest::newRow("wrong letter in the middle removed where typed") << tres << "Lexs t" << 3 << "Les t" << 2 << false;
    QTest::newRow("only the character before the caret is looked at") << tres << "Lesxx" << 2 << "Lesxx" << 2 << false;
    QTest::newRow("a typed blank where none belongs") << tres << " " << 1 << "" << 0 << false;
    QTest::newRow("the space must be typed") << tres << "Lest" << 4 << "Les" << 3 << false;
    QTest::newRow("a second space is wrong") << tres << "Les  " << 5 << "Les " << 4 << false;
    QTest::newRow("the apostrophe must be typed") << quart << "Un quart du" << 11 << "Un quart d" << 10 << false;
    QTest::newRow("the apostrophe typed") << quart << "Un quart d'" << 11 << "Un quart d'" << 11 << false;
    QTest::newRow("past the end of the phrase removed, yet solved") << tres << "Les tresx" << 9 << "Les tres" << 8 << true;
    QTest::newRow("a longer text that begins with the phrase solves") << tres << "les tres!" << 3 << "les tres!" << 3 << true;
    QTest::newRow("the last letter missing") << tres << "Les tre" << 7 << "Les tre" << 7 << false;
    QTest::newRow("accented letter, case ignored") << QStringLiteral(" Són") << QStringLiteral("sÓ") << 2 << QStringLiteral("sÓ") << 2 << false;
    QTest::newRow("accent missing is wrong") << QStringLiteral(" Són") << "So" << 2 << "S" << 1 << false;
    QTest::newRow("Cyrillic, case ignored") << QStringLiteral(" Привіт") << QStringLiteral("пР") << 2 << QStringLiteral("пР") << 2 << false;
    QTest::newRow("Cyrillic, wrong letter") << QStringLiteral(" Привіт") << QStringLiteral("пx") << 2 << QStringLiteral("п") << 1 << false;
    QTest::newRow("sharp s upper-cases to SS on both sides") << QStringLiteral(" Straße") << QStringLiteral("straße") << 6 << QStringLiteral("straße") << 6 << true;
    QTest::newRow("surrogate pair removed whole") << tres << QStringLiteral("L😀") << 3 << "L" << 1 << false;
    QTest::newRow("caret inside a pair reads as after it") << tres << QStringLiteral("L😀x") << 2 << "Lx" << 1 << false;
    QTest::newRow("lone surrogate removed") << tres << QString(QChar(0xD83D)) << 1 << "" << 0 << false;
    QTest::newRow("a pair that belongs is kept") << QStringLiteral(" a😀") << QStringLiteral("a😀") << 3 << QStringLiteral("a😀") << 3 << true;
    QTest::newRow("empty question: any text solves, every letter is extra") << "" << "ab" << 2 << "a" << 1 << true;
    QTest::newRow("question without its blank is never solved") << "Les" << "Les" << 3 << "Le" << 2 << false;
    // clang-format on
}

void TestAnswerCheck::check() {
    QFETCH(QString, question);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, newText);
    QFETCH(int, newCaret);
    QFETCH(bool, solved);
    const core::AnswerCheck result = core::checkAnswer(question, text, caret);
    QCOMPARE(result.text, newText);
    QCOMPARE(result.caret, newCaret);
    QCOMPARE(result.solved, solved);
}

void TestAnswerCheck::everyPhraseTypedLetterByLetterAmongWrongOnes() {
    // A wrong key before every right one: each wrong key leaves the text as
    // it was, each right key grows it, and only the last one solves.
    for (const QString& row : core::phraseList()) {
        const QString question = core::rowTail(row);
        const QString phrase = question.mid(1).toLower();
        QString text;
        for (qsizetype i = 0; i < phrase.size(); ++i) {
            const core::AnswerCheck wrong =
                core::checkAnswer(question, text + QLatin1Char('#'), int(i + 1));
            QCOMPARE(wrong.text, text);
            QCOMPARE(wrong.caret, int(i));
            QVERIFY(!wrong.solved);
            const core::AnswerCheck right =
                core::checkAnswer(question, text + phrase.at(i), int(i + 1));
            QCOMPARE(right.text, text + phrase.at(i));
            QCOMPARE(right.caret, int(i + 1));
            QCOMPARE(right.solved, i + 1 == phrase.size());
            text = right.text;
        }
    }
}

QTEST_APPLESS_MAIN(TestAnswerCheck)
#include "test_answer_check.moc"
