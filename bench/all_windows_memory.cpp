// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of the program with every activity window open at once, each
// opened through the main window's menu, against a bare Qt window. Each is a
// child process that reports its own peak resident size (VmHWM).
//   all_windows_memory [runs]   (default 3; uses $DISPLAY if set, else offscreen)
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSettleMs = 1500;

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Lets every shown window be laid out and painted before the peak is read.
void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSettleMs)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The offscreen platform says for every window that it cannot raise it.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(u"This plugin does not support"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int child(const QString& which) {
    if (which == u"bare") {
        QWidget window;
        window.resize(483, 395);
        window.show();
        settle();
        std::printf("%ld\n", peakKilobytes());
        return 0;
    }
    MainWindow main;
    main.show();
    settle();
    for (QAction* entry : main.findChild<QMenu*>(QStringLiteral("activitiesMenu"))->actions())
        entry->trigger();
    settle();
    std::printf("%ld\n", peakKilobytes());
    // What was open, so a reader can tell a finished window from a bare one.
    QStringList open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != &main)
            open << QStringLiteral("%1: %2 widgets")
                        .arg(window->objectName())
                        .arg(window->findChildren<QWidget*>().size());
    open.sort();
    for (const QString& line : open)
        std::printf("%s\n", qPrintable(line));
    return 0;
}

struct Result {
    long peak;
    QStringList windows;
};

Result measure(const QString& self, const QString& which) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(self, {QStringLiteral("--child"), which});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "all_windows_memory: the %s run failed\n", qPrintable(which));
        std::exit(1);
    }
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(u'\n');
    const long peak = lines.takeFirst().toLong();
    if (peak <= 0) {
        std::fprintf(stderr, "all_windows_memory: no VmHWM from the %s run\n", qPrintable(which));
        std::exit(1);
    }
    return {peak, lines};
}

long median(std::vector<long> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && QByteArray(argv[1]) == "--child") {
        qInstallMessageHandler(quietPlatform);
        QApplication app(argc, argv);
        return child(QString::fromLatin1(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<long> bare, program;
    QStringList windows;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(measure(self, QStringLiteral("bare")).peak);
        const Result all = measure(self, QStringLiteral("program"));
        program.push_back(all.peak);
        windows = all.windows;
    }
    const double b = median(bare) / 1024.0, p = median(program) / 1024.0;
    std::printf("platform: %s, runs: %d\n",
                qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb", runs);
    std::printf("windows open: %lld\n", static_cast<long long>(windows.size()));
    for (const QString& line : windows)
        std::printf("  %s\n", qPrintable(line));
    std::printf("bare Qt window peak:   %.1f MB (median)\n", b);
    std::printf("all windows open peak: %.1f MB (median; target at most 60 MB)\n", p);
    std::printf("above the bare window: %.1f MB\n", p - b);
    return 0;
}
