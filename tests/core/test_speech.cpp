// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speech.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A stand-in speech program that records its arguments and the record it
// was pointed at.
void writeStandIn(const QString& folder) {
    const QString path = folder + QStringLiteral("/sv");
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    // Shell builtins only: the PATH it runs under holds nothing else.
    script.write("#!/bin/sh\n"
                 "if [ \"$1\" = --version ]; then echo 'sv (quirvel-rellotge) 0.1'; exit 0; fi\n"
                 "out=\"${0%/*}/calls\"\n"
                 "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out\"\n"
                 ": > \"$out.done\"\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestSpeech final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void record_data();
    void record();
    void newFileIsExactlyOneRecord();
    void existingLongerFileKeepsItsTail();
    void symbolicLinkIsNotFollowed();
    void commandLine_data();
    void commandLine();
    void missingProgramLeavesCallerUnharmed();

private:
    QByteArray m_path;
    QString m_scratch;
};

void TestSpeech::init() {
    m_path = qgetenv("PATH");
    m_scratch = core::scratchFilePath();
    QFile::remove(m_scratch);
}

void TestSpeech::record_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("row with digits")
        << "12.15 Un quart d'una" << QByteArray("12.15 Un quart d'una");
    QTest::newRow("leading blank kept") << " Les dotze i vint" << QByteArray(" Les dotze i vint");
    QTest::newRow("Windows-1252 letters")
        << "Quina hora és? àç·€" << QByteArray("Quina hora \xE9s? \xE0\xE7\xB7\x80");
    QTest::newRow("no byte for it") << "a\u4E00b" << QByteArray("a?b");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("250 characters") << QString(250, u'x') << QByteArray(200, 'x');
}

void TestSpeech::record() {
    QFETCH(QString, text);
    QFETCH(QByteArray, start);
    const QByteArray record = core::speechRecord(text);
    QCOMPARE(record.size(), 200);
    QCOMPARE(record.left(start.size()), start);
    QCOMPARE(record.mid(start.size()), QByteArray(200 - start.size(), ' '));
}

void TestSpeech::newFileIsExactlyOneRecord() {
    QVERIFY(
        core::writeRecord(m_scratch, core::speechRecord(QStringLiteral("12.15 Un quart d'una"))));
    const QByteArray bytes = readAll(m_scratch);
    QCOMPARE(bytes.size(), 200);
    QCOMPARE(bytes, QByteArray("12.15 Un quart d'una") + QByteArray(180, ' '));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(m_scratch).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
}

void TestSpeech::existingLongerFileKeepsItsTail() {
    QFile file(m_scratch);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(300, 'z'));
    file.close();
    QVERIFY(core::writeRecord(m_scratch, core::speechRecord(QStringLiteral("La una"))));
    const QByteArray bytes = readAll(m_scratch);
    QCOMPARE(bytes.size(), 300);
    QCOMPARE(bytes.left(200), QByteArray("La una") + QByteArray(194, ' '));
    QCOMPARE(bytes.mid(200), QByteArray(100, 'z'));
}

void TestSpeech::symbolicLinkIsNotFollowed() {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("precious"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    QVERIFY(QFile::link(target, m_scratch));
    QString error;
    QVERIFY(!core::writeRecord(m_scratch, core::speechRecord(QStringLiteral("La una")), &error));
    QVERIFY(error.contains(m_scratch));
    QCOMPARE(readAll(target), QByteArray("keep me"));
    QFile::remove(m_scratch);
}

void TestSpeech::commandLine_data() {
    QTest::addColumn<int>("volume");
    QTest::newRow("clock windows") << 100;
    QTest::newRow("exercise windows") << 120;
}

void TestSpeech::commandLine() {
    QFETCH(int, volume);
    QTemporaryDir bin;
    writeStandIn(bin.path());
    qputenv("PATH", bin.path().toLocal8Bit());
    core::speak(QStringLiteral(" Les tres"), volume);
    qputenv("PATH", m_path);

    const QString calls = bin.filePath(QStringLiteral("calls"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(calls + QStringLiteral(".done")), 5000);
    const QStringList arguments =
        QString::fromUtf8(readAll(calls)).split(u'\n', Qt::SkipEmptyParts);
    const QStringList expected{"/I:c", "/L:1", QStringLiteral("/V:%1").arg(volume),
                               "/F:" + m_scratch};
    QCOMPARE(arguments, expected);
    QCOMPARE(readAll(m_scratch), QByteArray(" Les tres") + QByteArray(191, ' '));
}

void TestSpeech::missingProgramLeavesCallerUnharmed() {
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    QVERIFY(core::speakerProgram().isEmpty());
    QElapsedTimer clock;
    clock.start();
    core::speak(QStringLiteral("La una"), 100);
    qputenv("PATH", m_path);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(readAll(m_scratch).left(6), QByteArray("La una"));
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
