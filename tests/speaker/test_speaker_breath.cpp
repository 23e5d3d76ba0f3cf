// SPDX-License-Identifier: GPL-3.0-or-later
// Each phrase in one breath: the voice pauses where the punctuation says so
// and nowhere else.

#include "speaker/breath.h"
#include "speaker/mend.h"
#include "speaker/options.h"
#include "speaker/voice.h"
#include "tests/speaker/spoken_texts.h"

#include <QtTest>
#include <cstdlib>

namespace {

// Silence: the sound under -40 dBFS (a hundredth of full scale, 32768) for
// 80 ms or more between the first and the last sample above it.
constexpr int kQuiet = 328;
constexpr int kSilenceMs = 80;

// The lengths in ms of the silences inside a sound; nothing for no sound.
std::optional<QList<int>> silences(const std::vector<std::int16_t>& sound, int sampleRate) {
    std::optional<std::size_t> lastLoud;
    QList<int> found;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        if (std::abs(sound[i]) < kQuiet) {
            continue;
        }
        const auto ms = lastLoud ? static_cast<int>((i - *lastLoud - 1) * 1000 / sampleRate) : 0;
        if (ms >= kSilenceMs) {
            found << ms;
        }
        lastLoud = i;
    }
    return lastLoud ? std::optional(found) : std::nullopt;
}

// Stands in for the engine's translation: the words in capitals, with the
// pause the engine puts before "i" and its change of language for an
// English word.
std::string capitals(std::string_view words) {
    std::string out;
    for (const QString& word : QString::fromUtf8(words).split(u' ', Qt::SkipEmptyParts)) {
        out += word == u"i" ? "_:_: " : out.empty() ? "" : " ";
        out += word == u"hello" ? "_^_EN" : word.toUpper().toStdString();
    }
    return out;
}

} // namespace

class TestSpeakerBreath final : public QObject {
    Q_OBJECT
private slots:
    void clauses_data();
    void clauses();
    void pausesOnlyAtCommas();
};

void TestSpeakerBreath::clauses_data() {
    QTest::addColumn<QString>("prepared");
    QTest::addColumn<QString>("input");
    QTest::newRow("pause before i dropped") << "Les dotze i vint"
                                            << "[[LES DOTZE I VINT]]";
    QTest::newRow("comma kept, respelling in place") << " dotze [[k'inz@]], Un [[kw'a**t]] d'una"
                                                     << "[[DOTZE k'inz@]], [[UN kw'a**t D'UNA]]";
    QTest::newRow("question and exclamation kept") << "Hola? Bé!"
                                                   << "[[HOLA]]? [[BÉ]]!";
    QTest::newRow("digits read as before") << "12.15 Un quart"
                                           << "12.15 Un quart";
    QTest::newRow("brackets read as before") << "dotze (i vint)"
                                             << "dotze (i vint)";
    QTest::newRow("point inside a word") << "a.b i c"
                                         << "a.b i c";
    QTest::newRow("stand-in typed by hand") << "pumpum i [[b'in]]"
                                            << "pumpum i [[b'in]]";
    QTest::newRow("another language") << "hello i vint"
                                      << "hello i vint";
}

void TestSpeakerBreath::clauses() {
    QFETCH(QString, prepared);
    QFETCH(QString, input);
    QCOMPARE(QString::fromStdString(speaker::inOneBreath(prepared.toStdString(), capitals)), input);
}

// Every text the program speaks, as sv says it at the rate the program asks
// for: a silence at each comma and none elsewhere. The engine's own reading
// is no yardstick here: it is what paused before "i", 190 ms.
void TestSpeakerBreath::pausesOnlyAtCommas() {
    QStringList texts = spokenTexts();
    texts.removeDuplicates();
    std::vector<std::string> prepared;
    for (const QString& text : texts) {
        prepared.push_back(speaker::prepareForSpeech(text.toStdString()));
    }
    std::vector<std::vector<std::int16_t>> sounds;
    int sampleRate = 0;
    const std::string error =
        speaker::render(prepared, {speaker::kRates[0], 100}, sounds, sampleRate);
    QVERIFY2(error.empty(), error.c_str());
    QCOMPARE(sounds.size(), prepared.size());
    QStringList wrong;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::optional<QList<int>> found = silences(sounds[at], sampleRate);
        const std::string spelt = speaker::spellTimeKey(texts[i].toStdString());
        const auto commas = std::count(spelt.begin(), spelt.end(), ',');
        if (!found || found->size() != commas) {
            QStringList ms;
            for (const int one : found.value_or(QList<int>())) {
                ms << QString::number(one);
            }
            const QString heard = found ? ms.join(u' ') + QStringLiteral(" ms") : "no sound";
            wrong << texts[i] + QStringLiteral(": ") + heard;
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 5).join(u"; ")));
}

QTEST_GUILESS_MAIN(TestSpeakerBreath)
#include "test_speaker_breath.moc"
