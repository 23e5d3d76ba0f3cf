#pragma once

#include <QLabel>

namespace kit {

// A label: opaque unless transparent, clickable. Labels are
// drawn on their container behind every heavier widget, so a transparent
// label never swallows a click meant for a list or a scroll bar.
class Label final : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget& container, const QString& name, const QString& caption = {});

    void setTransparent(bool transparent);
    void setColors(const QColor& fore, const QColor& back);

    // The caption read back as a number, the way the windows keep state.
    double number() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace kit
