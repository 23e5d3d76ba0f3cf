// SPDX-License-Identifier: GPL-3.0-or-later
// CPU used while the main clock window stays open, against a bare window
// with a 1 ms timer, in the same run. Each is a child process that reports
// its own user + system time.
//   clock_cpu [seconds]        (default 20; uses $DISPLAY if set, else offscreen)
#include "activities/live_clock_window.h"
#include "activities/real_seams.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int child(const QString& which, int seconds) {
    QWidget* window = nullptr;
    QTimer poll;
    if (which == u"clock") {
        window = new LiveClockWindow(realSeams());
    } else {
        window = new QWidget;
        window->resize(553, 330);
        poll.setTimerType(Qt::PreciseTimer);
        poll.start(1);
    }
    window->show();
    // Count from one second after showing, when the first paint (pictures,
    // fonts) is behind both windows; what is left is the steady cost.
    double start = 0;
    QTimer::singleShot(1000, [&] {
        start = cpuSeconds();
        QTimer::singleShot(seconds * 1000, [&] {
            std::printf("%.6f\n", cpuSeconds() - start);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
    const int code = QApplication::exec();
    delete window;
    return code;
}

double measure(const QString& self, const QString& which, int seconds) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(self, {QStringLiteral("--child"), which, QString::number(seconds)});
    if (!process.waitForFinished((seconds + 31) * 1000) || process.exitCode() != 0) {
        std::fprintf(stderr, "clock_cpu: the %s window did not run\n", qPrintable(which));
        std::exit(1);
    }
    return process.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        QApplication app(argc, argv);
        return child(QString::fromLatin1(argv[2]), std::atoi(argv[3]));
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const double timer = measure(self, QStringLiteral("timer"), seconds);
    const double clock = measure(self, QStringLiteral("clock"), seconds);
    const auto percent = [seconds](double cpu) { return 100.0 * cpu / seconds; };
    std::printf("over %d s, %s\n", seconds,
                qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    std::printf("bare window, 1 ms timer: %.3f%% of a core\n", percent(timer));
    std::printf("main clock window:       %.3f%% of a core\n", percent(clock));
    std::printf("ratio:                   %.3f (targets: under 0.5%%, under 0.1 of the timer)\n",
                clock / timer);
    return 0;
}
