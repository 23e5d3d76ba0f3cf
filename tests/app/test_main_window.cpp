// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_table.h"
#include "app/main_window.h"
#include "kit/label.h"
#include "kit/list_box.h"
#include "kit/picture_box.h"
#include "kit/text_box.h"
#include "kit/units.h"
#include "kit/window_frames.h"
#include "tests/widget_lookup.h"

#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

core::Seams quietSeams() {
    core::Seams seams;
    seams.random = [] { return 0.0; };
    seams.now = [] { return QTime(10, 10, 30); };
    seams.speak = [](const QString&, int) {};
    seams.message = [](const QString&, const QString&) {};
    return seams;
}

// Runs the event loop until the program would end, or 5 s; true when it ended.
bool programEnds(const std::function<void()>& steps) {
    QTimer::singleShot(0, steps);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    return QApplication::exec() == 0;
}

// The open window of the activity a menu entry opens, found as the child
// would find it: among the program's windows, by its name.
QWidget* openedWindow(const QString& entry) {
    for (const Activity& activity : activities()) {
        if (entry != QLatin1String(activity.entryName))
            continue;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(activity.frame.objectName))
                return window;
    }
    return nullptr;
}

void open(MainWindow& main, const char* entry) {
    child<QAction>(main, QString::fromLatin1(entry))->trigger();
}

} // namespace

class TestMainWindow final : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void frame();
    void menuTree();
    void entriesOpenTheirWindowOnce_data();
    void entriesOpenTheirWindowOnce();
    void closedWindowReopensFreshAndCentred();
    void reopenedClockStartsAfresh();
    void mireuMeDoesNothing();
    void keysAloneOpenAnActivity();
    void everyFocusableControlIsNamed_data();
    void everyFocusableControlIsNamed();
    void closingMainLeavesActivitiesWorking();
    void closingMainAloneEndsTheProgram();
};

// A failed test must not leave windows behind that keep the next one alive.
void TestMainWindow::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMainWindow::frame() {
    MainWindow main(quietSeams);
    QCOMPARE(main.windowTitle(), QStringLiteral("Quirvel'rellotge"));
    QCOMPARE(main.centralWidget()->size(), QSize(483, 395));
    QCOMPARE(main.centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(!main.windowIcon().isNull());
}

void TestMainWindow::menuTree() {
    MainWindow main(quietSeams);
    const QList<QAction*> bar = main.menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("Opcions de programa"));
    QCOMPARE(bar[0]->menu(), child<QMenu>(main, "activitiesMenu"));
    QCOMPARE(bar[1]->text(), QStringLiteral("Mireu-me"));
    QVERIFY(!bar[1]->menu());

    const QStringList names{"openLiveClock", "openInvestigate", "openWhatTime", "openMoveHands",
                            "openWriteTime", "openMatchTime",   "openMatchText"};
    const QStringList captions{"Rellotge principal",     "Investiga",
                               "Quina hora és?",         "Mou les agulles",
                               "Escriu la hora",         "Relaciona hora-rellotge",
                               "Relaciona text-rellotge"};
    const QList<QAction*> entries = child<QMenu>(main, "activitiesMenu")->actions();
    QCOMPARE(entries.size(), 7);
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i]->objectName(), names[i]);
        QCOMPARE(entries[i]->text(), captions[i]);
        QVERIFY(entries[i]->isEnabled() && entries[i]->isVisible());
        QVERIFY(entries[i]->shortcut().isEmpty());
        QVERIFY(!entries[i]->text().contains(u'&'));
    }
    QVERIFY(!bar[0]->text().contains(u'&'));
}

void TestMainWindow::entriesOpenTheirWindowOnce_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("client");
    QTest::newRow("openLiveClock") << "openLiveClock"
                                   << " Quina hora és?" << QSize(553, 330);
    QTest::newRow("openInvestigate") << "openInvestigate"
                                     << "Investiga" << QSize(794, 469);
    QTest::newRow("openWhatTime") << "openWhatTime"
                                  << " Quina hora és?" << QSize(570, 366);
    QTest::newRow("openMoveHands") << "openMoveHands"
                                   << "Mou les agulles..." << QSize(386, 369);
    QTest::newRow("openWriteTime") << "openWriteTime"
                                   << "Escriu la hora" << QSize(644, 377);
    QTest::newRow("openMatchTime") << "openMatchTime"
                                   << "Relaciona hora i rellotge" << QSize(471, 310);
    QTest::newRow("openMatchText") << "openMatchText"
                                   << "Relacionem un text amb..." << QSize(564, 358);
}

void TestMainWindow::entriesOpenTheirWindowOnce() {
    QFETCH(QString, entry);
    QFETCH(QString, title);
    QFETCH(QSize, client);
    MainWindow main(quietSeams);
    main.show();
    main.findChild<QAction*>(entry)->trigger();
    QPointer<QWidget> first = openedWindow(entry);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->parentWidget());
    QCOMPARE(first->windowTitle(), title);
    QCOMPARE(first->size(), client);

    // A window the child moved stays where it is on a second choice.
    first->move(first->pos() + QPoint(37, 23));
    const QPoint moved = first->pos();
    main.activateWindow();
    main.findChild<QAction*>(entry)->trigger();
    QCOMPARE(openedWindow(entry), first.data());
    QCOMPARE(first->pos(), moved);
    QTRY_COMPARE(QApplication::activeWindow(), first.data());
    first->close();
    QTRY_VERIFY(!first);
}

