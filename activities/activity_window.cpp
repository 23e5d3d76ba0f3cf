#include "activity_window.h"

ActivityWindow::ActivityWindow(kit::FormId id, core::Seams seams)
    : QWidget(nullptr, Qt::Window), m_seams(std::move(seams)) {
    setAttribute(Qt::WA_DeleteOnClose);
    kit::applyFrame(*this, id);
}

void ActivityWindow::speak(const QString& text, int volume) const {
    if (m_seams.speak)
        m_seams.speak(text, volume);
}

void ActivityWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The load handler centred the window by its client size; once shown its
    // frame is known, and the outer size is what centring goes by.
    if (!m_shown) {
        m_shown = true;
        kit::centre(*this);
    }
}
