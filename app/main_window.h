#pragma once

#include "activities/real_seams.h"
#include "core/seams.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class InvestigateWindow;
class LiveClockWindow;
class MatchTextWindow;
class MatchTimeWindow;
class MoveHandsWindow;
class WhatTimeWindow;
class WriteTimeWindow;
class QAction;
class QMenu;

// One reference per activity window: built on first use and again after it
// was closed; while open, a second request only brings it forward.
template <class Window> class WindowSlot {
public:
    Window* open(const std::function<core::Seams()>& makeSeams);
    Window* get() const { return m_window; }

private:
    QPointer<Window> m_window;
};

// The main window: an empty white area under the menu that opens the seven
// activities.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::function<core::Seams()> makeSeams = realSeams);

    QMenu* activitiesMenu = nullptr;
    QAction* openLiveClock = nullptr;
    QAction* openInvestigate = nullptr;
    QAction* openWhatTime = nullptr;
    QAction* openMoveHands = nullptr;
    QAction* openWriteTime = nullptr;
    QAction* openMatchTime = nullptr;
    QAction* openMatchText = nullptr;
    QAction* lookAtMe = nullptr; // on the bar, with nothing under it

    WindowSlot<LiveClockWindow> liveClock;
    WindowSlot<InvestigateWindow> investigate;
    WindowSlot<WhatTimeWindow> whatTime;
    WindowSlot<MoveHandsWindow> moveHands;
    WindowSlot<WriteTimeWindow> writeTime;
    WindowSlot<MatchTimeWindow> matchTime;
    WindowSlot<MatchTextWindow> matchText;

    void showLiveClock();
    void showInvestigate();
    void showWhatTime();
    void showMoveHands();
    void showWriteTime();
    void showMatchTime();
    void showMatchText();

private:
    QAction* addEntry(const char* name, const QString& caption, void (MainWindow::*show)());

    std::function<core::Seams()> m_makeSeams;
};
