// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/real_seams.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

class ActivityWindow;

// The main window: an empty white area under the menu that opens the
// activities, one window each. A window is built on first use and again
// after it was closed; while open, a second choice only brings it forward.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::function<core::Seams()> makeSeams = realSeams);

private:
    void openActivity(std::size_t index);

    std::function<core::Seams()> m_makeSeams;
    std::vector<QPointer<ActivityWindow>> m_windows; // by row of the activity table
};
