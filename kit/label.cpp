#include "kit/label.h"

#include "kit/units.h"

#include <QMouseEvent>

namespace kit {

Label::Label(QWidget& container, const QString& name, const QString& caption)
    : QLabel(caption, &container) {
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

double Label::number() const {
    return captionNumber(text());
}

void Label::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace kit
