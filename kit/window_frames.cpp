// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace kit {

void applyFrame(QWidget& widget, const WindowFrame& frame) {
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
