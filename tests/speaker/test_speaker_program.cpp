// SPDX-License-Identifier: GPL-3.0-or-later
// The speech program run as the clock program runs it: a scratch file, a
// command line, an exit status and at most one line on stderr.

#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <array>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

constexpr int kTimeoutMs = 20000;

struct Run {
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString svPath() {
    return qEnvironmentVariable("RELLOTGE_BIN_DIR") + QStringLiteral("/sv");
}

Run runSv(const QStringList& args, const QProcessEnvironment& env = {},
          const QString& program = svPath(), const std::function<void()>& inChild = {}) {
    QProcess process;
    if (!env.isEmpty()) {
        process.setProcessEnvironment(env);
    }
    if (inChild) {
        process.setChildProcessModifier(inChild);
    }
    process.start(program, args);
    Run run;
    if (!process.waitForStarted(kTimeoutMs)) {
        return run;
    }
    run.finished = process.waitForFinished(kTimeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray record(const QByteArray& text) {
    return text.leftJustified(200, ' ');
}

// sv reads only a file no one else may write, whatever the umask.
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

struct Wav {
    QByteArray bytes;
    quint32 sampleRate = 0;
    QByteArray data;

    double seconds() const { return sampleRate ? data.size() / (2.0 * sampleRate) : 0.0; }
    double rms() const {
        const auto* s = reinterpret_cast<const qint16*>(data.constData());
        const qsizetype n = data.size() / 2;
        double sum = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const double v = qFromLittleEndian(s[i]);
            sum += v * v;
        }
        return n ? std::sqrt(sum / n) : 0.0;
    }
};

// Speaks one record into a WAV file and checks the header on the way: a
// canonical 44-byte PCM header, 16-bit mono, sizes that agree with the file.
Wav speakToWav(const QByteArray& fileBytes, const QStringList& extra = {}) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("lloc.dat"));
    const QString out = dir.filePath(QStringLiteral("out.wav"));
    Wav wav;
    if (!dir.isValid() || !writeFile(in, fileBytes)) {
        qWarning("cannot prepare %s", qPrintable(in));
        return wav;
    }
    const Run run = runSv(QStringList{"/I:c", "/L:1", "/V:100", "/F:" + in, "/W:" + out} + extra);
    if (!run.finished || run.exitCode != 0 || !run.err.isEmpty()) {
        qWarning("sv failed: %d %s", run.exitCode, run.err.constData());
        return wav;
    }
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly)) {
        return wav;
    }
    const QByteArray b = file.readAll();
    if (b.size() < 44) {
        qWarning("WAV shorter than its header: %lld bytes", qlonglong(b.size()));
        return wav;
    }
    // The header read from a copy of its own size, which the compiler can see.
    std::array<uchar, 44> header{};
    std::memcpy(header.data(), b.constData(), header.size());
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(header.data() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(header.data() + at); };
    if (b.left(4) != "RIFF" || u32(4) != quint32(b.size() - 8) || b.mid(8, 8) != "WAVEfmt " ||
        u32(16) != 16 || u16(20) != 1 || u16(22) != 1 || u16(34) != 16 || u16(32) != 2 ||
        u32(28) != 2 * u32(24) || b.mid(36, 4) != "data" || u32(40) != quint32(b.size() - 44)) {
        qWarning("bad WAV header: %s", b.left(44).toHex().constData());
        return wav;
    }
    wav.bytes = b;
    wav.sampleRate = u32(24);
    wav.data = b.mid(44);
    return wav;
}

// The environment of a machine without any sound output.
QProcessEnvironment withoutSound(const QTemporaryDir& dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), dir.filePath(QStringLiteral("no-server")));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir.path());
    env.insert(QStringLiteral("ALSA_CONFIG_PATH"), dir.filePath(QStringLiteral("asound.conf")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    return env;
}

} // namespace

class TestSpeakerProgram final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wavOfAPhrase();
    void levelsAndVolume_data();
    void levelsAndVolume();
    void sameSpeech_data();
    void sameSpeech();
    void failures_data();
    void failures();
    void writeFailuresGiveTheReason_data();
    void writeFailuresGiveTheReason();
    void noSoundCard();
    void ipa_data();
    void ipa();
    void help();
};

void TestSpeakerProgram::initTestCase() {
    QVERIFY2(QFileInfo(svPath()).isExecutable(), qPrintable(svPath()));
}

