// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_window.h"

#include "activities/activity_table.h"
#include "kit/steady_style.h"

ActivityWindow::ActivityWindow(const QMetaObject& windowClass, core::Seams seams)
    : QWidget(nullptr, Qt::Window), m_seams(std::move(seams)) {
    // Our windows give their widgets colours of their own, which without it
    // would fill the style's pixmap cache anew at every opening.
    kit::useSteadyPaletteStyle();
    setAttribute(Qt::WA_DeleteOnClose);
    kit::applyFrame(*this, activityFrame(windowClass.className()));
}

int ActivityWindow::draw(int choices) const {
    return static_cast<int>(m_seams.random() * choices);
}

void ActivityWindow::speak(const QString& text, int volume) const {
    if (m_seams.speak)
        m_seams.speak(text, volume);
}

void ActivityWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window centred itself by its client size when it was built; once
    // shown its frame is known, and the outer size is what centring goes by.
    if (!m_shown) {
        m_shown = true;
        kit::centre(*this);
    }
}
