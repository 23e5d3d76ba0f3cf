// The text side of the speech program: reading the record, decoding it, and
// the fixes made before the voice gets it. No audio here.

#include "speaker/mend.h"
#include "speaker/options.h"
#include "speaker/record.h"

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sys/stat.h>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string writeFile(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace

class TestSpeakerText final : public QObject {
    Q_OBJECT
private slots:
    void mendWords_data();
    void mendWords();
    void spellTimeKey_data();
    void spellTimeKey();
    void recordText_data();
    void recordText();
    void readsOnlyTheRecord_data();
    void readsOnlyTheRecord();
    void refusesWhatIsNotARegularFile();
    void options_data();
    void options();
};

void TestSpeakerText::mendWords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("dues") << "Les dues"
                          << "Les dúes";
    QTest::newRow("after de") << "Un quart de dues"
                              << "Un quart de dúes";
    QTest::newRow("capital") << "Dues"
                             << "Dúes";
    QTest::newRow("all capitals") << "DUES I DOS"
                                  << "DÚES I DÒS";
    QTest::newRow("Dos quarts") << "Dos quarts i cinc de tres"
                                << "Dòs quarts i cinc de tres";
    QTest::newRow("mixed row") << "Les dotze i trenta cinc"
                               << "Les dotze i trénta cinc";
    QTest::newRow("menys") << "La una menys deu"
                           << "La una ménys deu";
    QTest::newRow("quinze") << "quinze"
                            << "quínze";
    QTest::newRow("hyphen splits") << "vint-i-dues"
                                   << "vint-i-dúes";
    QTest::newRow("apostrophe splits") << "l'dues"
                                       << "l'dúes";
    QTest::newRow("at the ends, with punctuation") << "dues, dos."
                                                   << "dúes, dòs.";
    // Words that only contain or resemble a mended word stay as they are.
    QTest::newRow("longer words") << "duesa dosis trentena menysprear"
                                  << "duesa dosis trentena menysprear";
    QTest::newRow("shorter words") << "due do tren meny"
                                   << "due do tren meny";
    QTest::newRow("digits glued on") << "dues2 2dos"
                                     << "dues2 2dos";
    QTest::newRow("accented letter glued on") << "duesà àdos"
                                              << "duesà àdos";
    QTest::newRow("already accented") << "Les dúes"
                                      << "Les dúes";
    QTest::newRow("other phrase words")
        << "La una Les tres quatre cinc sis set vuit nou deu onze dotze i Un quart quarts Tres "
           "d'una de d'onze vint vint-i-cinc quaranta"
        << "La una Les tres quatre cinc sis set vuit nou deu onze dotze i Un quart quarts Tres "
           "d'una de d'onze vint vint-i-cinc quaranta";
    QTest::newRow("leading blank kept") << " Les dues"
                                        << " Les dúes";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSpeakerText::mendWords() {
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(q(speaker::mendWords(text.toStdString())), spoken);
}

void TestSpeakerText::spellTimeKey_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("quarter row") << "12.15 Un quart d'una"
                                 << "dotze quinze, Un quart d'una";
    QTest::newRow("o'clock") << "12.00 Les dotze"
                             << "dotze en punt, Les dotze";
    QTest::newRow("one, feminine") << "01.05 La una i cinc"
                                   << "una zero cinc, La una i cinc";
    QTest::newRow("two, feminine") << "02.30 Dos quarts de tres"
                                   << "dues trenta, Dos quarts de tres";
    QTest::newRow("twenty-five") << "12.25 Les dotze i vint-i-cinc"
                                 << "dotze vint-i-cinc, Les dotze i vint-i-cinc";
    QTest::newRow("thirty-five") << "12.35 Les dotze i trenta cinc"
                                 << "dotze trenta-cinc, Les dotze i trenta cinc";
    QTest::newRow("fifty-five") << "11.55 tres quarts i deu de dotze"
                                << "onze cinquanta-cinc, tres quarts i deu de dotze";
    QTest::newRow("odd minutes") << "10.21 x"
                                 << "deu vint-i-u, x";
    QTest::newRow("teens") << "03.17 x"
                           << "tres disset, x";
    QTest::newRow("key alone") << "12.40"
                               << "dotze quaranta";
    QTest::newRow("key and separator") << "12.40 "
                                       << "dotze quaranta";
    QTest::newRow("leading blank") << " 09.45 tres quarts de deu"
                                   << " nou quaranta-cinc, tres quarts de deu";
    // Not a clock key: left to the voice as written.
    QTest::newRow("hour 00") << "00.15 x"
                             << "00.15 x";
    QTest::newRow("hour 13") << "13.15 x"
                             << "13.15 x";
    QTest::newRow("minute 60") << "12.60 x"
                               << "12.60 x";
    QTest::newRow("longer number") << "12.155 x"
                                   << "12.155 x";
    QTest::newRow("colon") << "12:15 x"
                           << "12:15 x";
    QTest::newRow("not at the start") << "Les 12.15"
                                      << "Les 12.15";
    QTest::newRow("phrase only") << " Les dotze i vint"
                                 << " Les dotze i vint";
    QTest::newRow("short") << "12.1"
                           << "12.1";
}