void TestMainWindow::closedWindowReopensFreshAndCentred() {
    int draws = 0;
    const auto countingSeams = [&draws] {
        core::Seams seams = quietSeams();
        seams.random = [&draws] {
            ++draws;
            return 0.0;
        };
        return seams;
    };
    MainWindow main(countingSeams);
    main.show();
    open(main, "openInvestigate");
    QWidget* form = openedWindow("openInvestigate");
    QVERIFY(form);
    const int drawsAtFirstLoad = draws;
    QVERIFY(drawsAtFirstLoad > 0);
    const QPoint centred = form->pos();
    const QRect screen = form->screen()->geometry();
    QCOMPARE(centred,
             screen.topLeft() + kit::centredTopLeft(screen.size(), form->frameGeometry().size()));

    form->move(centred + QPoint(50, 50));
    QPointer<QWidget> old = form;
    form->close();
    QTRY_VERIFY(!old);
    QVERIFY(!openedWindow("openInvestigate"));

    open(main, "openInvestigate");
    form = openedWindow("openInvestigate");
    QVERIFY(form);
    QCOMPARE(form->pos(), centred);
    QVERIFY2(draws > drawsAtFirstLoad, "the load handler did not run again");
    form->close();
}

void TestMainWindow::reopenedClockStartsAfresh() {
    MainWindow main(quietSeams);
    open(main, "openLiveClock");
    QPointer<QWidget> clock = openedWindow("openLiveClock");
    QTest::mouseClick(child<QPushButton>(*clock, "quarterListButton"), Qt::LeftButton);
    QTest::mouseClick(child<kit::Label>(*clock, "laUnaHotSpot"), Qt::LeftButton);
    auto* answer = child<kit::TextBox>(*clock, "laUnaAnswer");
    QTest::keyClicks(answer, QStringLiteral("La una"));
    QTest::keyClick(answer, Qt::Key_Return);
    QVERIFY(child<kit::ShapeWidget>(*clock, "laUnaMark")->isVisible());
    clock->close();
    QTRY_VERIFY(!clock);

    open(main, "openLiveClock");
    clock = openedWindow("openLiveClock");
    auto* quarterList = child<kit::ListBox>(*clock, "quarterList");
    auto* mixedList = child<kit::ListBox>(*clock, "mixedList");
    QVERIFY(!quarterList->isVisible() && !mixedList->isVisible());
    QCOMPARE(quarterList->count() + mixedList->count(), 0);
    QVERIFY(!child<kit::ShapeWidget>(*clock, "laUnaMark")->isVisible());
    QVERIFY(!child<kit::TextBox>(*clock, "laUnaAnswer")->isVisible());
    QVERIFY(child<kit::TextBox>(*clock, "laUnaAnswer")->text().isEmpty());
}

void TestMainWindow::mireuMeDoesNothing() {
    MainWindow main(quietSeams);
    main.show();
    const int windows = QApplication::topLevelWidgets().size();
    child<QAction>(main, "lookAtMe")->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QVERIFY(main.isVisible());
}

void TestMainWindow::keysAloneOpenAnActivity() {
    MainWindow main(quietSeams);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_F10);
    auto* menu = child<QMenu>(main, "activitiesMenu");
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(openedWindow("openInvestigate"));
    openedWindow("openInvestigate")->close();
}

void TestMainWindow::everyFocusableControlIsNamed_data() {
    QTest::addColumn<QString>("entry");
    for (const Activity& activity : activities())
        QTest::newRow(activity.entryName) << QString::fromLatin1(activity.entryName);
}

// What a screen reader says as the focus lands on each control the keys
// reach: never nothing.
void TestMainWindow::everyFocusableControlIsNamed() {
    QFETCH(QString, entry);
    MainWindow main(quietSeams);
    child<QAction>(main, entry)->trigger();
    QWidget* window = openedWindow(entry);
    QVERIFY(window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        // A combo box's list lives in a popup of its own, out of the tab chain.
        if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != window)
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        QVERIFY(reader);
        QVERIFY2(!reader->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
    window->close();
}

void TestMainWindow::closingMainLeavesActivitiesWorking() {
    auto* main = new MainWindow(quietSeams);
    main->show();
    open(*main, "openLiveClock");
    open(*main, "openInvestigate");
    QPointer<QWidget> clock = openedWindow("openLiveClock");
    QPointer<QWidget> investigate = openedWindow("openInvestigate");
    bool stillRunning = false;
    const bool ended = programEnds([&] {
        main->close();
        QVERIFY(clock && clock->isVisible());
        QVERIFY(investigate && investigate->isVisible());
        // Still usable: the investigate list answers the keyboard.
        if (auto* list = investigate->findChild<QListWidget*>(QStringLiteral("phraseList"))) {
            QTest::keyClick(list, Qt::Key_Down);
            QVERIFY(list->currentRow() >= 0);
        }
        clock->close();
        QTimer::singleShot(50, [&] {
            stillRunning = true;
            investigate->close();
        });
    });
    QVERIFY(stillRunning);
    QVERIFY(ended);
    delete main;
}

void TestMainWindow::closingMainAloneEndsTheProgram() {
    MainWindow main(quietSeams);
    main.show();
    QVERIFY(programEnds([&] { main.close(); }));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
