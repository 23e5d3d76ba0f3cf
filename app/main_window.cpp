// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "activities/activity_table.h"
#include "activities/activity_window.h"
#include "kit/units.h"
#include "kit/window_frames.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

const kit::WindowFrame kMainFrame{"MainWindow",
                                  QStringLiteral("Quirvel'rellotge"),
                                  {7245, 5925},
                                  kit::rgb(255, 255, 255),
                                  "icon_window_a",
                                  nullptr,
                                  0,
                                  false};

} // namespace

MainWindow::MainWindow(std::function<core::Seams()> makeSeams)
    : m_makeSeams(std::move(makeSeams)), m_windows(activities().size()) {
    kit::applyFrame(*this, kMainFrame);

    QMenu* menu = menuBar()->addMenu(QStringLiteral("Opcions de programa"));
    menu->setObjectName(QStringLiteral("activitiesMenu"));
    for (std::size_t i = 0; i < activities().size(); ++i) {
        QAction* entry = menu->addAction(activities()[i].caption);
        entry->setObjectName(QString::fromLatin1(activities()[i].entryName));
        connect(entry, &QAction::triggered, this, [this, i] { openActivity(i); });
    }

    // The captions carry no mnemonic and this style gives Alt no menu, so F10,
    // as on most desktops, opens the menu for a child without a mouse.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenu, &QShortcut::activated, this,
            [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });

    // "Mireu-me" sits on the bar with nothing under it and does nothing.
    QAction* lookAtMe = menuBar()->addAction(QStringLiteral("Mireu-me"));
    lookAtMe->setObjectName(QStringLiteral("lookAtMe"));
}

void MainWindow::openActivity(std::size_t index) {
    QPointer<ActivityWindow>& window = m_windows.at(index);
    if (!window)
        window = activities()[index].open(m_makeSeams());
    kit::showWindow(*window);
}
