// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace kit {

// An icon the child clicks to choose something: drawn like a picture box (its
// bitmap over a back colour inside the 2-pixel sunken frame, anchored at the
// inner top-left and cut off at the edge), but a button to the keyboard and to
// screen readers: it takes the focus, Space and Enter press it, and it is
// announced as a button by its accessible name.
class IconButton final : public QAbstractButton {
    Q_OBJECT
public:
    IconButton(QWidget* parent, const QString& name, const QPixmap& bitmap, const QColor& back);

    const QPixmap& bitmap() const { return m_bitmap; }
    QColor backColor() const { return m_backColor; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect inner() const;

    QPixmap m_bitmap;
    QColor m_backColor;
};

} // namespace kit
