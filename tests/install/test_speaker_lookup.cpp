#include "core/speech.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Copy { Beside = 1, Installed = 2, OnPath = 4, BesideNotExecutable = 8 };

void makeProgram(const QString& path, bool executable) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
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

private:
    QByteArray m_path;
};

void TestSpeakerLookup::order_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("found"); // "beside", "installed", "path" or empty

    QTest::newRow("build tree: beside wins") << (Beside | Installed | OnPath) << "beside";
    QTest::newRow("installed tree: libexec before PATH") << (Installed | OnPath) << "installed";
    QTest::newRow("libexec alone") << int(Installed) << "installed";
    QTest::newRow("only on the PATH") << int(OnPath) << "path";
    QTest::newRow("a file beside that cannot run")
        << (BesideNotExecutable | Installed) << "installed";
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
    if (copies & (Beside | BesideNotExecutable))
        makeProgram(paths[0], copies & Beside);
    if (copies & Installed)
        makeProgram(paths[1], true);
    if (copies & OnPath)
        makeProgram(paths[2], true);
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

QTEST_GUILESS_MAIN(TestSpeakerLookup)
#include "test_speaker_lookup.moc"
