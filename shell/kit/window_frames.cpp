#include "window_frames.h"

#include "fonts.h"
#include "pictures.h"
#include "units.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <array>

namespace kit {

namespace {

const std::array<WindowFrame, 8> kFrames{{
    {FormId::Form4,
     "Form4",
     QStringLiteral("Quirvel'rellotge"),
     {7245, 5925},
     rgb(255, 255, 255),
     "icon_window_a",
     nullptr,
     0,
     false},
    {FormId::Form5,
     "Form5",
     QStringLiteral(" Quina hora és?"),
     {8295, 4950},
     std::nullopt,
     "icon_window_b",
     nullptr,
     0,
     false},
    {FormId::Form3,
     "Form3",
     QStringLiteral("Investiga"),
     {11910, 7035},
     rgb(64, 64, 64),
     "icon_window_b",
     nullptr,
     0,
     false},
    {FormId::Form2,
     "Form2",
     QStringLiteral(" Quina hora és?"),
     {8550, 5490},
     std::nullopt,
     "icon_window_b",
     nullptr,
     0,
     false},
    {FormId::Form8,
     "Form8",
     QStringLiteral("Mou les agulles..."),
     {5790, 5535},
     rgb(128, 128, 128),
     "icon_window_c",
     nullptr,
     0,
     false},
    {FormId::Form1,
     "Form1",
     QStringLiteral("Escriu la hora"),
     {9660, 5655},
     rgb(0, 0, 0),
     "icon_window_c",
     "Courier New",
     21.75,
     true},
    {FormId::Form7,
     "Form7",
     QStringLiteral("Relaciona hora i rellotge"),
     {7065, 4650},
     rgb(255, 128, 0),
     nullptr,
     nullptr,
     0,
     false},
    {FormId::Form6,
     "Form6",
     QStringLiteral("Relacionem un text amb..."),
     {8460, 5370},
     rgb(255, 128, 0),
     nullptr,
     "MS Sans Serif",
     8.25,
     true},
}};

} // namespace

const WindowFrame& windowFrame(FormId id) {
    for (const WindowFrame& frame : kFrames)
        if (frame.id == id)
            return frame;
    Q_UNREACHABLE();
}

void applyFrame(QWidget& window, FormId id) {
    const WindowFrame& frame = windowFrame(id);
    window.setObjectName(QString::fromLatin1(frame.name));
    window.setWindowTitle(frame.title);
    // A main window's client area is its central widget, below the menu bar.
    QWidget* client = &window;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        client = new QWidget(main);
        client->setObjectName(QStringLiteral("client"));
        main->setCentralWidget(client);
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    client->setFixedSize(px(frame.clientTwips.width()), px(frame.clientTwips.height()));
    if (frame.background) {
        QPalette palette = client->palette();
        palette.setColor(QPalette::Window, *frame.background);
        client->setPalette(palette);
        client->setAutoFillBackground(true);
    }
    if (frame.icon)
        window.setWindowIcon(QIcon(picture(QString::fromLatin1(frame.icon))));
    if (frame.fontFace)
        window.setFont(font(QString::fromLatin1(frame.fontFace), frame.fontPoints, frame.fontBold));
}

void centre(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Before the first show the frame is unknown; the client size stands in.
    const QSize outer = window.isVisible() ? window.frameGeometry().size() : window.size();
    const QRect area = screen->geometry();
    window.move(area.topLeft() + centredTopLeft(area.size(), outer));
}

void showWindow(QWidget& window) {
    if (window.isVisible()) {
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
        return;
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace kit
