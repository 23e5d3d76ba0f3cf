// SPDX-License-Identifier: GPL-3.0-or-later
// The text side of the speech program: reading the record, decoding it, and
// the fixes made before the voice gets it. No audio here.

#include "speaker/mend.h"
#include "speaker/message.h"
#include "speaker/options.h"
#include "speaker/player_lock.h"
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
    void refusesFilesItCannotTrust_data();
    void refusesFilesItCannotTrust();
    void messages_data();
    void messages();
    void options_data();
    void options();
    void playerRecord_data();
    void playerRecord();
    void thisProcessIsNotAPlayerToStop();
    void lockFolder_data();
    void lockFolder();
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
                                << "Dòs quarts i cing de tres";
    QTest::newRow("trenta") << "Dos quarts i trenta"
                            << "Dòs quarts i trénta";
    QTest::newRow("menys") << "La una menys deu"
                           << "La una ménys deu";
    QTest::newRow("quinze") << "quinze"
                            << "quínze";
    QTest::newRow("hyphen splits") << "vint-i-dues"
                                   << "bint-i-dúes";
    QTest::newRow("apostrophe splits") << "l'dues"
                                       << "l'dúes";
    QTest::newRow("at the ends, with punctuation") << "dues, dos."
                                                   << "dúes, dòs.";
    QTest::newRow("cinc") << "Un quart i cinc de vuit"
                          << "Un quart i cing de buit";
    QTest::newRow("vint") << "Les dotze i vint"
                          << "Les dotze i bint";
    QTest::newRow("capitals kept") << "Cinc VUIT Vint"
                                   << "Cing BUIT Bint";
    QTest::newRow("longer respelling") << "cinquanta Cinquanta CINQUANTA"
                                       << "cingquanta Cingquanta CINGQUANTA";
    // The compound numbers become phoneme input, whatever their case.
    QTest::newRow("vint-i-cinc") << "Les dotze i vint-i-cinc"
                                 << "Les dotze i [[b,intis'iN]]";
    QTest::newRow("compound in capitals") << "VINT-I-CINC"
                                          << "[[b,intis'iN]]";
    QTest::newRow("compound with one blank") << "Les dotze i trenta cinc"
                                             << "Les dotze i [[t**,enta#s'iN]]";
    QTest::newRow("compounds of the digits") << "quaranta-cinc, cinquanta-cinc"
                                             << "[[kwa#**,anta#s'iN]], [[siNkw,anta#s'iN]]";
    QTest::newRow("two blanks part the compound") << "trenta  cinc"
                                                  << "trénta  cing";
    QTest::newRow("compound glued on") << "vint-i-cincs"
                                       << "bint-i-cincs";
    // Only the respellings may reach the engine's phoneme input.
    QTest::newRow("brackets of the text") << "[[b'o]] [x]"
                                          << "((b'o)) (x)";
    // Words that only contain or resemble a mended word stay as they are.
    QTest::newRow("longer words") << "duesa dosis trentena menysprear cincs vuitena vintena"
                                  << "duesa dosis trentena menysprear cincs vuitena vintena";
    QTest::newRow("shorter words") << "due do tren meny cin vui vin"
                                   << "due do tren meny cin vui vin";
    QTest::newRow("digits glued on") << "dues2 2dos"
                                     << "dues2 2dos";
    QTest::newRow("accented letter glued on") << "duesà àdos"
                                              << "duesà àdos";
    QTest::newRow("already accented") << "Les dúes"
                                      << "Les dúes";
    QTest::newRow("other phrase words")
        << "La una Les tres quatre sis set nou deu onze dotze i Un quart quarts Tres "
           "d'una de d'onze quaranta"
        << "La una Les tres quatre sis set nou deu onze dotze i Un quart quarts Tres "
           "d'una de d'onze quaranta";
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
    // Written by hand or by a script: UTF-8 is recognised.
    QTest::newRow("UTF-8") << padded("Les dues i cinc, d’una: què més? 10 €")
                           << "Les dues i cinc, d’una: què més? 10 €";
    QTest::newRow("UTF-8, unpadded, with a line end")
        << QByteArray("Un quart d’una\n") << "Un quart d’una";
    QTest::newRow("UTF-8 byte-order mark dropped")
        << QByteArray("\xEF\xBB\xBFLa una, això") << "La una, això";
    QTest::newRow("UTF-8 C1 control becomes a blank")
        << QByteArray("caf\xC3\xA9\xC2\x85x") << "café x";
    QTest::newRow("UTF-8 cut inside a letter at 200")
        << "\xC3\xA9" + QByteArray(197, 'a') + "\xC3\xA0" << u'é' + QString(197, u'a');
    QTest::newRow("UTF-8 four-byte letter") << QByteArray("a \xF0\x9F\x95\x90 b") << "a 🕐 b";
    // Anything that is not well-formed UTF-8 stays Windows-1252.
    QTest::newRow("Windows-1252 letter before ASCII")
        << QByteArray("caf\xE9 i m\xE9s") << "café i més";
    QTest::newRow("Windows-1252 pair that looks like a lead byte")
        << QByteArray("\xC0\xAFx") << "À¯x";
    QTest::newRow("overlong form is not UTF-8") << QByteArray("\xC1\xA9 \xC3\xA9") << "Á© Ã©";
    QTest::newRow("surrogate is not UTF-8") << QByteArray("\xED\xA0\x80 \xC3\xA9") << "í\u00A0€ Ã©";
    QTest::newRow("past U+10FFFF is not UTF-8")
        << QByteArray("\xF4\x90\x80\x80 \xC3\xA9") << "ô €€ Ã©";
    QTest::newRow("cut short before the end is not UTF-8") << QByteArray("\xC3\xA9 \xC3") << "Ã© Ã";
    QTest::newRow("plain ASCII") << padded("Les dotze") << "Les dotze";
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

