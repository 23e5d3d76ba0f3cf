#include "activities/activity_window.h"

#include "activities/activity_table.h"

#include <QPixmapCache>

ActivityWindow::ActivityWindow(const QMetaObject& windowClass, core::Seams seams)
    : QWidget(nullptr, Qt::Window), m_seams(std::move(seams)) {
    setAttribute(Qt::WA_DeleteOnClose);
    kit::applyFrame(*this, activityFrame(windowClass.className()));
}

ActivityWindow::~ActivityWindow() {
    // Qt's style keeps its drawings of buttons, frames and scroll bars under
    // the palette's serial number, and a window with a background of its own
    // gets a new palette each time it opens; without this, every opening
    // would leave its drawings behind, up to the cache's 10 MB. Our own
    // pictures are cached elsewhere and stay.
    QPixmapCache::clear();
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
