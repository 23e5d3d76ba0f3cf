// SPDX-License-Identifier: GPL-3.0-or-later
// Opens and closes every activity window many times through the main
// window's menu and reports the resident memory along the way, so that a
// window which leaves something behind at each close shows up as growth.
//   soak [cycles]      (default 300; run under Xvfb, or offscreen without DISPLAY)
#include "activities/real_seams.h"
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Resident set size in kB, from the kernel's own account.
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

core::Seams silentSeams() {
    core::Seams seams = realSeams();
    seams.speak = [](const QString&, int) {};
    seams.message = [](const QString&, const QString&) {};
    return seams;
}

// One cycle: choose the entry, let the window show and paint, close it and
// let Qt delete it.
void openAndClose(MainWindow& main, QAction& entry) {
    const QWidgetList before = QApplication::topLevelWidgets();
    entry.trigger();
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &main && !before.contains(window) && window->isVisible()) {
            window->repaint();
            window->close();
        }
    }
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(3, std::atoi(argv[1])) : 300;
    MainWindow main(silentSeams);
    main.show();
    QApplication::processEvents();

    std::printf("resident memory in MB after n open/close cycles of each window\n");
    std::printf("%-26s %8s %8s", "window", "n=0", "n=1");
    for (int n = 100; n <= cycles; n += 100)
        std::printf(" %8s", qPrintable(QStringLiteral("n=%1").arg(n)));
    std::printf(" %14s\n", "growth/100");
    for (QAction* entry : main.findChild<QMenu*>(QStringLiteral("activitiesMenu"))->actions()) {
        std::vector<long> at;
        at.push_back(residentKb());
        for (int n = 1; n <= cycles; ++n) {
            openAndClose(main, *entry);
            if (n == 1 || n % 100 == 0)
                at.push_back(residentKb());
        }
        const auto mb = [](long kb) { return kb / 1024.0; };
        double worst = 0;
        for (std::size_t i = 2; i < at.size(); ++i)
            worst = std::max(worst, mb(at[i] - at[i - 1]) * 100.0 / (i == 2 ? 99 : 100));
        std::printf("%-26s", qPrintable(entry->text()));
        for (long kb : at)
            std::printf(" %8.1f", mb(kb));
        std::printf(" %14.2f\n", worst);
        std::fflush(stdout);
    }
    return 0;
}
