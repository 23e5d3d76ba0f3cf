// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using app::CommandLine;

class TestCommandLine final : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void qtOptionsReachQtAsItReadsThem();
    void program_data();
    void program();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("asked"); // "help", "version" or empty
    QTest::addColumn<double>("scale");  // 0 when none
    QTest::addColumn<QString>("screenshot");

    const auto row = [](const char* name, QStringList arguments, bool ok, QString asked = {},
                        double scale = 0, QString screenshot = {}) {
        arguments.prepend(QStringLiteral("quirvel-rellotge"));
        QTest::newRow(name) << arguments << ok << asked << scale << screenshot;
    };
    row("nothing", {}, true);
    row("--help", {"--help"}, true, "help");
    row("-h", {"-h"}, true, "help");
    row("--version", {"--version"}, true, "version");
    row("-v", {"-v"}, true, "version");
    row("help wins over a bad scale", {"--scale", "9", "--help"}, true, "help");
    row("--scale 2", {"--scale", "2"}, true, {}, 2.0);
    row("--scale=1.5", {"--scale=1.5"}, true, {}, 1.5);
    row("decimal comma", {"--scale", "1,5"}, true, {}, 1.5);
    row("smallest", {"--scale", "0.5"}, true, {}, 0.5);
    row("largest", {"--scale", "4"}, true, {}, 4.0);
    row("too small", {"--scale", "0.4"}, false);
    row("too large", {"--scale", "4.5"}, false);
    row("not a number", {"--scale", "big"}, false);
    row("infinite", {"--scale", "inf"}, false);
    row("no value", {"--scale"}, false);
    row("screenshot", {"--screenshot", "main.png"}, true, {}, 0, "main.png");
    row("screenshot without a name", {"--screenshot="}, false);
    row("Qt's options", {"-platform", "offscreen", "-style=fusion", "--scale", "2"}, true, {}, 2.0);
    row("-reverse is not -v", {"-reverse"}, true);
    row("unknown option", {"--colour"}, false);
    row("stray argument", {"clock.txt"}, false);
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(QString, asked);
    QFETCH(double, scale);
    QFETCH(QString, screenshot);

    CommandLine commandLine;
    QCOMPARE(commandLine.parse(arguments), ok);
    QCOMPARE(commandLine.error().isEmpty(), ok);
    QCOMPARE(commandLine.help(), asked == u"help");
    QCOMPARE(commandLine.version(), asked == u"version");
    if (ok) {
        QCOMPARE(commandLine.scale().value_or(0), scale);
        QCOMPARE(commandLine.screenshot(), screenshot);
    }
}

void TestCommandLine::qtOptionsReachQtAsItReadsThem() {
    // Qt reads "-platform offscreen" but not "-platform=offscreen"; what the
    // display was judged by must be what Qt is given.
    CommandLine commandLine;
    QVERIFY(commandLine.parse(
        {"rellotge", "-platform=offscreen", "--display", ":5", "-reverse", "--scale", "2"}));
    QCOMPARE(commandLine.platform(), "offscreen");
    QCOMPARE(commandLine.display(), ":5");
    const QStringList qt = commandLine.qtArguments();
    QVERIFY2(qt.join(u' ').contains(u"-platform offscreen"), qPrintable(qt.join(u' ')));
    QVERIFY(qt.contains(u"-display") && qt.contains(u"-reverse") && !qt.contains(u"--scale"));
}

// The program itself: its language whatever the locale, and its answer to a
// command line whether or not there is a display.
void TestCommandLine::program_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // NAME=value to set, NAME alone to unset
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // a part of what it prints

    const QStringList noDisplay{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    const QStringList noLocale{"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"};
    QTest::newRow("--help, Catalan locale")
        << QStringList{"--help"} << QStringList{"LANG=ca_ES.UTF-8"} << 0 << "Ús: ";
    QTest::newRow("--help, no locale") << QStringList{"--help"} << noLocale << 0 << "Opcions:";
    QTest::newRow("wrong option, no display")
        << QStringList{"--colour"} << noDisplay << 2 << "Opció «colour» desconeguda";
    QTest::newRow("wrong option, a display")
        << QStringList{"--colour"} << QStringList{"QT_QPA_PLATFORM=offscreen"} << 2 << "--help";
    QTest::newRow("-platform, no display")
        << QStringList{"-platform", "offscreen", "--screenshot", "SHOT"} << noDisplay << 0 << "";
}

void TestCommandLine::program() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, output);

    QTemporaryDir folder;
    const QString shot = folder.filePath(QStringLiteral("main.png"));
    arguments.replaceInStrings(QStringLiteral("SHOT"), shot);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& change : environment) {
        if (const qsizetype equals = change.indexOf(u'='); equals > 0)
            variables.insert(change.left(equals), change.mid(equals + 1));
        else
            variables.remove(change);
    }
    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(qEnvironmentVariable("RELLOTGE_BIN_DIR") + QStringLiteral("/rellotge"),
                  arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString printed = QString::fromUtf8(program.readAll() + program.readAllStandardError());
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(printed.contains(output), qPrintable(printed));
    if (arguments.contains(shot))
        QVERIFY(QFileInfo(shot).size() > 0);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
