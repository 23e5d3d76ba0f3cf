// The program's own start-up, up to the main window being shown.
#include "main_window.h"
#include "window_probe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Form4 window;
    ExitWhenExposed probe(window);
    window.show();
    return QApplication::exec();
}
