#include "app/command_line.h"

#include <QtTest>

using app::CommandLine;

class TestCommandLine final : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("asked"); // "help", "version" or empty
    QTest::addColumn<double>("scale");  // 0 when none
    QTest::addColumn<QString>("screenshot");

    const auto row = [](const char* name, QStringList arguments, bool strict, bool ok,
                        QString asked = {}, double scale = 0, QString screenshot = {}) {
        arguments.prepend(QStringLiteral("quirvel-rellotge"));
        QTest::newRow(name) << arguments << strict << ok << asked << scale << screenshot;
    };
    row("nothing", {}, true, true);
    row("--help", {"--help"}, true, true, "help");
    row("-h", {"-h"}, true, true, "help");
    row("--version", {"--version"}, true, true, "version");
    row("-v", {"-v"}, true, true, "version");
    row("help wins over a bad scale", {"--scale", "9", "--help"}, true, true, "help");
    row("--scale 2", {"--scale", "2"}, true, true, {}, 2.0);
    row("--scale=1.5", {"--scale=1.5"}, true, true, {}, 1.5);
    row("decimal comma", {"--scale", "1,5"}, true, true, {}, 1.5);
    row("smallest", {"--scale", "0.5"}, true, true, {}, 0.5);
    row("largest", {"--scale", "4"}, true, true, {}, 4.0);
    row("too small", {"--scale", "0.4"}, true, false);
    row("too large", {"--scale", "4.5"}, true, false);
    row("not a number", {"--scale", "big"}, true, false);
    row("infinite", {"--scale", "inf"}, true, false);
    row("no value", {"--scale"}, true, false);
    row("screenshot", {"--screenshot", "main.png"}, true, true, {}, 0, "main.png");
    row("screenshot without a name", {"--screenshot="}, true, false);
    // Before QApplication has taken out its own options.
    row("Qt's options let through", {"-platform", "offscreen", "--scale", "2"}, false, true, {},
        2.0);
    row("-reverse is not -v", {"-reverse"}, false, true);
    // After it: whatever is left is a mistake.
    row("unknown option", {"--colour"}, true, false);
    row("stray argument", {"clock.txt"}, true, false);
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, strict);
    QFETCH(bool, ok);
    QFETCH(QString, asked);
    QFETCH(double, scale);
    QFETCH(QString, screenshot);

    CommandLine commandLine;
    const bool parsed = commandLine.parse(arguments, strict ? CommandLine::Unknown::Refused
                                                            : CommandLine::Unknown::Allowed);
    QCOMPARE(parsed, ok);
    QCOMPARE(commandLine.error().isEmpty(), ok);
    QCOMPARE(commandLine.help(), asked == u"help");
    QCOMPARE(commandLine.version(), asked == u"version");
    if (ok) {
        QCOMPARE(commandLine.scale().value_or(0), scale);
        QCOMPARE(commandLine.screenshot(), screenshot);
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
