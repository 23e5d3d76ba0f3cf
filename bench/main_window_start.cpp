// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, up to the main window being shown.
#include "app/main_window.h"
#include "bench/window_probe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    MainWindow window;
    ExitWhenExposed probe(window);
    window.show();
    return QApplication::exec();
}
