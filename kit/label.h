// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/pressable.h"

#include <QLabel>

namespace kit {

// A label: opaque unless transparent, clickable. Labels are
// drawn on their container behind every heavier widget, so a transparent
// label never swallows a click meant for a list or a scroll bar.
class Label final : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QString& caption = {});

    void setTransparent(bool transparent);
    void setColors(const QColor& fore, const QColor& back);

    // Takes the focus, is pressed by Space and Enter and is a button to
    // screen readers (kit/pressable.h).
    void makeButton() { m_press.makeButton(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Pressable m_press{*this};
};

} // namespace kit