// The scratch file is taken only as the clock program writes it: a regular
// file of ours that no one else may write; anything else is refused at once.
void TestSpeakerText::refusesFilesItCannotTrust_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("pipe") << "fifo"
                          << "is not a regular file";
    QTest::newRow("folder") << "folder"
                            << "is a folder";
    QTest::newRow("missing") << "missing"
                             << "No such file or directory";
    QTest::newRow("symbolic link to a good file") << "link"
                                                  << "is a symbolic link";
    QTest::newRow("group may write") << "0620"
                                     << "can be written by other users";
    QTest::newRow("anyone may write") << "0602"
                                      << "can be written by other users";
    QTest::newRow("someone else's") << "other owner"
                                    << "belongs to another user";
}

void TestSpeakerText::refusesFilesItCannotTrust() {
    QFETCH(QString, kind);
    QFETCH(QString, says);
    if (kind == "other owner" && ::geteuid() != 0) {
        QSKIP("only root can give a file to another user");
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string good = writeFile(dir, "good.dat", "La una");
    const std::string path = dir.filePath(QStringLiteral("lloc.dat")).toStdString();
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
    } else if (kind == "folder") {
        QCOMPARE(::mkdir(path.c_str(), 0700), 0);
    } else if (kind == "link") {
        QCOMPARE(::symlink(good.c_str(), path.c_str()), 0);
    } else if (kind != "missing") {
        writeFile(dir, "lloc.dat", "La una");
        QCOMPARE(::chmod(path.c_str(), kind.startsWith(u'0') ? kind.toUInt(nullptr, 8) : 0600), 0);
        if (kind == "other owner") {
            QCOMPARE(::chown(path.c_str(), 65534, 65534), 0);
        }
    }
    std::string bytes;
    std::string error;
    QVERIFY(!speaker::readRecord(path, bytes, error));
    QVERIFY2(error.starts_with("cannot read '" + path + "': ") &&
                 error.find(says.toStdString()) != std::string::npos,
             error.c_str());
}

void TestSpeakerText::messages_data() {
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("quoted");
    QTest::newRow("plain") << QByteArray("/F:lloc.dat") << QByteArray("'/F:lloc.dat'");
    QTest::newRow("controls") << QByteArray("a\tb\r\nc\x1b[2J\x7f")
                              << QByteArray("'a\\tb\\r\\nc\\x1B[2J\\x7F'");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("'a\\x00b'");
    QTest::newRow("backslash doubled") << QByteArray("a\\nb") << QByteArray("'a\\\\nb'");
    QTest::newRow("UTF-8 letters kept")
        << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << QByteArray("'caf\xC3\xA9 \xE2\x82\xAC'");
    QTest::newRow("C1 control in UTF-8") << QByteArray("a\xC2\x9B"
                                                       "31m")
                                         << QByteArray("'a\\xC2\\x9B31m'");
    QTest::newRow("byte that is not UTF-8") << QByteArray("caf\xE9") << QByteArray("'caf\\xE9'");
    QTest::newRow("80 characters, whole") << QByteArray(80, 'x') << "'" + QByteArray(80, 'x') + "'";
    QTest::newRow("81 characters, cut")
        << QByteArray(81, 'x') << "'" + QByteArray(80, 'x') + "'...";
    QTest::newRow("cut counts characters, not bytes")
        << QByteArray("\xC3\xA9").repeated(100)
        << "'" + QByteArray("\xC3\xA9").repeated(80) + "'...";
}