void TestSpeakerProgram::wavOfAPhrase() {
    const Wav wav = speakToWav(record("Tres quarts i deu de dotze"));
    QVERIFY(!wav.bytes.isEmpty());
    QVERIFY(wav.sampleRate >= 8000 && wav.sampleRate <= 48000);
    // Six words at the children's rate: about two seconds and a half.
    QVERIFY2(wav.seconds() > 1.2 && wav.seconds() < 5.0,
             qPrintable(QString::number(wav.seconds())));
    QVERIFY2(wav.rms() > 300, qPrintable(QString::number(wav.rms())));
}

void TestSpeakerProgram::levelsAndVolume_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<double>("minDurationRatio"); // against /L:1 /V:100
    QTest::addColumn<double>("maxDurationRatio");
    QTest::addColumn<double>("minLoudnessRatio");
    QTest::addColumn<double>("maxLoudnessRatio");
    QTest::newRow("level 5 is faster") << QStringList{"/L:5"} << 0.4 << 0.75 << 0.7 << 1.4;
    QTest::newRow("level 3 in between") << QStringList{"/L:3"} << 0.6 << 0.9 << 0.7 << 1.4;
    QTest::newRow("volume 50 is quieter") << QStringList{"/V:50"} << 0.95 << 1.05 << 0.3 << 0.7;
    QTest::newRow("volume 120 is louder") << QStringList{"/V:120"} << 0.95 << 1.05 << 1.05 << 1.4;
    QTest::newRow("volume 0 is silent") << QStringList{"/V:0"} << 0.95 << 1.05 << 0.0 << 0.01;
}

void TestSpeakerProgram::levelsAndVolume() {
    QFETCH(QStringList, options);
    QFETCH(double, minDurationRatio);
    QFETCH(double, maxDurationRatio);
    QFETCH(double, minLoudnessRatio);
    QFETCH(double, maxLoudnessRatio);
    const QByteArray text = record("Un quart i cinc de dues");
    const Wav base = speakToWav(text);
    const Wav wav = speakToWav(text, options);
    QVERIFY(!base.bytes.isEmpty() && !wav.bytes.isEmpty());
    const double duration = wav.seconds() / base.seconds();
    const double loudness = wav.rms() / base.rms();
    QVERIFY2(duration >= minDurationRatio && duration <= maxDurationRatio,
             qPrintable(QString::number(duration)));
    QVERIFY2(loudness >= minLoudnessRatio && loudness <= maxLoudnessRatio,
             qPrintable(QString::number(loudness)));
}

// Pairs of scratch files that must come out as the very same audio: the
// respellings and the spelt-out digits reach the voice, the record is decoded
// from Windows-1252, and nothing past byte 200 is read.
void TestSpeakerProgram::sameSpeech_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("sameAs");
    QTest::newRow("dues respelt") << record("Les dues")
                                  << record("Les d\xFA"
                                            "es");
    QTest::newRow("Dos respelt") << record("Dos quarts de dues")
                                 << record("D\xF2s quarts de d\xFA"
                                           "es");
    QTest::newRow("digits spelt out")
        << record("12.15 Un quart d'una") << record("dotze qu\xEDnze, Un quart d'una");
    QTest::newRow("right quote as apostrophe")
        << record("Un quart d\x92una") << record("Un quart d'una");
    QTest::newRow("tail past the record ignored")
        << record("La una") + "i deu de dotze" << record("La una");
    QTest::newRow("padding ignored") << QByteArray("La una") << record("La una");
    QTest::newRow("UTF-8 file") << QByteArray("Un quart d’una, què?\n")
                                << record("Un quart d\x92una, qu\xE8?");
}

void TestSpeakerProgram::sameSpeech() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, sameAs);
    const Wav a = speakToWav(file);
    const Wav b = speakToWav(sameAs);
    QVERIFY(!a.bytes.isEmpty());
    QCOMPARE(a.data.size(), b.data.size());
    QVERIFY(a.data == b.data);
}

