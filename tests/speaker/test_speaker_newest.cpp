// The newest request wins: sv processes playing in real time into a sound
// server of the test's own, stopped by newer ones, and never stopping a
// process that is not a playing sv of ours.

#include "speaker/watchdog.h"
#include "tests/speaker/speaker_runs.h"

#include <QtTest>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using speaker_runs::monotonicNs;
using speaker_runs::Run;

namespace {

constexpr long long kMs = 1000000;
// How soon a stopped player must be gone.
constexpr long long kStopBoundNs = 50 * kMs;
// Bounds for waits that take milliseconds on a quiet machine and may take
// seconds on a loaded one.
constexpr long long kStartBoundNs = 15000 * kMs;
constexpr long long kEndSlackNs = 30000 * kMs;
// A timing round spoilt by a loaded machine is tried again, twice at most.
constexpr int kTimingRounds = 3;
constexpr long long kStallMs = speaker::kStallSeconds * 1000LL;

// About nine seconds at the children's rate.
const QByteArray kLongText = "Un quart i cinc de dues. Dos quarts i deu de tres. Tres quarts i "
                             "cinc de quatre. La una i deu.";
const QByteArray kShortText = "La una";

QString svPath() {
    return qEnvironmentVariable("RELLOTGE_BIN_DIR") + QStringLiteral("/sv");
}

// sv reads only a file no one else may write, whatever the umask.
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A process's start time, as sv records it.
QByteArray startTime(pid_t pid) {
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(19);
}

bool alive(pid_t pid) {
    return ::kill(pid, 0) == 0;
}

QString ms(long long ns) {
    return QString::number(ns / 1e6, 'f', 1) + QStringLiteral(" ms");
}

} // namespace

class TestSpeakerNewest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void newestWins();
    void otherProcessesAreNeverSignalled_data();
    void otherProcessesAreNeverSignalled();
    void untrustedLockFileIsLeftAlone_data();
    void untrustedLockFileIsLeftAlone();
    void lockInTheCacheFolderWithoutARuntimeFolder();
    void stuckSoundSystemIsGivenUpOn();
    void wavAndIpaRunsNeitherStopNorAreStopped();
    void olderRequestGivesWay();
    void playerOfAReplacedProgramIsStopped();

private:
    // A player of text with its runtime folder, an empty one to leave
    // XDG_RUNTIME_DIR unset; nullptr when it cannot start.
    std::unique_ptr<Run> play(const QString& text, const QString& runtime,
                              const QStringList& moreEnv = {});
    // Pumps the others too, so that their exits are timed as they come.
    bool waitForFirstSample(Run& run, std::vector<Run*> others = {});
    bool waitForEnd(const std::vector<Run*>& runs);

    speaker_runs::PulseServer server_;
    QTemporaryDir dir_;
    QString runtime_; // the usual runtime folder, fresh for each test
    long long longSpeechNs_ = 0;
    int runtimes_ = 0;
};

void TestSpeakerNewest::initTestCase() {
    QVERIFY2(QFileInfo(svPath()).isExecutable(), qPrintable(svPath()));
    QVERIFY(dir_.isValid());
    QVERIFY(writeFile(dir_.filePath("long.dat"), kLongText.leftJustified(200, ' ')));
    QVERIFY(writeFile(dir_.filePath("short.dat"), kShortText.leftJustified(200, ' ')));
    QVERIFY(writeFile(dir_.filePath("full.dat"), (kLongText + ' ' + kLongText).left(200)));
    // The audio of the long and the full texts, for comparison, and how long
    // the long one takes to say.
    longSpeechNs_ = 3600000 * kMs;
    for (const char* name : {"long", "full"}) {
        auto wav = speaker_runs::start(svPath(),
                                       {"/F:" + dir_.filePath(name + QStringLiteral(".dat")),
                                        "/W:" + dir_.filePath(name + QStringLiteral(".wav"))},
                                       QProcessEnvironment::systemEnvironment());
        QVERIFY(wav);
        QVERIFY(waitForEnd({wav.get()}));
        QVERIFY(wav->exitedCleanly());
    }
    const QByteArray wav = readFile(dir_.filePath("long.wav"));
    QVERIFY(wav.size() > 44);
    const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
    QVERIFY(rate > 0);
    longSpeechNs_ = (wav.size() - 44) * 1000000000LL / (2 * rate);
    QVERIFY2(longSpeechNs_ > 5000 * kMs, qPrintable(ms(longSpeechNs_)));

    QString why;
    if (!server_.start(why)) {
        QSKIP(qPrintable("no sound server to play into: " + why));
    }
}

