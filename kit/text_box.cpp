// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/text_box.h"

#include <QKeyEvent>

namespace kit {

TextBox::TextBox(QWidget* parent, const QString& name) : QLineEdit(parent) {
    setObjectName(name);
}

void TextBox::setColors(const QColor& text, const QColor& back) {
    QPalette p = palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, back);
    setPalette(p);
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    // A held key reports a release with each repeat too, so every letter it
    // types is checked the moment it appears.
    emit keyReleased(event->key(), event->modifiers());
}

} // namespace kit
