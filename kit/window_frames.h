#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace kit {

// The program's windows, by what each one is for.
enum class Window {
    Main,        // the menu that opens the others
    LiveClock,   // hands that follow the computer's clock
    Investigate, // a clock beside every phrase
    WhatTime,    // six dials to read
    MoveHands,   // set the hands to the digits
    WriteTime,   // type the phrase for the clock
    MatchTime,   // find the dial for a phrase
    MatchText,   // find the phrase for the digits
};

// Frame properties every window is designed with.
struct WindowFrame {
    Window window;
    const char* objectName;
    QString title;
    QSize clientTwips;
    std::optional<QColor> background; // empty: the platform's dialog face
    const char* icon;                 // picture name, or nullptr for none
    const char* fontFace;             // nullptr: the default window font
    double fontPoints;
    bool fontBold;
};

const WindowFrame& windowFrame(Window window);

// Gives the window its title, fixed client size, background, icon and font.
void applyFrame(QWidget& widget, Window window);

// Where a window of the given outer size sits centred on a screen.
constexpr QPoint centredTopLeft(QSize screen, QSize outer) {
    return QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

// Centres a top-level window on its screen by its outer (framed) size.
void centre(QWidget& window);

// Shows a window modeless; one already open is brought forward and activated.
void showWindow(QWidget& window);

} // namespace kit