void TestSpeakerNewest::init() {
    runtime_ = dir_.filePath(QStringLiteral("runtime%1").arg(++runtimes_));
    QVERIFY(QDir().mkdir(runtime_));
    QVERIFY(
        QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

std::unique_ptr<Run> TestSpeakerNewest::play(const QString& text, const QString& runtime,
                                             const QStringList& moreEnv) {
    QProcessEnvironment env = server_.clientEnvironment(runtime);
    if (runtime.isEmpty()) {
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    }
    for (const QString& entry : moreEnv) {
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    }
    return speaker_runs::start(svPath(), {"/I:c", "/L:1", "/V:100", "/F:" + dir_.filePath(text)},
                               env);
}

bool TestSpeakerNewest::waitForFirstSample(Run& run, std::vector<Run*> others) {
    others.push_back(&run);
    return speaker_runs::pumpUntil(
               others, monotonicNs() + kStartBoundNs,
               [&] { return run.stamp("first-sample-ns") > 0 || !run.running(); }) &&
           run.running();
}

bool TestSpeakerNewest::waitForEnd(const std::vector<Run*>& runs) {
    return speaker_runs::pumpUntil(runs, monotonicNs() + longSpeechNs_ + kEndSlackNs, [&] {
        return std::none_of(runs.begin(), runs.end(), [](Run* run) { return run->running(); });
    });
}

// Three requests a moment apart, each started once the one before it is
// heard: the first two fall silent within 50 ms of being stopped and exit
// 0, the third plays to its end in real time.
void TestSpeakerNewest::newestWins() {
    QString timings;
    for (int round = 0; round < kTimingRounds; ++round) {
        std::vector<std::unique_ptr<Run>> runs;
        std::vector<Run*> earlier;
        for (int i = 0; i < 3; ++i) {
            runs.push_back(play("long.dat", runtime_));
            QVERIFY(runs.back());
            QVERIFY2(waitForFirstSample(*runs.back(), earlier), runs.back()->output.constData());
            earlier.push_back(runs.back().get());
        }
        QVERIFY(waitForEnd({runs[0].get(), runs[1].get(), runs[2].get()}));
        for (const auto& run : runs) {
            QVERIFY2(run->exitedCleanly(), run->output.constData());
        }
        bool inTime = true;
        for (int i = 0; i < 2; ++i) {
            const Run& stopped = *runs[i];
            const Run& newer = *runs[i + 1];
            QCOMPARE(newer.stamp("stopped", 0), stopped.pid);
            const long long took = stopped.exitNs - newer.stamp("stopped", 1);
            QVERIFY2(took >= 0, qPrintable(ms(took)));
            timings += QStringLiteral(" %1").arg(ms(took));
            inTime = inTime && took < kStopBoundNs;
            // Stopped while it was still speaking.
            QVERIFY(stopped.exitNs - stopped.stamp("first-sample-ns") < longSpeechNs_ / 2);
        }
        const Run& last = *runs[2];
        QCOMPARE(last.stamp("stopped", 0), runs[1]->pid);
        const long long played = last.exitNs - last.stamp("first-sample-ns");
        QVERIFY2(played >= longSpeechNs_ * 95 / 100,
                 qPrintable(ms(played) + " of " + ms(longSpeechNs_)));
        // The last one cleared its record on the way out.
        QCOMPARE(readFile(runtime_ + "/sv.lock"), QByteArray());
        if (inTime) {
            qInfo("stopped players exited after%s", qPrintable(timings));
            return;
        }
        timings += QStringLiteral(";");
    }
    QFAIL(qPrintable("a stopped player took 50 ms or more to exit, in every round:" + timings));
}

// A pid in the lock file that is not a playing sv of ours is never
// signalled: here a sleep, recorded as exactly as sv records a player.
void TestSpeakerNewest::otherProcessesAreNeverSignalled_data() {
    QTest::addColumn<QByteArray>("record"); // the sleep's PID and START time
    QTest::newRow("pid and start time") << QByteArray("PID START\n");
    QTest::newRow("pid alone") << QByteArray("PID\n");
    QTest::newRow("pid, another start time") << QByteArray("PID 1START\n");
}

void TestSpeakerNewest::otherProcessesAreNeverSignalled() {
    QFETCH(QByteArray, record);
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(sleeper.waitForStarted());
    const pid_t pid = static_cast<pid_t>(sleeper.processId());
    record.replace("PID", QByteArray::number(pid)).replace("START", startTime(pid));
    QVERIFY(writeFile(runtime_ + "/sv.lock", record));
    auto player = play("short.dat", runtime_);
    QVERIFY(player);
    QVERIFY(waitForEnd({player.get()}));
    QVERIFY2(player->exitedCleanly(), player->output.constData());
    QCOMPARE(player->stamp("stopped"), -1);
    QVERIFY(player->stamp("first-sample-ns") > 0);
    QVERIFY(alive(pid));
    QCOMPARE(sleeper.state(), QProcess::Running);
    sleeper.kill();
    sleeper.waitForFinished();
}

// A lock file sv cannot trust is neither followed, read nor written: the
// new request plays, says why in one line, and the player its content names
// plays on. A runtime folder others may enter is not used at all: the lock
// is then kept in the cache folder.
void TestSpeakerNewest::untrustedLockFileIsLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("says"); // on stderr; nothing when empty
    QTest::newRow("symbolic link to the real one")
        << "link" << QByteArray("as it is a symbolic link:");
    QTest::newRow("second name of the real one")
        << "hard link" << QByteArray("as it is a second name of another file:");
    QTest::newRow("someone else's file")
        << "other owner" << QByteArray("as it belongs to another user:");
    QTest::newRow("a pipe") << "fifo" << QByteArray("as it is not a regular file:");
    QTest::newRow("runtime folder others may enter") << "open folder" << QByteArray();
    QTest::newRow("no private folder anywhere")
        << "no cache" << QByteArray("no private folder for the player lock");
}

void TestSpeakerNewest::untrustedLockFileIsLeftAlone() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, says);
    if (kind == "other owner" && ::geteuid() != 0) {
        QSKIP("only root can give a file to another user");
    }
    auto first = play("long.dat", runtime_);
    QVERIFY(first);
    QVERIFY(waitForFirstSample(*first));
    const QString real = runtime_ + "/sv.lock";
    const QByteArray recorded = readFile(real);
    QVERIFY(recorded.startsWith(QByteArray::number(first->pid) + ' '));

    const QString other = dir_.filePath(QStringLiteral("other%1").arg(runtimes_));
    QVERIFY(QDir().mkdir(other));
    const bool open = kind == "open folder" || kind == "no cache";
    QVERIFY(::chmod(qPrintable(other), open ? 0777 : 0700) == 0);
    const QString lock = other + "/sv.lock";
    if (kind == "link") {
        QVERIFY(QFile::link(real, lock));
    } else if (kind == "hard link") {
        QCOMPARE(::link(qPrintable(real), qPrintable(lock)), 0);
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(qPrintable(lock), 0600), 0);
    } else {
        QVERIFY(writeFile(lock, recorded));
    }
    if (kind == "other owner") {
        QCOMPARE(::chown(qPrintable(lock), 65534, 65534), 0);
    }
    // A cache folder that cannot be made: a file stands where it would be.
    const QString noCache = dir_.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(writeFile(noCache, {}));

    auto second =
        play("short.dat", other,
             kind == "no cache" ? QStringList{"XDG_CACHE_HOME=" + noCache} : QStringList{});
    QVERIFY(second);
    QVERIFY(waitForEnd({second.get()}));
    QVERIFY2(second->exitedCleanly(), second->errors.constData());
    QVERIFY(second->stamp("first-sample-ns") > 0);
    QCOMPARE(second->stamp("stopped"), -1);
    if (says.isEmpty()) {
        QCOMPARE(second->errors, QByteArray());
    } else {
        QVERIFY2(second->errors.startsWith("sv: ") && second->errors.count('\n') == 1 &&
                     second->errors.endsWith('\n') && second->errors.contains(says),
                 second->errors.constData());
    }
    QVERIFY2(first->running(), "the first player was stopped");
    QCOMPARE(readFile(real), recorded);
    QCOMPARE(QFileInfo(lock).isSymLink(), kind == "link");
    if (kind != "fifo") {
        QCOMPARE(readFile(lock), recorded);
    }
    ::kill(first->pid, SIGTERM);
    QVERIFY(waitForEnd({first.get()}));
}

