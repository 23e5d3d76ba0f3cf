// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scratch_file.h"
#include "core/speech.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Every warning raised while it lives.
class WarningLog final {
public:
    WarningLog() { s_log = this, s_previous = qInstallMessageHandler(record); }
    ~WarningLog() { qInstallMessageHandler(s_previous), s_log = nullptr; }
    QStringList lines;

private:
    static void record(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (s_log && type == QtWarningMsg)
            s_log->lines << message;
    }
    static inline WarningLog* s_log = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

class TestScratchFile final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void folder_data();
    void folder();
    void unsafeFileIsRefusedAtOnce_data();
    void unsafeFileIsRefusedAtOnce();
    void nothingSafeMeansSilenceAndOneWarning();
    void unsetRuntimeFolderWarnsNeverPerPhrase();

private:
    QByteArray m_runtime, m_home, m_cache, m_path;
    std::unique_ptr<QTemporaryDir> m_temporary;
    QDir m_dir;
};

void TestScratchFile::init() {
    m_runtime = qgetenv("XDG_RUNTIME_DIR");
    m_home = qgetenv("HOME");
    m_cache = qgetenv("XDG_CACHE_HOME");
    m_path = qgetenv("PATH");
    m_temporary = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temporary->isValid());
    m_dir = QDir(m_temporary->path());
    // A home of the test's own, so that the fallback folder is made there.
    QVERIFY(m_dir.mkpath(QStringLiteral("home")));
    qputenv("HOME", native(m_dir.filePath(QStringLiteral("home"))));
    qunsetenv("XDG_CACHE_HOME");
}

void TestScratchFile::cleanup() {
    qputenv("XDG_RUNTIME_DIR", m_runtime);
    qputenv("HOME", m_home);
    if (m_cache.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", m_cache);
    qputenv("PATH", m_path);
    m_temporary.reset();
}

void TestScratchFile::folder_data() {
    QTest::addColumn<QString>("runtime"); // how the runtime folder is made
    QTest::addColumn<bool>("usesRuntime");
    QTest::newRow("private runtime folder") << "0700" << true;
    QTest::newRow("runtime folder unset") << "unset" << false;
    QTest::newRow("runtime folder open to all") << "0777" << false;
    QTest::newRow("runtime folder readable by others") << "0755" << false;
    QTest::newRow("runtime folder is a link") << "link" << false;
    QTest::newRow("runtime folder missing") << "missing" << false;
    QTest::newRow("runtime folder relative") << "relative" << false;
}

void TestScratchFile::folder() {
    QFETCH(QString, runtime);
    QFETCH(bool, usesRuntime);
    const QString folder = m_dir.filePath(QStringLiteral("run"));
    if (runtime == u"unset") {
        qunsetenv("XDG_RUNTIME_DIR");
    } else if (runtime == u"relative") {
        qputenv("XDG_RUNTIME_DIR", "run");
    } else {
        if (runtime == u"link") {
            const QString real = m_dir.filePath(QStringLiteral("real"));
            QVERIFY(QDir().mkpath(real));
            QCOMPARE(::chmod(native(real).constData(), 0700), 0);
            QVERIFY(QFile::link(real, folder));
        } else if (runtime != u"missing") {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::chmod(native(folder).constData(), mode_t(runtime.toUInt(nullptr, 8))), 0);
        }
        qputenv("XDG_RUNTIME_DIR", native(folder));
    }

    QString problem;
    const QString chosen = core::scratchFolder(&problem);
    const QString own = m_dir.filePath(QStringLiteral("home/.cache/quirvel-rellotge"));
    QCOMPARE(chosen, usesRuntime ? folder : own);
    QVERIFY(!chosen.startsWith(QDir::tempPath() + u'/') || chosen.startsWith(m_dir.path()));
    struct stat info {};
    QCOMPARE(::lstat(native(chosen).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
    QCOMPARE(core::scratchFilePath(), chosen + QStringLiteral("/lloc.dat"));
}

void TestScratchFile::unsafeFileIsRefusedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe nobody reads") << "pipe";
    QTest::newRow("pipe somebody reads") << "pipe with reader";
    QTest::newRow("file others may write") << "0666";
    QTest::newRow("file the group may write") << "0620";
    QTest::newRow("link to a file") << "link";
    QTest::newRow("folder") << "folder";
}

void TestScratchFile::unsafeFileIsRefusedAtOnce() {
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(QStringLiteral("lloc.dat"));
    const QString precious = m_dir.filePath(QStringLiteral("precious"));
    int reader = -1;
    if (kind.startsWith(u"pipe")) {
        QCOMPARE(::mkfifo(native(path).constData(), 0600), 0);
        if (kind == u"pipe with reader")
            reader = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(kind == u"link" ? precious : path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        if (kind == u"link")
            QVERIFY(QFile::link(precious, path));
        else
            QCOMPARE(::chmod(native(path).constData(), mode_t(kind.toUInt(nullptr, 8))), 0);
    }

    QElapsedTimer clock;
    clock.start();
    QString error;
    QVERIFY(!core::writeRecord(path, core::speechRecord(QStringLiteral("La una")), &error));
    QVERIFY2(clock.elapsed() < 1000, "waited on the scratch file");
    QVERIFY2(error.startsWith(path + u':'), qPrintable(error));
    if (reader >= 0) {
        char byte = 0;
        QCOMPARE(::read(reader, &byte, 1), ssize_t(0));
        ::close(reader);
    }
    if (kind.startsWith(u'0'))
        QCOMPARE(readAll(path), QByteArray("keep me"));
    if (kind == u"link")
        QCOMPARE(readAll(precious), QByteArray("keep me"));
}

void TestScratchFile::nothingSafeMeansSilenceAndOneWarning() {
    // The runtime folder is fine but a pipe sits where the record goes: every
    // phrase is refused at once, and said so only once.
    const QString folder = m_dir.filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(::chmod(native(folder).constData(), 0700), 0);
    qputenv("XDG_RUNTIME_DIR", native(folder));
    QCOMPARE(::mkfifo(native(folder + QStringLiteral("/lloc.dat")).constData(), 0600), 0);

    WarningLog log;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 5; ++i)
        core::speak(QStringLiteral("Les tres"), 100);
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(log.lines.size(), 1);
    QVERIFY2(log.lines[0].contains(QStringLiteral("lloc.dat")), qPrintable(log.lines[0]));

    // With no home either, speech is off, again with a single warning.
    QCOMPARE(::chmod(native(folder).constData(), 0755), 0);
    qunsetenv("HOME");
    for (int i = 0; i < 5; ++i)
        core::speak(QStringLiteral("Les tres"), 100);
    QCOMPARE(log.lines.size(), 2);
    QVERIFY(core::scratchFilePath().isEmpty());
}

void TestScratchFile::unsetRuntimeFolderWarnsNeverPerPhrase() {
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir empty;
    qputenv("PATH", native(empty.path()));
    WarningLog log;
    for (int i = 0; i < 5; ++i)
        core::speak(QStringLiteral("La una"), 100);
    // The missing speech program is worth one line; the runtime folder none,
    // since the private folder served.
    QCOMPARE(log.lines.size(), 1);
    QVERIFY2(log.lines[0].contains(QStringLiteral("\"sv\"")), qPrintable(log.lines[0]));
    const QString scratch = m_dir.filePath(QStringLiteral("home/.cache/quirvel-rellotge/lloc.dat"));
    QCOMPARE(readAll(scratch).left(6), QByteArray("La una"));
}

QTEST_GUILESS_MAIN(TestScratchFile)
#include "test_scratch_file.moc"
