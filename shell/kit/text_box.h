#pragma once

#include <QLineEdit>

namespace kit {

// A single-line text box that reports key releases with Windows key codes
// (Enter is 13), which is what the exercises check.
class TextBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent, const QString& name);

    void setColors(const QColor& text, const QColor& back);

    static constexpr int kEnter = 13;

signals:
    void KeyUp(int keyCode, Qt::KeyboardModifiers shift);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace kit
