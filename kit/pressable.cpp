// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/pressable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kit {

namespace {

constexpr char kButtonProperty[] = "kitPressableButton";

bool isPressKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier;
    default:
        return false;
    }
}

// A label or picture box made a button, as a screen reader sees it: role
// button, named by its accessible name or its text, with a press action.
class PressableAccessible final : public QAccessibleWidget {
public:
    explicit PressableAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked");
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* pressableFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kButtonProperty).toBool())
        return new PressableAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

Pressable::Pressable(QWidget& widget) : m_widget(widget) {}

void Pressable::makeButton() {
    static const bool factoryInstalled = (QAccessible::installFactory(pressableFactory), true);
    Q_UNUSED(factoryInstalled);
    m_button = true;
    m_widget.setProperty(kButtonProperty, true);
    m_widget.setFocusPolicy(Qt::StrongFocus);
    // A name given before this made the widget's screen-reader face already,
    // as a plain widget; drop it so the next look finds a button.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&m_widget);
    if (face && face->role() != QAccessible::Button)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

void Pressable::mousePress(const QMouseEvent& event) {
    m_pressed = event.button() == Qt::LeftButton;
}

bool Pressable::mouseRelease(const QMouseEvent& event) {
    const bool click = m_pressed && event.button() == Qt::LeftButton &&
                       m_widget.rect().contains(event.position().toPoint());
    m_pressed = false;
    return click;
}

bool Pressable::keyPress(const QKeyEvent& event) {
    if (!m_button)
        return false;
    setMarked(true); // whatever the key, the child is on the keyboard now
    return isPressKey(event) && !event.isAutoRepeat();
}

void Pressable::focusIn(const QFocusEvent& event) {
    setMarked(m_button && event.reason() != Qt::MouseFocusReason);
}

void Pressable::focusOut() {
    setMarked(false);
}

void Pressable::setMarked(bool marked) {
    if (m_marked == marked)
        return;
    m_marked = marked;
    m_widget.update();
}

void Pressable::paintMark(QPainter& painter, const QRect& area) const {
    if (m_marked && m_widget.hasFocus())
        paintFocusRing(painter, area);
}

void paintFocusRing(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.drawRect(area.adjusted(5, 5, -6, -6));
    painter.setPen(QPen(QColor(255, 221, 0), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(area).adjusted(3, 3, -3, -3));
    painter.restore();
}

ArrowKeyGrid::ArrowKeyGrid(QObject* parent, std::vector<std::vector<QWidget*>> rows)
    : QObject(parent), m_rows(std::move(rows)) {
    for (const auto& row : m_rows)
        for (QWidget* widget : row)
            widget->installEventFilter(this);
}

QWidget* ArrowKeyGrid::neighbour(const QWidget* from, int key) const {
    // Reading order: each row left to right, rows top to bottom.
    int row = -1, column = -1;
    for (int r = 0; r < int(m_rows.size()); ++r) {
        for (int c = 0; c < int(m_rows[r].size()); ++c) {
            if (m_rows[r][c] == from) {
                row = r;
                column = c;
            }
        }
    }
    if (row < 0)
        return nullptr;
    auto usable = [](const QWidget* w) { return w->isVisible() && w->isEnabled(); };
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = key == Qt::Key_Right ? 1 : -1;
        int r = row, c = column + step;
        while (r >= 0 && r < int(m_rows.size())) {
            while (c >= 0 && c < int(m_rows[r].size())) {
                if (usable(m_rows[r][c]))
                    return m_rows[r][c];
                c += step;
            }
            r += step;
            if (r >= 0 && r < int(m_rows.size()))
                c = step > 0 ? 0 : int(m_rows[r].size()) - 1;
        }
        return nullptr;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Down ? 1 : -1;
        for (int r = row + step; r >= 0 && r < int(m_rows.size()); r += step) {
            const auto& line = m_rows[r];
            if (line.empty())
                continue;
            const int c = std::min(column, int(line.size()) - 1);
            if (usable(line[c]))
                return line[c];
        }
        return nullptr;
    }
    default:
        return nullptr;
    }
}

bool ArrowKeyGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier)
        return false;
    const int code = key.key();
    if (code != Qt::Key_Left && code != Qt::Key_Right && code != Qt::Key_Up && code != Qt::Key_Down)
        return false;
    if (QWidget* next = neighbour(static_cast<QWidget*>(watched), code))
        next->setFocus(Qt::TabFocusReason);
    return true; // an arrow at the edge of the grid goes nowhere
}

} // namespace kit
