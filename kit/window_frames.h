// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace kit {

// Frame properties every window is designed with.
struct WindowFrame {
    const char* objectName;
    QString title;
    QSize clientTwips;
    std::optional<QColor> background; // empty: the platform's dialog face
    const char* icon;                 // picture name, or nullptr for none
    const char* fontFace;             // nullptr: the default window font
    double fontPoints;
    bool fontBold;
};

// Gives the window its name, title, fixed client size, background, icon and
// font.
void applyFrame(QWidget& widget, const WindowFrame& frame);

// Where a window of the given outer size sits centred on a screen.
constexpr QPoint centredTopLeft(QSize screen, QSize outer) {
    return QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

// Centres a top-level window on its screen by its outer (framed) size.
void centre(QWidget& window);

// Shows a window modeless; one already open is brought forward and activated.
void showWindow(QWidget& window);

} // namespace kit
