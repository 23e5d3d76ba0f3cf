// What the Catalan voice makes of every text the program can hand it, read
// back as IPA from the engine itself. The expected forms are what the words
// should sound like; when the engine's data changes and this fails, listen,
// and fix the respelling table rather than the expectations.

#include "core/phrases.h"
#include "speaker/mend.h"

#include <QtTest>
#include <espeak-ng/speak_lib.h>

namespace {

QString ipa(const QString& text) {
    const std::string prepared = speaker::prepareForSpeech(text.toStdString());
    const void* next = prepared.c_str();
    QStringList clauses;
    while (next != nullptr) {
        clauses << QString::fromUtf8(
            espeak_TextToPhonemes(&next, espeakCHARS_UTF8, espeakPHONEMES_IPA));
    }
    return clauses.join(u' ').simplified();
}

// Every text a window can speak: whole rows with their digits, their tails
// (" Les dotze i vint"), and the composed o'clock and quarter phrases.
QStringList spokenTexts() {
    QStringList texts;
    for (const QStringList* list : {&core::phraseList(), &core::mixedHourList()}) {
        for (const QString& row : *list) {
            texts << row << core::rowTail(row);
        }
    }
    for (int hour = 0; hour < 12; ++hour) {
        for (int minute : {0, 15, 30, 45}) {
            texts << core::quarterPhrase(hour, minute).value_or(QString());
        }
    }
    return texts;
}

} // namespace

class TestSpeakerPronunciation final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void words_data();
    void words();
    void noTextHasAKnownFault_data();
    void noTextHasAKnownFault();
};

void TestSpeakerPronunciation::initTestCase() {
    QVERIFY(espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) >
            0);
    QCOMPARE(espeak_SetVoiceByName("ca"), EE_OK);
}

void TestSpeakerPronunciation::cleanupTestCase() {
    espeak_Terminate();
}

// Every word of the phrases, one at a time, and the time keys as digits. The
// engine leaves the articles and "de" unstressed, as in speech.
void TestSpeakerPronunciation::words_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const std::pair<const char*, const char*> rows[] = {
        {"La", "lɐ"},
        {"Les", "ləs"},
        {"una", "ˌunɐ"},
        {"dues", "dˈuəs"}, // mended: said [dwɛs]
        {"Dues", "dˈuəs"},
        {"tres", "tɾˈɛs"},
        {"Tres", "tɾˈɛs"},
        {"quatre", "kwˈatɾə"},
        {"cinc", "sˈiŋk"},
        {"sis", "sˈis"},
        {"set", "sˈɛt"},
        {"vuit", "ʋˈujt"},
        {"nou", "nˈɔw"},
        {"deu", "dˈɛw"},
        {"onze", "ˈonzə"},
        {"dotze", "dˈodzə"},
        {"i", "ˈi"},
        {"Un", "ʊn"},
        {"quart", "kwˈaɾt"},
        {"quarts", "kwˈaɾts"},
        {"Dos", "dˈɔs"}, // mended: said [dos]
        {"d'una", "dˈunɐ"},
        {"de", "də"},
        {"d'onze", "dˈonzə"},
        {"vint", "ʋˈin"},
        {"vint-i-cinc", "ʋˈinisˈiŋk"},
        {"trenta", "tɾˈentɐ"}, // mended: said [tɾɛntə]
        {"quaranta", "kwɐɾˈantɐ"},
        {"menys", "mˈeɲs"}, // mended: said [mɛɲs]
        // Read as a decimal number ("dotze punt quinze", "zero u punt zero
        // zero") unless spelt out.
        {"12.00", "dˈodzə ən pˈun"},
        {"12.15", "dˈodzə kˈinzə"},
        {"01.05", "ˌunɐ zˈɛɾʊ sˈiŋk"},
        {"02.30", "dˈuəs tɾˈentɐ"},
        {"12.35", "dˈodzə tɾˈentɐsˈiŋk"},
        {"10.10", "dˈɛw ðˈɛw"},
        {"11.55", "ˈonzə sinkwˈantɐsˈiŋk"},
    };
    for (const auto& [text, expected] : rows) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(expected);
    }
}

void TestSpeakerPronunciation::words() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ipa(text), expected);
}

// The faults the respellings mend, searched for in every text the program
// speaks, with the sound that must be there instead.
void TestSpeakerPronunciation::noTextHasAKnownFault_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("wrong");
    QTest::newRow("dues") << "dues"
                          << "ˈuəs"
                          << "wˈɛs";
    QTest::newRow("Dos") << "Dos"
                         << "ˈɔs"
                         << "ˈos";
    QTest::newRow("trenta") << "trenta"
                            << "tɾˈent"
                            << "tɾˈɛnt";
    QTest::newRow("menys") << "menys"
                           << "mˈeɲs"
                           << "mˈɛɲs";
    // The digits of a row: never read as a decimal point or digit by digit.
    QTest::newRow("digits") << "."
                            << ""
                            << " pun ";
    QTest::newRow("leading zero") << "."
                                  << ""
                                  << "zˈeɾʊ ˈu";
}

void TestSpeakerPronunciation::noTextHasAKnownFault() {
    QFETCH(QString, word);
    QFETCH(QString, right);
    QFETCH(QString, wrong);
    const QRegularExpression holds(word == "." ? QStringLiteral("^\\d\\d\\.\\d\\d")
                                               : QStringLiteral("\\b%1\\b").arg(word));
    int checked = 0;
    for (const QString& text : spokenTexts()) {
        if (!text.contains(holds)) {
            continue;
        }
        const QString said = u' ' + ipa(text) + u' ';
        QVERIFY2(!said.contains(wrong), qPrintable(text + " -> " + said));
        QVERIFY2(said.contains(right), qPrintable(text + " -> " + said));
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_GUILESS_MAIN(TestSpeakerPronunciation)
#include "test_speaker_pronunciation.moc"