void TestSpeakerText::messages() {
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, quoted);
    QCOMPARE(QByteArray::fromStdString(speaker::quoted(argument.toStdString())), quoted);
    // A whole line, as sv prints it: nothing doubled, controls escaped.
    const QByteArray line =
        QByteArray::fromStdString(speaker::oneLine(("x\n" + argument).toStdString()));
    QVERIFY(line.startsWith("x\\n"));
    QVERIFY(std::none_of(line.begin(), line.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }));
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
    QTest::newRow("volume past the int range")
        << QStringList{"/V:99999999999999999999", "/F:x"} << true << 125 << 200 << "";
    QTest::newRow("volume just past the int range")
        << QStringList{"/V:2147483648", "/F:x"} << true << 125 << 200 << "";
    QTest::newRow("large negative volume")
        << QStringList{"/V:-99999999999999999999", "/F:x"} << true << 125 << 0 << "";
    QTest::newRow("volume with zeros in front")
        << QStringList{"/V:+000000000000000000000000080", "/F:x"} << true << 125 << 80 << "";
    QTest::newRow("volume with two signs")
        << QStringList{"/V:+-5", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("volume, a sign alone") << QStringList{"/V:-", "/F:x"} << false << 0 << 0 << "";
    QTest::newRow("level past the int range")
        << QStringList{"/L:99999999999999999999", "/F:x"} << false << 0 << 0 << "";
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
    QTest::newRow("IPA instead of speech")
        << QStringList{"/I:c", "/L:1", "/V:100", "/F:x", "--ipa"} << true << 125 << 100 << "";
    QTest::newRow("IPA and a WAV")
        << QStringList{"--ipa", "/F:x", "/W:o.wav"} << false << 0 << 0 << "";
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
        QVERIFY(std::none_of(error.begin(), error.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        QVERIFY(error.size() < 200);
        return;
    }
    QFETCH(int, rate);
    QFETCH(int, volume);
    QFETCH(QString, wav);
    QCOMPARE(speaker::kRates[options.level - 1], rate);
    QCOMPARE(options.volume, volume);
    QCOMPARE(q(options.wav), wav);
}

void TestSpeakerText::playerRecord_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("pid");
    QTest::addColumn<qulonglong>("started");
    QTest::newRow("as written") << QByteArray("4242 1234567\n") << true << 4242 << 1234567ULL;
    QTest::newRow("largest start")
        << QByteArray("7 18446744073709551615\n") << true << 7 << 18446744073709551615ULL;
    QTest::newRow("empty, as a player leaves it") << QByteArray() << false << 0 << 0ULL;
    QTest::newRow("pid alone") << QByteArray("4242\n") << false << 0 << 0ULL;
    QTest::newRow("no line end") << QByteArray("4242 1234567") << false << 0 << 0ULL;
    QTest::newRow("three fields") << QByteArray("4242 1 2\n") << false << 0 << 0ULL;
    QTest::newRow("two blanks") << QByteArray("4242  1\n") << false << 0 << 0ULL;
    QTest::newRow("negative pid") << QByteArray("-1 5\n") << false << 0 << 0ULL;
    QTest::newRow("pid 0") << QByteArray("0 5\n") << false << 0 << 0ULL;
    QTest::newRow("pid too large") << QByteArray("99999999999 5\n") << false << 0 << 0ULL;
    QTest::newRow("plus sign") << QByteArray("+42 5\n") << false << 0 << 0ULL;
    QTest::newRow("letters") << QByteArray("sv 5\n") << false << 0 << 0ULL;
}

