// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace kit {

// A single-line text box that reports every key release, also of keys that
// insert nothing (arrows, Shift, F1): the exercises check the text on each.
class TextBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent, const QString& name);

    void setColors(const QColor& text, const QColor& back);

signals:
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace kit
