// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speech.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Copy {
    Beside = 1,
    Installed = 2,
    OnPath = 4,
    BesideNotExecutable = 8,
    OthersOnPath = 16,
    OthersBeside = 32,
};

// A stand-in that answers --version as ours does, or as another program of
// the same name would.
void makeProgram(const QString& path, bool executable, bool ours = true) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.write(ours ? "echo 'sv (quirvel-rellotge) 0.1'\n" : "echo 'usage: sv command service'\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

} // namespace

class TestSpeakerLookup final : public QObject {
    Q_OBJECT
private slots:
    void init() { m_path = qgetenv("PATH"); }
    void cleanup() { qputenv("PATH", m_path); }
    void order_data();
    void order();
    void realSpeakerOnPathIsOurs();

private:
    QByteArray m_path;
};

void TestSpeakerLookup::order_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("found"); // "beside", "installed", "path" or empty

    QTest::newRow("build tree: ours beside") << (Beside | OnPath) << "beside";
    QTest::newRow("installed tree: our own in libexec first")
        << (Beside | Installed | OnPath) << "installed";
    QTest::newRow("installed tree: libexec before PATH") << (Installed | OnPath) << "installed";
    QTest::newRow("libexec alone") << int(Installed) << "installed";
    QTest::newRow("only on the PATH") << int(OnPath) << "path";
    QTest::newRow("a file beside that cannot run") << (BesideNotExecutable | OnPath) << "path";
    // runit's sv in /usr/bin beside /usr/bin/quirvel-rellotge.
    QTest::newRow("someone else's sv beside an installed program")
        << (OthersBeside | Installed) << "installed";
    QTest::newRow("someone else's sv beside, ours on the PATH")
        << (OthersBeside | OnPath) << "path";
    QTest::newRow("someone else's sv on the PATH") << int(OthersOnPath) << "";
    QTest::newRow("nowhere") << 0 << "";
}

void TestSpeakerLookup::order() {
    QFETCH(int, copies);
    QFETCH(QString, found);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString paths[] = {
        bin + QStringLiteral("/sv"),
        QDir::cleanPath(bin + u'/' + core::installedSpeakerFolder() + QStringLiteral("/sv")),
        root.filePath(QStringLiteral("path/sv")),
    };
    if (copies & (Beside | BesideNotExecutable | OthersBeside))
        makeProgram(paths[0], !(copies & BesideNotExecutable), !(copies & OthersBeside));
    if (copies & Installed)
        makeProgram(paths[1], true);
    if (copies & (OnPath | OthersOnPath))
        makeProgram(paths[2], true, copies & OnPath);
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("path"))));
    qputenv("PATH", root.filePath(QStringLiteral("path")).toLocal8Bit());

    QString expected;
    if (found == u"beside")
        expected = paths[0];
    else if (found == u"installed")
        expected = paths[1];
    else if (found == u"path")
        expected = paths[2];
    QCOMPARE(core::findSpeakerProgram(bin), expected);
}

void TestSpeakerLookup::realSpeakerOnPathIsOurs() {
    // The built sv answers --version the way the lookup expects of ours.
    const QString bin = qEnvironmentVariable("RELLOTGE_BIN_DIR");
    QVERIFY(QFileInfo(bin + QStringLiteral("/sv")).isExecutable());
    qputenv("PATH", bin.toLocal8Bit());
    QTemporaryDir elsewhere;
    QCOMPARE(core::findSpeakerProgram(elsewhere.path()), bin + QStringLiteral("/sv"));
}

QTEST_GUILESS_MAIN(TestSpeakerLookup)
#include "test_speaker_lookup.moc"