// Without a runtime folder the lock lives in the cache folder, made 0700,
// and the newest request still wins; never in a shared folder.
void TestSpeakerNewest::lockInTheCacheFolderWithoutARuntimeFolder() {
    const QString folder = server_.cacheDir() + "/quirvel-rellotge";
    auto first = play("long.dat", QString());
    QVERIFY(first);
    QVERIFY2(waitForFirstSample(*first), first->errors.constData());
    QVERIFY(readFile(folder + "/sv.lock").startsWith(QByteArray::number(first->pid) + ' '));
    struct stat info {};
    QCOMPARE(::lstat(qPrintable(folder), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, 0700u);

    auto second = play("short.dat", QString());
    QVERIFY(second);
    QVERIFY(waitForFirstSample(*second, {first.get()}));
    QVERIFY(waitForEnd({first.get(), second.get()}));
    QCOMPARE(second->stamp("stopped"), first->pid);
    QVERIFY(first->exitedCleanly() && second->exitedCleanly());
    QCOMPARE(first->errors + second->errors, QByteArray());
}

// A sound system that stops taking sound makes sv give up, with one line,
// once nothing has moved for the stall time; one that only pauses a moment
// does not, however long the speech.
void TestSpeakerNewest::stuckSoundSystemIsGivenUpOn() {
    const auto server = static_cast<pid_t>(server_.pid());
    QVERIFY(server > 0);
    const auto resume = qScopeGuard([server] { ::kill(server, SIGCONT); });

    auto paused = play("long.dat", runtime_);
    QVERIFY(paused);
    QVERIFY(waitForFirstSample(*paused));
    QCOMPARE(::kill(server, SIGSTOP), 0);
    QTest::qWait(3000);
    QCOMPARE(::kill(server, SIGCONT), 0);
    QVERIFY(waitForEnd({paused.get()}));
    QVERIFY2(paused->exitedCleanly(), paused->errors.constData());

    auto stuck = play("long.dat", runtime_);
    QVERIFY(stuck);
    QVERIFY(waitForFirstSample(*stuck));
    QCOMPARE(::kill(server, SIGSTOP), 0);
    const long long frozen = monotonicNs();
    QVERIFY(speaker_runs::pumpUntil({stuck.get()}, frozen + (kStallMs + 20000) * kMs,
                                    [&] { return !stuck->running(); }));
    const long long after = monotonicNs() - frozen;
    QVERIFY2(after > (kStallMs - 1000) * kMs, qPrintable(ms(after)));
    QVERIFY(WIFEXITED(stuck->status));
    QCOMPARE(WEXITSTATUS(stuck->status), 1);
    QVERIFY2(stuck->errors.startsWith("sv: gave up") && stuck->errors.count('\n') == 1,
             stuck->errors.constData());
    qInfo("sv gave up %s after the sound system froze", qPrintable(ms(after)));
}

// A run that writes a WAV or prints IPA stops no one; and a WAV run is not
// stopped even when the lock file names it (it ignores the signal).
void TestSpeakerNewest::wavAndIpaRunsNeitherStopNorAreStopped() {
    auto player = play("long.dat", runtime_);
    QVERIFY(player);
    QVERIFY(waitForFirstSample(*player));
    const QByteArray recorded = readFile(runtime_ + "/sv.lock");
    const QProcessEnvironment env = server_.clientEnvironment(runtime_);
    const QString scratch = "/F:" + dir_.filePath("long.dat");
    auto wav = speaker_runs::start(svPath(), {scratch, "/W:" + dir_.filePath("again.wav")}, env);
    auto ipa = speaker_runs::start(svPath(), {scratch, "--ipa"}, env);
    QVERIFY(wav && ipa);
    QVERIFY(waitForEnd({wav.get(), ipa.get()}));
    QVERIFY(wav->exitedCleanly() && ipa->exitedCleanly());
    QCOMPARE(readFile(dir_.filePath("again.wav")), readFile(dir_.filePath("long.wav")));
    QVERIFY2(player->running(), "a WAV or IPA run stopped the player");
    QCOMPARE(readFile(runtime_ + "/sv.lock"), recorded);

    // A WAV run held still mid-way and named in the lock file, then a new
    // player: the signal reaches it and changes nothing. The full text keeps
    // it busy long enough to be caught.
    auto named = speaker_runs::start(
        svPath(), {"/F:" + dir_.filePath("full.dat"), "/W:" + dir_.filePath("named.wav")}, env);
    QVERIFY(named);
    QVERIFY(waitForFirstSample(*named));
    QCOMPARE(::kill(named->pid, SIGSTOP), 0);
    QVERIFY(writeFile(runtime_ + "/sv.lock",
                      QByteArray::number(named->pid) + ' ' + startTime(named->pid) + '\n'));
    auto newer = play("short.dat", runtime_);
    QVERIFY(newer);
    QVERIFY(waitForFirstSample(*newer));
    QCOMPARE(newer->stamp("stopped"), named->pid);
    QCOMPARE(::kill(named->pid, SIGCONT), 0);
    QVERIFY(waitForEnd({named.get(), newer.get()}));
    QVERIFY2(named->exitedCleanly(), "the WAV run was stopped");
    QCOMPARE(readFile(dir_.filePath("named.wav")), readFile(dir_.filePath("full.wav")));
    QVERIFY(newer->exitedCleanly());
    QVERIFY(player->running());
    ::kill(player->pid, SIGTERM);
    QVERIFY(waitForEnd({player.get()}));
}

// Two requests may reach the lock in either order. The older, started
// first but held back until the newer plays, says nothing and stops no one.
void TestSpeakerNewest::olderRequestGivesWay() {
    const QProcessEnvironment env = server_.clientEnvironment(runtime_);
    // The shell stops itself before it becomes sv, which keeps its start time.
    auto older = speaker_runs::start(
        QStringLiteral("/bin/sh"),
        {"-c", "kill -STOP $$ && exec \"$0\" \"$@\"", svPath(), "/F:" + dir_.filePath("long.dat")},
        env);
    QVERIFY(older);
    int status = 0;
    QCOMPARE(::waitpid(older->pid, &status, WUNTRACED), older->pid);
    QVERIFY(WIFSTOPPED(status));
    QTest::qWait(50); // a later clock tick for the newer one's start time

    auto newer = play("long.dat", runtime_);
    QVERIFY(newer);
    QVERIFY(waitForFirstSample(*newer));
    QCOMPARE(::kill(older->pid, SIGCONT), 0);
    QVERIFY(speaker_runs::pumpUntil({older.get(), newer.get()}, monotonicNs() + kStartBoundNs,
                                    [&] { return !older->running(); }));
    QVERIFY2(older->exitedCleanly(), older->output.constData());
    QCOMPARE(older->stamp("first-sample-ns"), -1);
    QCOMPARE(older->stamp("stopped"), -1);
    QVERIFY2(newer->running(), "the newer request was stopped");
    QVERIFY(readFile(runtime_ + "/sv.lock").startsWith(QByteArray::number(newer->pid) + ' '));
    ::kill(newer->pid, SIGTERM);
    QVERIFY(waitForEnd({newer.get()}));
}

// sv rebuilt or upgraded while an older one plays: the file is replaced,
// the older one's program shows as "<path> (deleted)", and it is still ours.
void TestSpeakerNewest::playerOfAReplacedProgramIsStopped() {
    const QString folder = dir_.filePath(QStringLiteral("bin%1").arg(runtimes_));
    QVERIFY(QDir().mkdir(folder));
    const QString program = folder + "/sv";
    QVERIFY(QFile::copy(svPath(), program));
    const QProcessEnvironment env = server_.clientEnvironment(runtime_);
    auto older = speaker_runs::start(program, {"/F:" + dir_.filePath("long.dat")}, env);
    QVERIFY(older);
    QVERIFY(waitForFirstSample(*older));
    QVERIFY(QFile::copy(svPath(), program + ".new"));
    QCOMPARE(::rename(qPrintable(program + ".new"), qPrintable(program)), 0);
    char shown[4096] = {};
    const QByteArray exe = QStringLiteral("/proc/%1/exe").arg(older->pid).toLatin1();
    QVERIFY(::readlink(exe.constData(), shown, sizeof shown - 1) > 0);
    QCOMPARE(QByteArray(shown), QFile::encodeName(program) + " (deleted)");

    auto newer = speaker_runs::start(program, {"/F:" + dir_.filePath("short.dat")}, env);
    QVERIFY(newer);
    QVERIFY(waitForFirstSample(*newer, {older.get()}));
    QVERIFY(waitForEnd({older.get(), newer.get()}));
    QCOMPARE(newer->stamp("stopped"), older->pid);
    QVERIFY(older->exitedCleanly() && newer->exitedCleanly());
    QVERIFY(older->exitNs - older->stamp("first-sample-ns") < longSpeechNs_ / 2);
}

QTEST_GUILESS_MAIN(TestSpeakerNewest)
#include "test_speaker_newest.moc"
