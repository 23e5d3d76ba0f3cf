// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <vector>

class QEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;

namespace kit {

// What lets a label or a picture box be pressed. With the mouse: a left press
// and a release inside the widget is one click. Once made a button, the widget
// also takes the focus, Space and Enter press it, a ring marks it while the
// focus did not come from the mouse, and screen readers announce it as a
// button by its accessible name (or, for a label, its text).
class Pressable final {
public:
    explicit Pressable(QWidget& widget);

    bool isButton() const { return m_button; }
    void makeButton();

    // Each returns true when the event pressed the widget.
    void mousePress(const QMouseEvent& event);
    bool mouseRelease(const QMouseEvent& event);
    bool keyPress(const QKeyEvent& event);

    void focusIn(const QFocusEvent& event);
    void focusOut();

    // Draws the focus ring inside area while the widget should show it.
    void paintMark(QPainter& painter, const QRect& area) const;

private:
    void setMarked(bool marked);

    QWidget& m_widget;
    bool m_pressed = false;
    bool m_button = false;
    bool m_marked = false;
};

// The focus ring every control draws: a broad yellow band between two black
// lines, seen on a projector and on each window's background.
void paintFocusRing(QPainter& painter, const QRect& area);

// Lets the arrow keys move the focus between widgets laid out in rows, in
// reading order: Left and Right along a row and on to the next or previous
// one, Up and Down to the nearest place in the row above or below. A widget
// not in the grid, or a hidden one, is never reached.
class ArrowKeyGrid final : public QObject {
    Q_OBJECT
public:
    ArrowKeyGrid(QObject* parent, std::vector<std::vector<QWidget*>> rows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* neighbour(const QWidget* from, int key) const;

    std::vector<std::vector<QWidget*>> m_rows;
};

} // namespace kit
