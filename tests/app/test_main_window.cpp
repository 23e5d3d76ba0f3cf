#include "investigate_window.h"
#include "list_box.h"
#include "main_clock_window.h"
#include "main_window.h"
#include "match_text_window.h"
#include "match_time_window.h"
#include "move_hands_window.h"
#include "picture_box.h"
#include "text_box.h"
#include "what_time_window.h"
#include "write_time_window.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
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

QWidget* currentForm(Form4& main, const QString& entry) {
    if (entry == u"aw")
        return main.form5.get();
    if (entry == u"rrr")
        return main.form3.get();
    if (entry == u"eee")
        return main.form2.get();
    if (entry == u"fff")
        return main.form8.get();
    if (entry == u"ffgf")
        return main.form1.get();
    if (entry == u"xvc")
        return main.form7.get();
    if (entry == u"ss")
        return main.form6.get();
    return nullptr;
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
    Form4 main(quietSeams);
    QCOMPARE(main.windowTitle(), QStringLiteral("Quirvel'rellotge"));
    QCOMPARE(main.centralWidget()->size(), QSize(483, 395));
    QCOMPARE(main.centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(!main.windowIcon().isNull());
}

void TestMainWindow::menuTree() {
    Form4 main(quietSeams);
    const QList<QAction*> bar = main.menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("Opcions de programa"));
    QCOMPARE(bar[0]->menu(), main.ty);
    QCOMPARE(bar[1]->text(), QStringLiteral("Mireu-me"));
    QVERIFY(!bar[1]->menu());

    const QStringList names{"aw", "rrr", "eee", "fff", "ffgf", "xvc", "ss"};
    const QStringList captions{"Rellotge principal",     "Investiga",
                               "Quina hora és?",         "Mou les agulles",
                               "Escriu la hora",         "Relaciona hora-rellotge",
                               "Relaciona text-rellotge"};
    const QList<QAction*> entries = main.ty->actions();
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
    QTest::newRow("aw") << "aw"
                        << " Quina hora és?";
    QTest::newRow("rrr") << "rrr"
                         << "Investiga";
    QTest::newRow("eee") << "eee"
                         << " Quina hora és?";
    QTest::newRow("fff") << "fff"
                         << "Mou les agulles...";
    QTest::newRow("ffgf") << "ffgf"
                          << "Escriu la hora";
    QTest::newRow("xvc") << "xvc"
                         << "Relaciona hora i rellotge";
    QTest::newRow("ss") << "ss"
                        << "Relacionem un text amb...";
}

void TestMainWindow::entriesOpenTheirWindowOnce() {
    QFETCH(QString, entry);
    QFETCH(QString, title);
    Form4 main(quietSeams);
    main.show();
    main.findChild<QAction*>(entry)->trigger();
    QPointer<QWidget> first = currentForm(main, entry);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->parentWidget());
    QCOMPARE(first->windowTitle(), title);

    // A window the child moved stays where it is on a second choice.
    first->move(first->pos() + QPoint(37, 23));
    const QPoint moved = first->pos();
    main.activateWindow();
    main.findChild<QAction*>(entry)->trigger();
    QCOMPARE(currentForm(main, entry), first.data());
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
    Form4 main(countingSeams);
    main.show();
    main.findChild<QAction*>(QStringLiteral("rrr"))->trigger();
    QWidget* form = main.form3.get();
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
    QVERIFY(!main.form3.get());

    main.rrr_Click();
    QVERIFY(main.form3.get());
    QCOMPARE(main.form3.get()->pos(), centred);
    QVERIFY2(draws > drawsAtFirstLoad, "the load handler did not run again");
    main.form3.get()->close();
}

void TestMainWindow::reopenedClockStartsAfresh() {
    Form4 main(quietSeams);
    main.aw_Click();
    Form5* clock = main.form5.get();
    clock->Command1_Click();
    clock->Label4_Click();
    QTest::keyClicks(clock->Text1, QStringLiteral("La una"));
    QTest::keyClick(clock->Text1, Qt::Key_Return);
    QVERIFY(clock->Shape1->isVisible());
    clock->close();
    QTRY_VERIFY(!main.form5.get());

    main.aw_Click();
    clock = main.form5.get();
    QVERIFY(!clock->List1->isVisible() && !clock->List2->isVisible());
    QCOMPARE(clock->List1->count() + clock->List2->count(), 0);
    QVERIFY(!clock->Shape1->isVisible());
    QVERIFY(!clock->Text1->isVisible());
    QVERIFY(clock->Text1->text().isEmpty());
}

void TestMainWindow::mireuMeDoesNothing() {
    Form4 main(quietSeams);
    main.show();
    const int windows = QApplication::topLevelWidgets().size();
    main.op->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QVERIFY(main.isVisible());
}

void TestMainWindow::closingMainLeavesActivitiesWorking() {
    auto* main = new Form4(quietSeams);
    main->show();
    main->aw_Click();
    main->rrr_Click();
    QPointer<QWidget> clock = main->form5.get();
    QPointer<QWidget> investigate = main->form3.get();
    bool stillRunning = false;
    const bool ended = programEnds([&] {
        main->close();
        QVERIFY(clock && clock->isVisible());
        QVERIFY(investigate && investigate->isVisible());
        // Still usable: the investigate list answers the keyboard.
        if (auto* list = investigate->findChild<QListWidget*>(QStringLiteral("List1"))) {
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
    Form4 main(quietSeams);
    main.show();
    QVERIFY(programEnds([&] { main.close(); }));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
