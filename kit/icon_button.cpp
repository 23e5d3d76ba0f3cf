// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/icon_button.h"

#include "kit/pressable.h"
#include "kit/units.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace kit {

namespace {

constexpr int kBorder = kFrameWidth;

} // namespace

IconButton::IconButton(QWidget* parent, const QString& name, const QPixmap& bitmap,
                       const QColor& back)
    : QAbstractButton(parent), m_bitmap(bitmap), m_backColor(back) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect IconButton::inner() const {
    return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

void IconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = inner();
    painter.fillRect(area, m_backColor);
    painter.setClipRect(area);
    painter.drawPixmap(area.topLeft(), m_bitmap);
    painter.setClipping(false);
    qDrawWinPanel(&painter, rect(), palette(), true);
    // Once the keyboard has moved the focus, the icon Space would press is
    // ringed; clicks with the mouse leave the icons as they are.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        paintFocusRing(painter, rect());
}

void IconButton::keyPressEvent(QKeyEvent* event) {
    // Space is the button's own key; Enter presses it too, as a child expects.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace kit
