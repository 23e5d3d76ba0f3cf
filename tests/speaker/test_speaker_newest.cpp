// SPDX-License-Identifier: GPL-3.0-or-later
// The newest request wins: sv processes playing in real time into a sound
// server of the test's own, stopped by newer ones, and never stopping a
// process that is not a playing sv of ours. The order of events and their
// outcome are checked here, with time-outs a loaded machine stays well
// within; how fast a player falls silent is bench/sv_newest_wins's to say.

#include "speaker/player_lock.h"
#include "speaker/watchdog.h"
#include "tests/speaker/sv_harness.h"

#include <QtTest>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using sv_harness::Child;
using sv_harness::nowNs;

namespace {

constexpr long long kMs = 1000000;
// Bounds for waits that take milliseconds on a quiet machine and may take
// seconds on a loaded one.
constexpr double kStartSeconds = 15;
constexpr double kEndSlackSeconds = 30;
constexpr long long kStallMs = speaker::kStallSeconds * 1000LL;
// How long a paused sound system holds still: well short of the stall time.
constexpr int kPauseMs = 3000;

// About nine seconds at the children's rate.
const QByteArray kLongText = "Un quart i cinc de dues. Dos quarts i deu de tres. Tres quarts i "
                             "cinc de quatre. La una i deu.";
const QByteArray kShortText = "La una";

std::string svPath() {
    return qEnvironmentVariable("RELLOTGE_BIN_DIR").toStdString() + "/sv";
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

// How long the 16-bit mono speech in a WAV file sounds, or 0.
long long speechNs(const QString& wavPath) {
    const QByteArray wav = readFile(wavPath);
    const quint32 rate = wav.size() > 44 ? qFromLittleEndian<quint32>(wav.constData() + 24) : 0;
    return rate == 0 ? 0 : (wav.size() - 44) * 1000000000LL / (2 * rate);
}

// A process's start time, as sv records it.
QByteArray startTime(pid_t pid) {
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(19);
}

QByteArray lockRecordOf(pid_t pid) {
    return QByteArray::number(pid) + ' ' + startTime(pid) + '\n';
}

bool alive(pid_t pid) {
    return ::kill(pid, 0) == 0;
}

QString ms(long long ns) {
    return QString::number(ns / 1e6, 'f', 1) + QStringLiteral(" ms");
}

std::string arg(const char* option, const QString& path) {
    return option + path.toStdString();
}

// The player's lock line, "<pid> ", at the start of a record.
QByteArray recordStart(const Child& run) {
    return QByteArray::number(run.pid()) + ' ';
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
    // The environment of a client of server with its runtime folder (empty
    // to leave XDG_RUNTIME_DIR unset), sv's time stamps on.
    std::vector<std::string> clientEnv(const QString& runtime, const QStringList& more = {},
                                       const sv_harness::SoundServer* server = nullptr) const;
    // sv with args in that environment; nullptr when it cannot start.
    std::unique_ptr<Child> run(const std::string& program, const std::vector<std::string>& args,
                               const std::vector<std::string>& env) const;
    // A player of text (a file in the test's folder), by default into the
    // test's sound server.
    std::unique_ptr<Child> play(const QString& text, const QString& runtime,
                                const QStringList& moreEnv = {},
                                const sv_harness::SoundServer* server = nullptr) const;
    // A fresh runtime folder of ours.
    QString newRuntime(const QString& name);
    // Pumps the others too, so that their exits are timed as they come.
    static bool waitForFirstSample(Child& child, std::vector<Child*> others = {});
    bool waitForEnd(const std::vector<Child*>& children) const;
    // Once the player is heard, past the lock, stops it as a newer request
    // would and waits for its end: what it did about the lock is done by
    // then, and the rest of its speech would only make the test longer.
    bool stopOnceHeard(Child& player) const;

    sv_harness::SoundServer server_;
    QTemporaryDir dir_;
    QString runtime_; // the usual runtime folder, fresh for each test
    long long longSpeechNs_ = 0;
    long long shortSpeechNs_ = 0;
    int runtimes_ = 0;
};

void TestSpeakerNewest::initTestCase() {
    QVERIFY2(QFileInfo(QString::fromStdString(svPath())).isExecutable(), svPath().c_str());
    QVERIFY(dir_.isValid());
    QVERIFY(writeFile(dir_.filePath("long.dat"), kLongText.leftJustified(200, ' ')));
    QVERIFY(writeFile(dir_.filePath("short.dat"), kShortText.leftJustified(200, ' ')));
    QVERIFY(writeFile(dir_.filePath("full.dat"), (kLongText + ' ' + kLongText).left(200)));
    // The audio of each text, for comparison, and how long it takes to say.
    longSpeechNs_ = 3600000 * kMs;
    std::vector<std::unique_ptr<Child>> wavs;
    for (const char* name : {"long", "full", "short"}) {
        const QString base = dir_.filePath(QString::fromLatin1(name));
        wavs.push_back(run(svPath(), {arg("/F:", base + ".dat"), arg("/W:", base + ".wav")}, {}));
        QVERIFY(wavs.back());
    }
    QVERIFY(waitForEnd({wavs[0].get(), wavs[1].get(), wavs[2].get()}));
    for (const auto& wav : wavs) {
        QVERIFY2(wav->exitedCleanly(), wav->errors().c_str());
    }
    longSpeechNs_ = speechNs(dir_.filePath("long.wav"));
    shortSpeechNs_ = speechNs(dir_.filePath("short.wav"));
    QVERIFY2(longSpeechNs_ > 5000 * kMs, qPrintable(ms(longSpeechNs_)));
    QVERIFY2(shortSpeechNs_ > 100 * kMs, qPrintable(ms(shortSpeechNs_)));

    std::string why;
    if (!server_.start(why)) {
        QSKIP(("no sound server to play into: " + why).c_str());
    }
}

void TestSpeakerNewest::init() {
    runtime_ = newRuntime(QStringLiteral("runtime"));
    QVERIFY(!runtime_.isEmpty());
}

QString TestSpeakerNewest::newRuntime(const QString& name) {
    const QString folder = dir_.filePath(name + QString::number(++runtimes_));
    const bool made =
        QDir().mkdir(folder) &&
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return made ? folder : QString();
}

std::vector<std::string> TestSpeakerNewest::clientEnv(const QString& runtime,
                                                      const QStringList& more,
                                                      const sv_harness::SoundServer* server) const {
    std::vector<std::string> env = (server ? *server : server_).clientEnv(runtime.toStdString());
    env.insert(env.end(), {"SV_STAMP_FIRST_SAMPLE=1", "SV_STAMP_STOP=1"});
    for (const QString& entry : more) {
        env.push_back(entry.toStdString());
    }
    return env;
}

std::unique_ptr<Child> TestSpeakerNewest::run(const std::string& program,
                                              const std::vector<std::string>& args,
                                              const std::vector<std::string>& env) const {
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    auto child = std::make_unique<Child>();
    return child->start(argv, env) ? std::move(child) : nullptr;
}

std::unique_ptr<Child> TestSpeakerNewest::play(const QString& text, const QString& runtime,
                                               const QStringList& moreEnv,
                                               const sv_harness::SoundServer* server) const {
    return run(svPath(), {"/I:c", "/L:1", "/V:100", arg("/F:", dir_.filePath(text))},
               clientEnv(runtime, moreEnv, server));
}

bool TestSpeakerNewest::waitForFirstSample(Child& child, std::vector<Child*> others) {
    others.push_back(&child);
    return sv_harness::pumpUntil(
               others, kStartSeconds,
               [&] { return child.stamp("first-sample-ns") > 0 || !child.running(); }) &&
           child.running();
}

bool TestSpeakerNewest::waitForEnd(const std::vector<Child*>& children) const {
    return sv_harness::pumpUntil(children, longSpeechNs_ / 1e9 + kEndSlackSeconds, [&] {
        return std::none_of(children.begin(), children.end(),
                            [](Child* child) { return child->running(); });
    });
}

bool TestSpeakerNewest::stopOnceHeard(Child& player) const {
    return waitForFirstSample(player) && ::kill(player.pid(), speaker::kStopSignal) == 0 &&
           waitForEnd({&player});
}

// Three requests a moment apart, each started once the one before it is
// heard: the first two are stopped by the next one while they still speak,
// after it asked, and exit 0; the third, stopping the second, is heard to
// its end in real time.
void TestSpeakerNewest::newestWins() {
    std::vector<std::unique_ptr<Child>> runs;
    std::vector<Child*> earlier;
    for (const char* text : {"long.dat", "long.dat", "short.dat"}) {
        runs.push_back(play(QString::fromLatin1(text), runtime_));
        QVERIFY(runs.back());
        QVERIFY2(waitForFirstSample(*runs.back(), earlier), runs.back()->errors().c_str());
        earlier.push_back(runs.back().get());
    }
    QVERIFY(waitForEnd(earlier));
    for (const auto& player : runs) {
        QVERIFY2(player->exitedCleanly(), player->errors().c_str());
    }
    for (int i = 0; i < 2; ++i) {
        const Child& stopped = *runs[i];
        const Child& newer = *runs[i + 1];
        QCOMPARE(newer.stamp("stopped", 0), stopped.pid());
        const long long asked = newer.stamp("stopped", 1);
        QVERIFY2(stopped.exitNs() >= asked, qPrintable(ms(stopped.exitNs() - asked)));
        QVERIFY2(stopped.exitNs() - stopped.stamp("first-sample-ns") < longSpeechNs_ / 2,
                 qPrintable(ms(stopped.exitNs() - asked) + " after it was asked to stop"));
    }
    const Child& last = *runs[2];
    const long long played = last.exitNs() - last.stamp("first-sample-ns");
    QVERIFY2(played >= shortSpeechNs_ * 95 / 100,
             qPrintable(ms(played) + " of " + ms(shortSpeechNs_)));
    // The last one cleared its record on the way out.
    QCOMPARE(readFile(runtime_ + "/sv.lock"), QByteArray());
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
    const auto sleeper = run("sleep", {"60"}, {});
    QVERIFY(sleeper);
    const pid_t pid = sleeper->pid();
    record.replace("PID", QByteArray::number(pid)).replace("START", startTime(pid));
    QVERIFY(writeFile(runtime_ + "/sv.lock", record));
    auto player = play("long.dat", runtime_);
    QVERIFY(player);
    QVERIFY(stopOnceHeard(*player));
    QVERIFY2(player->exitedCleanly(), player->errors().c_str());
    QCOMPARE(player->stamp("stopped"), -1);
    QVERIFY(player->stamp("first-sample-ns") > 0);
    QVERIFY(alive(pid));
    sv_harness::pump({sleeper.get()});
    QVERIFY(sleeper->running());
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
    QVERIFY(recorded.startsWith(recordStart(*first)));

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
        play("long.dat", other,
             kind == "no cache" ? QStringList{"XDG_CACHE_HOME=" + noCache} : QStringList{});
    QVERIFY(second);
    QVERIFY(stopOnceHeard(*second));
    const QByteArray errors = QByteArray::fromStdString(second->errors());
    QVERIFY2(second->exitedCleanly(), errors.constData());
    QVERIFY(second->stamp("first-sample-ns") > 0);
    QCOMPARE(second->stamp("stopped"), -1);
    if (says.isEmpty()) {
        QCOMPARE(errors, QByteArray());
    } else {
        QVERIFY2(errors.startsWith("sv: ") && errors.count('\n') == 1 && errors.endsWith('\n') &&
                     errors.contains(says),
                 errors.constData());
    }
    sv_harness::pump({first.get()});
    QVERIFY2(first->running(), "the first player was stopped");
    QCOMPARE(readFile(real), recorded);
    QCOMPARE(QFileInfo(lock).isSymLink(), kind == "link");
    if (kind != "fifo") {
        QCOMPARE(readFile(lock), recorded);
    }
}

// Without a runtime folder the lock lives in the cache folder, made 0700,
// and the newest request still wins; never in a shared folder.
void TestSpeakerNewest::lockInTheCacheFolderWithoutARuntimeFolder() {
    const QString folder = QString::fromStdString(server_.cacheDir()) + "/quirvel-rellotge";
    auto first = play("long.dat", QString());
    QVERIFY(first);
    QVERIFY2(waitForFirstSample(*first), first->errors().c_str());
    QVERIFY(readFile(folder + "/sv.lock").startsWith(recordStart(*first)));
    struct stat info {};
    QCOMPARE(::lstat(qPrintable(folder), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, 0700u);

    auto second = play("short.dat", QString());
    QVERIFY(second);
    QVERIFY(waitForFirstSample(*second, {first.get()}));
    QVERIFY(waitForEnd({first.get(), second.get()}));
    QCOMPARE(second->stamp("stopped"), first->pid());
    QVERIFY(first->exitedCleanly() && second->exitedCleanly());
    QCOMPARE(first->errors() + second->errors(), std::string());
}

// A sound system that stops taking sound makes sv give up, with one line,
// once nothing has moved for the stall time; one that only pauses a moment
// does not, however long the speech. Each plays into a server of its own,
// side by side, so that the test waits out the stall time only once.
void TestSpeakerNewest::stuckSoundSystemIsGivenUpOn() {
    sv_harness::SoundServer frozenServer;
    std::string why;
    QVERIFY2(frozenServer.start(why), why.c_str());
    const pid_t pausing = server_.pid();
    const pid_t frozen = frozenServer.pid();
    QVERIFY(pausing > 0 && frozen > 0);
    const auto resume = qScopeGuard([pausing] { ::kill(pausing, SIGCONT); });

    auto paused = play("long.dat", runtime_);
    QVERIFY(paused);
    QVERIFY(waitForFirstSample(*paused));
    auto stuck = play("long.dat", newRuntime(QStringLiteral("frozen")), {}, &frozenServer);
    QVERIFY(stuck);
    QVERIFY(waitForFirstSample(*stuck, {paused.get()}));

    QCOMPARE(::kill(pausing, SIGSTOP), 0);
    QCOMPARE(::kill(frozen, SIGSTOP), 0);
    const long long frozenAt = nowNs();
    sv_harness::pumpUntil({paused.get(), stuck.get()}, kPauseMs / 1000.0, [] { return false; });
    QCOMPARE(::kill(pausing, SIGCONT), 0);
    QVERIFY(waitForEnd({paused.get(), stuck.get()}));

    QVERIFY2(paused->exitedCleanly(), paused->errors().c_str());
    const long long after = stuck->exitNs() - frozenAt;
    QVERIFY2(after > (kStallMs - 1000) * kMs, qPrintable(ms(after)));
    QVERIFY(WIFEXITED(stuck->status()));
    QCOMPARE(WEXITSTATUS(stuck->status()), 1);
    const QByteArray errors = QByteArray::fromStdString(stuck->errors());
    QVERIFY2(errors.startsWith("sv: gave up") && errors.count('\n') == 1, errors.constData());
    qInfo("sv gave up %s after the sound system froze", qPrintable(ms(after)));
}

// A run that writes a WAV or prints IPA stops no one; and a WAV run is not
// stopped even when the lock file names it (it ignores the signal).
void TestSpeakerNewest::wavAndIpaRunsNeitherStopNorAreStopped() {
    auto player = play("long.dat", runtime_);
    QVERIFY(player);
    QVERIFY(waitForFirstSample(*player));
    const QByteArray recorded = readFile(runtime_ + "/sv.lock");
    const std::vector<std::string> env = clientEnv(runtime_);
    const std::string scratch = arg("/F:", dir_.filePath("long.dat"));
    auto wav = run(svPath(), {scratch, arg("/W:", dir_.filePath("again.wav"))}, env);
    auto ipa = run(svPath(), {scratch, "--ipa"}, env);
    QVERIFY(wav && ipa);
    QVERIFY(waitForEnd({wav.get(), ipa.get()}));
    QVERIFY(wav->exitedCleanly() && ipa->exitedCleanly());
    QCOMPARE(readFile(dir_.filePath("again.wav")), readFile(dir_.filePath("long.wav")));
    sv_harness::pump({player.get()});
    QVERIFY2(player->running(), "a WAV or IPA run stopped the player");
    QCOMPARE(readFile(runtime_ + "/sv.lock"), recorded);

    // A WAV run held still mid-way and named in the lock file, then a new
    // player: the signal reaches it and changes nothing. The full text keeps
    // it busy long enough to be caught.
    auto named =
        run(svPath(),
            {arg("/F:", dir_.filePath("full.dat")), arg("/W:", dir_.filePath("named.wav"))}, env);
    QVERIFY(named);
    QVERIFY(waitForFirstSample(*named));
    QCOMPARE(::kill(named->pid(), SIGSTOP), 0);
    QVERIFY(writeFile(runtime_ + "/sv.lock", lockRecordOf(named->pid())));
    auto newer = play("short.dat", runtime_);
    QVERIFY(newer);
    QVERIFY(waitForFirstSample(*newer));
    QCOMPARE(newer->stamp("stopped"), named->pid());
    QCOMPARE(::kill(named->pid(), SIGCONT), 0);
    QVERIFY(waitForEnd({named.get(), newer.get()}));
    QVERIFY2(named->exitedCleanly(), "the WAV run was stopped");
    QCOMPARE(readFile(dir_.filePath("named.wav")), readFile(dir_.filePath("full.wav")));
    QVERIFY(newer->exitedCleanly());
    sv_harness::pump({player.get()});
    QVERIFY(player->running());
}

// Two requests may reach the lock in either order. The older, started
// first but held back until the newer plays, says nothing and stops no one.
void TestSpeakerNewest::olderRequestGivesWay() {
    // The shell stops itself before it becomes sv, which keeps its start time.
    auto older = run("/bin/sh",
                     {"-c", "kill -STOP $$ && exec \"$0\" \"$@\"", svPath(),
                      arg("/F:", dir_.filePath("long.dat"))},
                     clientEnv(runtime_));
    QVERIFY(older);
    int status = 0;
    QCOMPARE(::waitpid(older->pid(), &status, WUNTRACED), older->pid());
    QVERIFY(WIFSTOPPED(status));
    QTest::qWait(50); // a later clock tick for the newer one's start time

    auto newer = play("long.dat", runtime_);
    QVERIFY(newer);
    QVERIFY(waitForFirstSample(*newer));
    QCOMPARE(::kill(older->pid(), SIGCONT), 0);
    QVERIFY(sv_harness::pumpUntil({older.get(), newer.get()}, kStartSeconds,
                                  [&] { return !older->running(); }));
    QVERIFY2(older->exitedCleanly(), older->errors().c_str());
    QCOMPARE(older->stamp("first-sample-ns"), -1);
    QCOMPARE(older->stamp("stopped"), -1);
    QVERIFY2(newer->running(), "the newer request was stopped");
    QVERIFY(readFile(runtime_ + "/sv.lock").startsWith(recordStart(*newer)));
}

// sv rebuilt or upgraded while an older one plays: the file is replaced,
// the older one's program shows as "<path> (deleted)", and it is still ours.
void TestSpeakerNewest::playerOfAReplacedProgramIsStopped() {
    const QString folder = dir_.filePath(QStringLiteral("bin%1").arg(runtimes_));
    QVERIFY(QDir().mkdir(folder));
    const QString program = folder + "/sv";
    const QString built = QString::fromStdString(svPath());
    QVERIFY(QFile::copy(built, program));
    const std::vector<std::string> env = clientEnv(runtime_);
    auto older = run(program.toStdString(), {arg("/F:", dir_.filePath("long.dat"))}, env);
    QVERIFY(older);
    QVERIFY(waitForFirstSample(*older));
    QVERIFY(QFile::copy(built, program + ".new"));
    QCOMPARE(::rename(qPrintable(program + ".new"), qPrintable(program)), 0);
    char shown[4096] = {};
    const QByteArray exe = QStringLiteral("/proc/%1/exe").arg(older->pid()).toLatin1();
    QVERIFY(::readlink(exe.constData(), shown, sizeof shown - 1) > 0);
    QCOMPARE(QByteArray(shown), QFile::encodeName(program) + " (deleted)");

    auto newer = run(program.toStdString(), {arg("/F:", dir_.filePath("short.dat"))}, env);
    QVERIFY(newer);
    QVERIFY(waitForFirstSample(*newer, {older.get()}));
    QVERIFY(waitForEnd({older.get(), newer.get()}));
    QCOMPARE(newer->stamp("stopped"), older->pid());
    QVERIFY(older->exitedCleanly() && newer->exitedCleanly());
    QVERIFY(older->exitNs() - older->stamp("first-sample-ns") < longSpeechNs_ / 2);
}

QTEST_GUILESS_MAIN(TestSpeakerNewest)
#include "test_speaker_newest.moc"
