// SPDX-License-Identifier: GPL-3.0-or-later
// The baselines: a bare Qt window of the main window's size, shown and gone;
// with --menu, the same window with a menu bar of the same entries, which
// pays the one-time font set-up that any window with text pays.
#include "bench/window_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(483, 414);
    if (argc > 1 && QByteArray(argv[1]) == "--menu") {
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Opcions de programa"));
        for (const char* entry :
             {"Rellotge principal", "Investiga", "Quina hora és?", "Mou les agulles",
              "Escriu la hora", "Relaciona hora-rellotge", "Relaciona text-rellotge"})
            menu->addAction(QString::fromUtf8(entry));
        window.menuBar()->addAction(QStringLiteral("Mireu-me"));
    }
    ExitWhenExposed probe(window);
    window.show();
    return QApplication::exec();
}
