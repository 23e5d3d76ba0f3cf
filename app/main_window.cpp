#include "app/main_window.h"

#include "activities/investigate_window.h"
#include "activities/live_clock_window.h"
#include "activities/match_text_window.h"
#include "activities/match_time_window.h"
#include "activities/move_hands_window.h"
#include "activities/what_time_window.h"
#include "activities/write_time_window.h"
#include "kit/window_frames.h"

#include <QMenu>
#include <QMenuBar>

template <class Window>
Window* WindowSlot<Window>::open(const std::function<core::Seams()>& makeSeams) {
    if (!m_window)
        m_window = new Window(makeSeams());
    kit::showWindow(*m_window);
    return m_window;
}

MainWindow::MainWindow(std::function<core::Seams()> makeSeams) : m_makeSeams(std::move(makeSeams)) {
    kit::applyFrame(*this, kit::Window::Main);

    activitiesMenu = menuBar()->addMenu(QStringLiteral("Opcions de programa"));
    activitiesMenu->setObjectName(QStringLiteral("activitiesMenu"));
    openLiveClock =
        addEntry("openLiveClock", QStringLiteral("Rellotge principal"), &MainWindow::showLiveClock);
    openInvestigate =
        addEntry("openInvestigate", QStringLiteral("Investiga"), &MainWindow::showInvestigate);
    openWhatTime =
        addEntry("openWhatTime", QStringLiteral("Quina hora és?"), &MainWindow::showWhatTime);
    openMoveHands =
        addEntry("openMoveHands", QStringLiteral("Mou les agulles"), &MainWindow::showMoveHands);
    openWriteTime =
        addEntry("openWriteTime", QStringLiteral("Escriu la hora"), &MainWindow::showWriteTime);
    openMatchTime = addEntry("openMatchTime", QStringLiteral("Relaciona hora-rellotge"),
                             &MainWindow::showMatchTime);
    openMatchText = addEntry("openMatchText", QStringLiteral("Relaciona text-rellotge"),
                             &MainWindow::showMatchText);

    // "Mireu-me" sits on the bar with nothing under it and does nothing.
    lookAtMe = menuBar()->addAction(QStringLiteral("Mireu-me"));
    lookAtMe->setObjectName(QStringLiteral("lookAtMe"));
}

QAction* MainWindow::addEntry(const char* name, const QString& caption,
                              void (MainWindow::*show)()) {
    QAction* action = activitiesMenu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, show);
    return action;
}

void MainWindow::showLiveClock() {
    liveClock.open(m_makeSeams);
}
void MainWindow::showInvestigate() {
    investigate.open(m_makeSeams);
}
void MainWindow::showWhatTime() {
    whatTime.open(m_makeSeams);
}
void MainWindow::showMoveHands() {
    moveHands.open(m_makeSeams);
}
void MainWindow::showWriteTime() {
    writeTime.open(m_makeSeams);
}
void MainWindow::showMatchTime() {
    matchTime.open(m_makeSeams);
}
void MainWindow::showMatchText() {
    matchText.open(m_makeSeams);
}
