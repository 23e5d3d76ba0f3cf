#pragma once

#include "seams.h"
#include "window_frames.h"

#include <QWidget>

// What every activity window shares: its frame from the window table, the
// seams it talks to the world through, and closing that discards it.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    ActivityWindow(kit::FormId id, core::Seams seams);

protected:
    void showEvent(QShowEvent* event) override;

    const core::Seams& seams() const { return m_seams; }

    // Speaks a caption through the window's speech seam.
    void speak(const QString& text, int volume) const;

private:
    core::Seams m_seams;
    bool m_shown = false;
};
