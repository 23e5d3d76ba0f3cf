#include "app/command_line.h"
#include "app/main_window.h"
#include "core/speech.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#ifndef RELLOTGE_VERSION
#define RELLOTGE_VERSION "0"
#endif
#ifndef RELLOTGE_APP_ID
#define RELLOTGE_APP_ID "io.github.quirvel.Rellotge"
#endif

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitUsage = 2;

// Qt aborts with a long message when there is no display; say it plainly.
bool haveDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int usageError(const char* program, const QString& error) {
    print(stderr,
          QStringLiteral("%1: %2 (see %1 --help)\n").arg(QFileInfo(program).fileName(), error));
    return kExitUsage;
}

// Neither needs a display: a console application is enough to know where the
// program runs from, so --version can say which speech program it would use.
int answerOnConsole(int argc, char* argv[], const app::CommandLine& commandLine) {
    const QCoreApplication console(argc, argv);
    if (commandLine.help()) {
        print(stdout, commandLine.helpText());
        return 0;
    }
    const QString speaker = core::speakerProgram();
    print(stdout,
          QStringLiteral("%1 %2\nPrograma de veu: %3\n")
              .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                   speaker.isEmpty() ? QStringLiteral("cap (no s'ha trobat sv)") : speaker));
    return 0;
}

void saveScreenshotAndQuit(QWidget& window, const QString& path) {
    QTimer::singleShot(0, &window, [&window, path] {
        if (!window.grab().save(path, "PNG")) {
            print(stderr, QStringLiteral("%1: cannot write the screenshot to %2\n")
                              .arg(QCoreApplication::applicationName(), path));
            QCoreApplication::exit(1);
            return;
        }
        QCoreApplication::quit();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("quirvel-rellotge"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RELLOTGE_VERSION));

    // First reading, before Qt starts: --help and --version work on a bare
    // console, and the scale must be known before the first window exists.
    app::CommandLine commandLine;
    const bool understood =
        commandLine.parse(argumentList(argc, argv), app::CommandLine::Unknown::Allowed);
    if (commandLine.help() || commandLine.version())
        return answerOnConsole(argc, argv, commandLine);
    if (!understood)
        return usageError(argv[0], commandLine.error());

    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "%s: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                     "set); start it from a desktop session, or without a screen: xvfb-run %s\n",
                     qPrintable(QFileInfo(argv[0]).fileName()), argv[0]);
        return kExitNoDisplay;
    }
    if (const auto scale = commandLine.scale())
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(RELLOTGE_APP_ID));
    // Second reading: Qt has taken out its own options, so what is left must
    // be ours.
    if (!commandLine.parse(QCoreApplication::arguments(), app::CommandLine::Unknown::Refused))
        return usageError(argv[0], commandLine.error());

    MainWindow window;
    window.show();
    if (!commandLine.screenshot().isEmpty())
        saveScreenshotAndQuit(window, commandLine.screenshot());
    return QApplication::exec();
}