void TestSpeakerText::playerRecord() {
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    const auto player = speaker::parsePlayer(text.toStdString());
    QCOMPARE(player.has_value(), ok);
    if (!ok) {
        return;
    }
    QFETCH(int, pid);
    QFETCH(qulonglong, started);
    QCOMPARE(player->pid, pid);
    QCOMPARE(player->started, started);
    QCOMPARE(QByteArray::fromStdString(speaker::formatPlayer(*player)), text);
}

// The start time tells a process from a later one that took over its pid;
// and a process never takes itself for a player to stop.
void TestSpeakerText::thisProcessIsNotAPlayerToStop() {
    const auto self = speaker::playerOf(::getpid());
    QVERIFY(self.has_value());
    QVERIFY(self->started > 0);
    QCOMPARE(speaker::playerOf(::getpid()), self);
    QVERIFY(!speaker::isOurPlayer(*self));
    QVERIFY(!speaker::isOurPlayer({::getppid(), self->started}));
    QVERIFY(!speaker::isOurPlayer({1, 1}));
}

// The lock's folder, by the scratch file's rule: the runtime folder only
// when it is ours alone, else a folder of our own in the cache, never a
// shared one.
void TestSpeakerText::lockFolder_data() {
    QTest::addColumn<QString>("runtime"); // under the test's folder, "" unset
    QTest::addColumn<int>("runtimeMode");
    QTest::addColumn<QString>("cache");  // XDG_CACHE_HOME, "" unset
    QTest::addColumn<QString>("folder"); // "" when none is safe
    QTest::newRow("runtime folder of ours") << "run" << 0700 << "cache"
                                            << "run";
    QTest::newRow("runtime folder others may enter") << "run" << 0711 << "cache"
                                                     << "cache/quirvel-rellotge";
    QTest::newRow("runtime folder a link") << "link" << 0700 << "cache"
                                           << "cache/quirvel-rellotge";
    QTest::newRow("runtime folder missing") << "none" << 0 << "cache"
                                            << "cache/quirvel-rellotge";
    QTest::newRow("no runtime folder") << "" << 0 << "cache"
                                       << "cache/quirvel-rellotge";
    QTest::newRow("no XDG_CACHE_HOME: HOME/.cache") << "" << 0 << ""
                                                    << "home/.cache/quirvel-rellotge";
    QTest::newRow("own folder open to others") << "" << 0 << "open"
                                               << "";
    QTest::newRow("own folder a link") << "" << 0 << "linked"
                                       << "";
    QTest::newRow("cache a file") << "" << 0 << "file"
                                  << "";
}

void TestSpeakerText::lockFolder() {
    QFETCH(QString, runtime);
    QFETCH(int, runtimeMode);
    QFETCH(QString, cache);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path() + u'/';
    const auto make = [&](const QString& name, int mode) {
        return QDir().mkpath(root + name) && ::chmod(qPrintable(root + name), mode) == 0;
    };
    QVERIFY(make("run", runtimeMode ? runtimeMode : 0700) && make("home", 0700));
    QVERIFY(QFile::link(root + "run", root + "link"));
    QVERIFY(make("open/quirvel-rellotge", 0755) && make("elsewhere", 0700));
    QVERIFY(make("linked", 0700) &&
            QFile::link(root + "elsewhere", root + "linked/quirvel-rellotge"));
    writeFile(dir, "file", "");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qputenv("XDG_CACHE_HOME", savedCache);
        qputenv("HOME", savedHome);
    });
    const auto set = [&](const char* name, const QString& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(root + value));
    };
    set("XDG_RUNTIME_DIR", runtime);
    set("XDG_CACHE_HOME", cache);
    set("HOME", QStringLiteral("home"));

    std::string problem;
    const QString got = q(speaker::lockFolder(problem));
    QCOMPARE(got, folder.isEmpty() ? QString() : root + folder);
    QCOMPARE(problem.empty(), !folder.isEmpty());
    if (folder.isEmpty()) {
        QVERIFY2(problem.starts_with("no private folder for the player lock"), problem.c_str());
        return;
    }
    struct stat info {};
    QCOMPARE(::lstat(qPrintable(got), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, 0700u);
    QCOMPARE(q(speaker::lockFilePath(problem)), got + "/sv.lock");
}

QTEST_GUILESS_MAIN(TestSpeakerText)
#include "test_speaker_text.moc"