void TestSpeakerText::spellTimeKey() {
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(q(speaker::spellTimeKey(text.toStdString())), spoken);
}

void TestSpeakerText::recordText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const auto padded = [](QByteArray b) { return b.leftJustified(200, ' '); };
    QTest::newRow("padding trimmed")
        << padded("Tres quarts i deu de dotze") << "Tres quarts i deu de dotze";
    QTest::newRow("Windows-1252 letters") << padded("caf\xE9 d\x92una \x80") << "café d’una €";
    QTest::newRow("leading blank kept") << padded(" Les dotze i vint") << " Les dotze i vint";
    QTest::newRow("inner blanks kept") << padded("a   b") << "a   b";
    QTest::newRow("unpadded, shorter") << QByteArray("La una") << "La una";
    QTest::newRow("controls become blanks") << QByteArray("Les\tdues\r\n\0 ", 13) << "Les dues";
    QTest::newRow("unassigned bytes become blanks") << padded("a\x81\x8D"
                                                              "b\x90")
                                                    << "a  b";
    QTest::newRow("only blanks") << padded("") << "";
    QTest::newRow("cut at 200") << QByteArray(199, 'a') + "bc" << QString(199, u'a') + "b";
}

void TestSpeakerText::recordText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(q(speaker::recordText(bytes.toStdString())), text);
}

void TestSpeakerText::readsOnlyTheRecord_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("record");
    const QByteArray phrase = QByteArray("Les dues").leftJustified(200, ' ');
    // An earlier, longer text is never cut off the file: its tail must not
    // be read.
    QTest::newRow("longer file") << phrase + "i deu de dotze" << phrase;
    QTest::newRow("exactly 200") << phrase << phrase;
    QTest::newRow("shorter") << QByteArray("La una") << QByteArray("La una");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestSpeakerText::readsOnlyTheRecord() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, record);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = writeFile(dir, "lloc.dat", file.toStdString());
    std::string bytes;
    std::string error;
    QVERIFY(speaker::readRecord(path, bytes, error));
    QCOMPARE(QByteArray::fromStdString(bytes), record);
    QVERIFY(error.empty());
}

void TestSpeakerText::refusesWhatIsNotARegularFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string fifo = dir.filePath(QStringLiteral("fifo")).toStdString();
    QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, dir.path().toStdString(), fifo + ".missing"}) {
        std::string bytes;
        std::string error;
        QVERIFY(!speaker::readRecord(path, bytes, error));
        QVERIFY2(error.find(path) != std::string::npos, error.c_str());
    }
}

void TestSpeakerText::options_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("volume");
    QTest::addColumn<QString>("wav");
    QTest::newRow("as the program passes them")
        << QStringList{"/I:c", "/L:1", "/V:120", "/F:/run/x"} << true << 125 << 120 << "";
    QTest::newRow("defaults") << QStringList{"/F:x"} << true << 125 << 100 << "";
    QTest::newRow("letters in either case")
        << QStringList{"/i:C", "/l:3", "/v:80", "/f:x", "/w:o.wav"} << true << 175 << 80 << "o.wav";
    QTest::newRow("loud volume clamped")
        << QStringList{"/V:500", "/F:x"} << true << 125 << 200 << "";
    QTest::newRow("negative volume clamped")
        << QStringList{"/V:-4", "/F:x"} << true << 125 << 0 << "";
    QTest::newRow("fastest level") << QStringList{"/L:5", "/F:x"} << true << 225 << 100 << "";
    QTest::newRow("level 0") << QStringList{"/L:0", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("level 6") << QStringList{"/L:6", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("level not a number") << QStringList{"/L:x", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("volume not a number") << QStringList{"/V:10a", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("empty volume") << QStringList{"/V:", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("other language") << QStringList{"/I:e", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("empty /F:") << QStringList{"/F:"} << false << 0 << 0 << "";
    QTest::newRow("no /F:") << QStringList{"/I:c"} << false << 0 << 0 << "";
    QTest::newRow("empty /W:") << QStringList{"/F:x", "/W:"} << false << 0 << 0 << "";
    QTest::newRow("unknown letter") << QStringList{"/X:1", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("bare word") << QStringList{"x", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("no colon") << QStringList{"/Fx"} << false << 0 << 0 << "";
}

void TestSpeakerText::options() {
    QFETCH(QStringList, args);
    QFETCH(bool, ok);
    std::vector<std::string> argv;
    for (const QString& a : args) {
        argv.push_back(a.toStdString());
    }
    speaker::Options options;
    std::string error;
    QCOMPARE(speaker::parseOptions(argv, options, error), ok);
    if (!ok) {
        QVERIFY(!error.empty());
        QVERIFY(error.find('\n') == std::string::npos);
        return;
    }
    QFETCH(int, rate);
    QFETCH(int, volume);
    QFETCH(QString, wav);
    QCOMPARE(speaker::kRates[options.level - 1], rate);
    QCOMPARE(options.volume, volume);
    QCOMPARE(q(options.wav), wav);
}

QTEST_GUILESS_MAIN(TestSpeakerText)
#include "test_speaker_text.moc"
