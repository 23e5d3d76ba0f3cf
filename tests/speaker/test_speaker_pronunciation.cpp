// SPDX-License-Identifier: GPL-3.0-or-later
// What the Catalan voice makes of every text the program can hand it, read
// back as IPA from the very synthesis sv runs. The expected forms, in
// pronunciation.txt beside this test, are what the words should sound like
// in Central Catalan; when the engine's data changes and this fails,
// listen, and fix the respellings rather than the expectations.

#include "speaker/mend.h"
#include "speaker/voice.h"
#include "tests/speaker/spoken_texts.h"

#include <QtTest>

namespace {

struct Said {
    QString text;
    QString ipa;
};

struct Fault {
    QString pattern;
    QString why;
};

struct Table {
    QList<Said> said;
    QList<Fault> faults;
};

Table readTable() {
    Table table;
    QFile file(QStringLiteral(PRONUNCIATION_FILE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return table;
    }
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype bar = line.indexOf(QStringLiteral(" | "));
        if (line.startsWith(u'#') || bar < 0) {
            continue;
        }
        const QString left = line.left(bar).trimmed();
        const QString right = line.mid(bar + 3).trimmed();
        if (left.startsWith(QStringLiteral("! "))) {
            table.faults.append({left.mid(2).trimmed(), right});
        } else {
            table.said.append({left, right});
        }
    }
    return table;
}

// The IPA of each text, one blank at each end so that patterns can find
// whole words. The engine starts once per process, so every text goes in
// one call.
QStringList transcribed(const QStringList& texts) {
    std::vector<std::string> prepared;
    for (const QString& text : texts) {
        prepared.push_back(text.toStdString());
    }
    std::vector<std::string> ipa;
    const std::string error = speaker::transcribe(prepared, ipa);
    QStringList padded;
    for (const std::string& one : ipa) {
        padded << u' ' + QString::fromStdString(one) + u' ';
    }
    if (!error.empty() || padded.size() != texts.size()) {
        qWarning("transcribe: %s", error.c_str());
        return {};
    }
    return padded;
}

QString prepared(const QString& text, std::string (*prepare)(std::string_view)) {
    return QString::fromStdString(prepare(text.toStdString()));
}

} // namespace

class TestSpeakerPronunciation final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void said_data();
    void said();
    void noFault_data();
    void noFault();
    void everyWordHasALine();

private:
    Table table_;
    QStringList said_; // the table's texts as sv says them
    QStringList texts_;
    QStringList spoken_;   // as sv says them
    QStringList unmended_; // as the engine would say them unhelped
    QStringList spelt_;    // digits spelt out, no respellings
};

void TestSpeakerPronunciation::initTestCase() {
    table_ = readTable();
    QVERIFY2(table_.said.size() > 40 && table_.faults.size() > 5, PRONUNCIATION_FILE);
    texts_ = spokenTexts();
    QCOMPARE(texts_.size(), 2 * 144 + 2 * 13 + 48);
    QStringList all;
    for (const Said& said : table_.said) {
        all << prepared(said.text, speaker::prepareForSpeech);
    }
    for (const QString& text : texts_) {
        all << prepared(text, speaker::prepareForSpeech) << text
            << prepared(text, speaker::spellTimeKey);
    }
    const QStringList ipa = transcribed(all);
    QCOMPARE(ipa.size(), all.size());
    said_ = ipa.mid(0, table_.said.size());
    for (qsizetype i = said_.size(); i < ipa.size(); i += 3) {
        spoken_ << ipa[i];
        unmended_ << ipa[i + 1];
        spelt_ << ipa[i + 2];
    }
}

void TestSpeakerPronunciation::said_data() {
    QTest::addColumn<QString>("ipa");
    QTest::addColumn<QString>("expected");
    for (qsizetype i = 0; i < table_.said.size(); ++i) {
        QTest::newRow(qPrintable(table_.said[i].text)) << said_[i].trimmed() << table_.said[i].ipa;
    }
}

void TestSpeakerPronunciation::said() {
    QFETCH(QString, ipa);
    QFETCH(QString, expected);
    QCOMPARE(ipa, expected);
}

// Each fault the respellings mend, searched for in every text the program
// speaks; and found in what the engine says unhelped, so that no line of
// the table guards against a fault that is not there.
void TestSpeakerPronunciation::noFault_data() {
    QTest::addColumn<QString>("pattern");
    for (const Fault& fault : table_.faults) {
        QTest::newRow(qPrintable(fault.why)) << fault.pattern;
    }
}

void TestSpeakerPronunciation::noFault() {
    QFETCH(QString, pattern);
    const QRegularExpression fault(pattern);
    QVERIFY2(fault.isValid(), qPrintable(fault.errorString()));
    bool seenUnhelped = false;
    for (qsizetype i = 0; i < texts_.size(); ++i) {
        QVERIFY2(!spoken_[i].contains(fault), qPrintable(texts_[i] + " ->" + spoken_[i]));
        seenUnhelped = seenUnhelped || unmended_[i].contains(fault) || spelt_[i].contains(fault);
    }
    QVERIFY2(seenUnhelped, "the engine does not make this fault: drop the line");
}

// The words of every text, its digits spelt out as sv spells them, each
// have a line of their own in the table.
void TestSpeakerPronunciation::everyWordHasALine() {
    QSet<QString> known;
    for (const Said& said : table_.said) {
        known.insert(said.text.toLower());
    }
    QStringList missing;
    for (const QString& text : texts_) {
        const QString spelt = QString::fromStdString(speaker::spellTimeKey(text.toStdString()));
        for (QString word : spelt.split(u' ', Qt::SkipEmptyParts)) {
            word = word.toLower();
            word.remove(u',');
            if (!known.contains(word) && !missing.contains(word)) {
                missing << word;
            }
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
}

QTEST_GUILESS_MAIN(TestSpeakerPronunciation)
#include "test_speaker_pronunciation.moc"