void TestSpeakerProgram::failures_data() {
    QTest::addColumn<QStringList>("args"); // "@" stands for the scratch file
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    const QByteArray ok = record("La una");
    QTest::newRow("missing file") << QStringList{"/I:c", "/F:@.missing"} << ok << 1
                                  << "No such file";
    QTest::newRow("only blanks") << QStringList{"/F:@"} << record("") << 1 << "nothing to say";
    QTest::newRow("empty file") << QStringList{"/F:@"} << QByteArray() << 1 << "nothing to say";
    QTest::newRow("only controls")
        << QStringList{"/F:@"} << QByteArray("\r\n\t") << 1 << "nothing to say";
    QTest::newRow("a folder") << QStringList{"/F:@.d"} << ok << 1 << "not a regular file";
    QTest::newRow("a pipe, no hang") << QStringList{"/F:@.fifo"} << ok << 1 << "not a regular file";
    QTest::newRow("unknown option") << QStringList{"/Q:1", "/F:@"} << ok << 2 << "unknown option";
    QTest::newRow("bad /I:") << QStringList{"/I:e", "/F:@"} << ok << 2 << "unknown language";
    QTest::newRow("bad /L:") << QStringList{"/L:9", "/F:@"} << ok << 2 << "bad level";
    QTest::newRow("bad /V:") << QStringList{"/V:loud", "/F:@"} << ok << 2 << "bad volume";
    QTest::newRow("missing /F:") << QStringList{"/I:c", "/L:1", "/V:100"} << ok << 2
                                 << "missing /F:";
    QTest::newRow("no arguments") << QStringList{} << ok << 2 << "missing /F:";
    QTest::newRow("--ipa and /W:")
        << QStringList{"/F:@", "--ipa", "/W:@.wav"} << ok << 2 << "--ipa";
    QTest::newRow("unwritable /W:") << QStringList{"/F:@", "/W:@.d/none/x.wav"} << ok << 1
                                    << "cannot write '@.d/none/x.wav': No such file or directory";
    // Only a regular file of ours that no one else may write, never through
    // a link, and never a wait on a pipe.
    QTest::newRow("/F: a link") << QStringList{"/F:@.link"} << ok << 1 << "is a symbolic link";
    QTest::newRow("/F: others may write")
        << QStringList{"/F:@.open"} << ok << 1 << "can be written by other users";
    QTest::newRow("/W: a pipe, no hang")
        << QStringList{"/F:@", "/W:@.fifo"} << ok << 1 << "is a pipe or device";
    QTest::newRow("/W: a device") << QStringList{"/F:@", "/W:/dev/null"} << ok << 1
                                  << "cannot write '/dev/null': is not a regular file";
    QTest::newRow("/W: a link") << QStringList{"/F:@", "/W:@.link"} << ok << 1
                                << "is a symbolic link";
    // One line whatever the arguments hold: escaped, quoted, cut.
    QTest::newRow("terminal escapes") << QStringList{"/F:@", "/Q:a\nb\x1b[31m\x7f\\"} << ok << 2
                                      << "unknown option '/Q:a\\nb\\x1B[31m\\x7F\\\\'";
    QTest::newRow("100 kB argument") << QStringList{"/F:@", "/L:" + QString(100000, u'9')} << ok
                                     << 2 << "bad level '" + QString(80, u'9') + "'... in /L:";
    QTest::newRow("/F: with a line end")
        << QStringList{"/F:@\n.missing"} << ok << 1 << "lloc.dat\\n.missing': No such file";
}

void TestSpeakerProgram::failures() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scratch = dir.filePath(QStringLiteral("lloc.dat"));
    QVERIFY(writeFile(scratch, content));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("lloc.dat.d")));
    QCOMPARE(::mkfifo(qPrintable(scratch + ".fifo"), 0600), 0);
    QVERIFY(QFile::link(scratch, scratch + ".link"));
    QVERIFY(writeFile(scratch + ".open", content));
    QCOMPARE(::chmod(qPrintable(scratch + ".open"), 0666), 0);
    for (QString& arg : args) {
        arg.replace(u'@', scratch);
    }
    says.replace(u'@', scratch);
    const Run run = runSv(args);
    QVERIFY2(run.finished, "sv did not finish");
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith("sv: ") && run.err.endsWith('\n') && run.err.count('\n') == 1,
             run.err.constData());
    QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
    QVERIFY2(std::none_of(run.err.begin(), run.err.end() - 1,
                          [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
             run.err.constData());
    QVERIFY2(run.err.size() < 300, run.err.left(300).constData());
    QVERIFY(run.out.isEmpty());
    QCOMPARE(QFileInfo(scratch + ".link").symLinkTarget(), scratch);
    QCOMPARE(QFileInfo(scratch).size(), content.size()); // never written through the link
}

// A WAV that cannot be written to the end says why, as the system puts it,
// rather than that the voice was stopped: a full disk (a tiny tmpfs in a
// mount namespace of our own, where one can be had) and a size limit.
void TestSpeakerProgram::writeFailuresGiveTheReason_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("says");
    QTest::newRow("full disk") << "tmpfs"
                               << "No space left on device";
    QTest::newRow("file size limit") << "rlimit"
                                     << "File too large";
}

