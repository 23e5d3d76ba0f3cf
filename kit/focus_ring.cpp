// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/focus_ring.h"

#include "kit/pressable.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace kit {

OutsideFocusRing::OutsideFocusRing(std::vector<QWidget*> controls, int margin)
    : QWidget(controls.empty() ? nullptr : controls.front()->parentWidget()), m_margin(margin) {
    setObjectName(QStringLiteral("outsideFocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (QWidget* control : controls)
        control->installEventFilter(this);
}

bool OutsideFocusRing::eventFilter(QObject* watched, QEvent* event) {
    auto& control = static_cast<QWidget&>(*watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        ringAround(control); // whatever the key, the child is on the keyboard now
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        const bool plain =
            key.modifiers() == Qt::NoModifier || key.modifiers() == Qt::KeypadModifier;
        if (auto* button = qobject_cast<QAbstractButton*>(&control);
            button && enter && plain && !key.isAutoRepeat()) {
            button->click();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (static_cast<const QFocusEvent&>(*event).reason() != Qt::MouseFocusReason)
            ringAround(control);
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        hide();
        break;
    default:
        break;
    }
    return false;
}

void OutsideFocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFocusRing(painter, rect());
}

void OutsideFocusRing::ringAround(QWidget& control) {
    if (control.parentWidget() != parentWidget())
        setParent(control.parentWidget());
    setGeometry(control.geometry().adjusted(-m_margin, -m_margin, m_margin, m_margin));
    raise();
    show();
}

} // namespace kit
