// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/label.h"

#include "kit/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kit {

Label::Label(QWidget* parent, const QString& name, const QString& caption)
    : QLabel(caption, parent) {
    setObjectName(name);
    setAutoFillBackground(true);
    lower();
}

void Label::setTransparent(bool transparent) {
    // A child that fills nothing already shows its container through.
    // WA_TranslucentBackground would add nothing, and on a label placed
    // straight on a window it leaves the whole window black under X11.
    setAutoFillBackground(!transparent);
}

void Label::setColors(const QColor& fore, const QColor& back) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, fore);
    p.setColor(QPalette::Window, back);
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* event) {
    m_press.mousePress(*event);
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_press.mouseRelease(*event);
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void Label::keyPressEvent(QKeyEvent* event) {
    if (m_press.keyPress(*event)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::focusInEvent(QFocusEvent* event) {
    m_press.focusIn(*event);
    QLabel::focusInEvent(event);
}

void Label::focusOutEvent(QFocusEvent* event) {
    m_press.focusOut();
    QLabel::focusOutEvent(event);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        m_press.paintMark(painter, rect());
    }
}

} // namespace kit
