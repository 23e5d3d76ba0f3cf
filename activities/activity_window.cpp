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