void TestSpeakerProgram::writeFailuresGiveTheReason() {
    QFETCH(QString, how);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scratch = dir.filePath(QStringLiteral("lloc.dat"));
    const QString disk = dir.filePath(QStringLiteral("disk"));
    QVERIFY(writeFile(scratch, record("Tres quarts i deu de dotze")));
    QVERIFY(QDir().mkdir(disk));
    const QStringList args{"/F:" + scratch, "/W:" + disk + "/out.wav"};
    Run run;
    if (how == "tmpfs") {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        const QStringList inNamespace{"--user", "--map-root-user", "--mount"};
        if (unshare.isEmpty() || runSv(inNamespace + QStringList{"true"}, {}, unshare).exitCode) {
            QSKIP("no mount namespace of our own to mount a tiny tmpfs in");
        }
        run = runSv(inNamespace +
                        QStringList{"sh", "-c",
                                    "mount -t tmpfs -o size=16k none \"$1\" && "
                                    "shift && exec \"$@\"",
                                    "sh", disk, svPath()} +
                        args,
                    {}, unshare);
    } else {
        run = runSv(args, {}, svPath(), [] {
            const rlimit limit{20000, 20000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending sv
        });
    }
    QVERIFY2(run.finished, "sv did not finish");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(
        run.err.startsWith("sv: cannot write '" + disk.toUtf8() + "/out.wav': " + says.toUtf8()) &&
            run.err.count('\n') == 1,
        run.err.constData());
}

// With no sound system to reach, playing fails at once with one line of its
// own: the sound libraries' chatter does not reach the caller.
void TestSpeakerProgram::noSoundCard() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scratch = dir.filePath(QStringLiteral("lloc.dat"));
    const QString noConfig = dir.filePath(QStringLiteral("asound.conf"));
    QVERIFY(writeFile(scratch, record("La una")) && writeFile(noConfig, {}));
    QElapsedTimer clock;
    clock.start();
    const Run run = runSv({"/I:c", "/L:1", "/V:100", "/F:" + scratch}, withoutSound(dir));
    QVERIFY2(run.finished, "sv did not finish");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("sv: ") && run.err.count('\n') == 1, run.err.constData());
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

// What the voice would say, respellings and spelt digits included, on one
// line, with no sound output needed.
void TestSpeakerProgram::ipa_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("row with digits") << record("12.25 Les dotze i vint-i-cinc")
                                     << QByteArray("dˈodzə βˌintisˈiŋ ləs ðˈodzə i βˌintisˈiŋ");
    QTest::newRow("Windows-1252") << record("Un quart d\x92una i cinc de vuit")
                                  << QByteArray("ʊn kwˈaɾt ðˈunɐ i sˈiŋ də βˈujt");
    QTest::newRow("UTF-8, two sentences")
        << QByteArray("Les dues. Què?\n") << QByteArray("ləs ðˈuəs kˈɛ");
}

void TestSpeakerProgram::ipa() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scratch = dir.filePath(QStringLiteral("lloc.dat"));
    QVERIFY(writeFile(scratch, file) && writeFile(dir.filePath(QStringLiteral("asound.conf")), {}));
    const Run run = runSv({"/I:c", "/L:1", "/V:100", "/F:" + scratch, "--ipa"}, withoutSound(dir));
    QVERIFY2(run.finished, "sv did not finish");
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, line + '\n');
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("sv.lock"))));
}

void TestSpeakerProgram::help() {
    const Run run = runSv({"--help"});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    for (const char* option : {"/I:c", "/L:", "/V:", "/F:", "/W:", "--ipa"}) {
        QVERIFY2(run.out.contains(option), option);
    }
}

QTEST_GUILESS_MAIN(TestSpeakerProgram)
#include "test_speaker_program.moc"
