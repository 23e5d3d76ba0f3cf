#include "kit/window_frames.h"

#include "kit/fonts.h"
#include "kit/pictures.h"
#include "kit/units.h"

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
    {Window::Main,
     "MainWindow",
     QStringLiteral("Quirvel'rellotge"),
     {7245, 5925},
     rgb(255, 255, 255),
     "icon_window_a",
     nullptr,
     0,
     false},
    {Window::LiveClock,
     "LiveClockWindow",
     QStringLiteral(" Quina hora és?"),
     {8295, 4950},
     std::nullopt,
     "icon_window_b",
     nullptr,
     0,
     false},
    {Window::Investigate,
     "InvestigateWindow",
     QStringLiteral("Investiga"),
     {11910, 7035},
     rgb(64, 64, 64),
     "icon_window_b",
     nullptr,
     0,
     false},
    {Window::WhatTime,
     "WhatTimeWindow",
     QStringLiteral(" Quina hora és?"),
     {8550, 5490},
     std::nullopt,
     "icon_window_b",
     nullptr,
     0,
     false},
    {Window::MoveHands,
     "MoveHandsWindow",
     QStringLiteral("Mou les agulles..."),
     {5790, 5535},
     rgb(128, 128, 128),
     "icon_window_c",
     nullptr,
     0,
     false},
    {Window::WriteTime,
     "WriteTimeWindow",
     QStringLiteral("Escriu la hora"),
     {9660, 5655},
     rgb(0, 0, 0),
     "icon_window_c",
     "Courier New",
     21.75,
     true},
    {Window::MatchTime,
     "MatchTimeWindow",
     QStringLiteral("Relaciona hora i rellotge"),
     {7065, 4650},
     rgb(255, 128, 0),
     nullptr,
     nullptr,
     0,
     false},
    {Window::MatchText,
     "MatchTextWindow",
     QStringLiteral("Relacionem un text amb..."),
     {8460, 5370},
     rgb(255, 128, 0),
     nullptr,
     "MS Sans Serif",
     8.25,
     true},
}};

} // namespace

const WindowFrame& windowFrame(Window window) {
    for (const WindowFrame& frame : kFrames)
        if (frame.window == window)
            return frame;
    Q_UNREACHABLE();
}

void applyFrame(QWidget& widget, Window window) {
    const WindowFrame& frame = windowFrame(window);
    widget.setObjectName(QString::fromLatin1(frame.objectName));
    widget.setWindowTitle(frame.title);
    // A main window's client area is its central widget, below the menu bar.
    QWidget* client = &widget;
    if (auto* main = qobject_cast<QMainWindow*>(&widget)) {
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
        widget.setWindowIcon(QIcon(picture(QString::fromLatin1(frame.icon))));
    if (frame.fontFace)
        widget.setFont(font(QString::fromLatin1(frame.fontFace), frame.fontPoints, frame.fontBold));
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
