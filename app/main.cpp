// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/main_window.h"
#include "core/speech.h"
#include "generated/build_info.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitUsage = 2;

// Qt aborts with a long message when there is no display; say it plainly.
// Qt's own -platform and -display count as much as the environment does.
bool haveDisplay(const app::CommandLine& commandLine) {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY") ||
           !commandLine.platform().isEmpty() || !commandLine.display().isEmpty();
}

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The name the program was started by, for its messages.
QString programName(const QStringList& arguments) {
    return arguments.isEmpty() ? QCoreApplication::applicationName()
                               : QFileInfo(arguments.constFirst()).fileName();
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The program speaks Catalan whatever the locale, so Qt's own texts (the
// answer box's context menu, the message box's button, --help's headings)
// are loaded in Catalan always.
void loadQtCatalan(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_ca"), folder)) {
        QCoreApplication::installTranslator(translator);
        return;
    }
    print(stderr, QStringLiteral("%1: falta la traducció catalana de Qt (qtbase_ca.qm a %2): "
                                 "alguns textos sortiran en anglès\n")
                      .arg(QCoreApplication::applicationName(), folder));
}

// --help, --version and a wrong command line need no display: a console
// application is enough to load Qt's Catalan and to know where the program
// runs from, so that --version can say which speech program it would use.
int answerOnConsole(int argc, char* argv[], app::CommandLine& commandLine,
                    const QStringList& arguments) {
    QCoreApplication console(argc, argv);
    loadQtCatalan(console);
    // Again, now that Qt's messages about it come out in Catalan.
    commandLine.parse(arguments);
    if (commandLine.help()) {
        print(stdout, commandLine.helpText());
        return 0;
    }
    if (commandLine.version()) {
        const QString speaker = core::speakerProgram();
        print(stdout,
              QStringLiteral("%1 %2\nPrograma de veu: %3\n")
                  .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                       speaker.isEmpty() ? QStringLiteral("cap (no s'ha trobat sv)") : speaker));
        return 0;
    }
    print(stderr, QStringLiteral("%1: %2 (vegeu %1 --help)\n")
                      .arg(programName(arguments), commandLine.error()));
    return kExitUsage;
}

void saveScreenshotAndQuit(QWidget& window, const QString& path) {
    QTimer::singleShot(0, &window, [&window, path] {
        if (!window.grab().save(path, "PNG")) {
            print(stderr, QStringLiteral("%1: no s'ha pogut desar la captura a %2\n")
                              .arg(QCoreApplication::applicationName(), path));
            QCoreApplication::exit(1);
            return;
        }
        QCoreApplication::quit();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QString::fromUtf8(build_info::kProgramName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(build_info::kVersion));

    // The whole command line, Qt's options included, is judged before any
    // application object exists: a wrong one is refused alike with or without
    // a display, and the scale must be known before the first window.
    const QStringList arguments = argumentList(argc, argv);
    app::CommandLine commandLine;
    if (!commandLine.parse(arguments) || commandLine.help() || commandLine.version())
        return answerOnConsole(argc, argv, commandLine, arguments);

    if (!haveDisplay(commandLine)) {
        print(stderr, QStringLiteral("%1: no hi ha cap pantalla on obrir la finestra (no hi ha "
                                     "DISPLAY ni WAYLAND_DISPLAY); obriu-lo des d'una sessió "
                                     "d'escriptori o, sense pantalla, amb: xvfb-run %2\n")
                          .arg(programName(arguments),
                               arguments.value(0, QCoreApplication::applicationName())));
        return kExitNoDisplay;
    }
    if (const auto scale = commandLine.scale())
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));

    // Qt gets its options in the form it understands, so that it honours
    // exactly what the display was judged by.
    std::vector<QByteArray> qtWords{arguments.value(0).toLocal8Bit()};
    for (const QString& word : commandLine.qtArguments())
        qtWords.push_back(word.toLocal8Bit());
    std::vector<char*> qtArgv;
    for (QByteArray& word : qtWords)
        qtArgv.push_back(word.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtWords.size());

    QApplication app(qtArgc, qtArgv.data());
    loadQtCatalan(app);
    QGuiApplication::setDesktopFileName(QString::fromUtf8(build_info::kAppId));

    MainWindow window;
    window.show();
    if (!commandLine.screenshot().isEmpty())
        saveScreenshotAndQuit(window, commandLine.screenshot());
    return QApplication::exec();
}
