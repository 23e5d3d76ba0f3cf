// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/seams.h"
#include "kit/window_frames.h"

#include <QWidget>

// What every activity window shares: its frame from the table of activities,
// the seams it talks to the world through, and closing that discards it.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    // windowClass: the derived class, whose name finds its frame.
    ActivityWindow(const QMetaObject& windowClass, core::Seams seams);

protected:
    void showEvent(QShowEvent* event) override;

    const core::Seams& seams() const { return m_seams; }

    // One uniform draw over `choices` values, 0 to choices - 1: the whole part
    // of a random number in [0, 1) times the count.
    int draw(int choices) const;

    // Speaks a text through the window's speech seam.
    void speak(const QString& text, int volume) const;

private:
    core::Seams m_seams;
    bool m_shown = false;
};
