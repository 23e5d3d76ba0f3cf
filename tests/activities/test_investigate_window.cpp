// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/drawn_clock.h"
#include "activities/investigate_window.h"
#include "core/phrases.h"
#include "kit/list_box.h"
#include "kit/picture_box.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QPushButton>
#include <malloc.h>

namespace {

int selectedRow(const InvestigateWindow& form) {
    const auto* list = child<kit::ListBox>(form, "phraseList");
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void clickRow(kit::ListBox& list, int row) {
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

} // namespace

class TestInvestigateWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadShowsAQuarterTimeAndSelectsNothing_data();
    void loadShowsAQuarterTimeAndSelectsNothing();
    void openingWithFocusSaysNothing();
    void clickingARowShowsAndSpeaksIt_data();
    void clickingARowShowsAndSpeaksIt();
    void buttonDrawsFiveMinuteTimeAndSelectsItsRow();
    void buttonOnTheSelectedRowSpeaksNothing();
    void downKeyWalksEveryPhraseOnce();
    void reopeningLeavesNoDrawingsBehind();

private:
    void open(std::initializer_list<double> loadDraws);
    template <class T> T* part(const char* name) const { return child<T>(*m_window, name); }

    Script m_script;
    InvestigateWindow* m_window = nullptr;
};

void TestInvestigateWindow::init() {
    m_script = Script();
}

void TestInvestigateWindow::cleanup() {
    QVERIFY(!m_script.ranOut);
    delete m_window;
    m_window = nullptr;
}

void TestInvestigateWindow::open(std::initializer_list<double> loadDraws) {
    m_script.draws.assign(loadDraws);
    m_window = new InvestigateWindow(m_script.seams());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestInvestigateWindow::loadShowsAQuarterTimeAndSelectsNothing_data() {
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::newRow("on the step at once") << QList<double>{pick(45, 60), pick(9, 12)} << 9 << 45;
    QTest::newRow("twelve o'clock") << QList<double>{0.0, 0.0} << 0 << 0;
    QTest::newRow("drawn again until a quarter")
        << QList<double>{pick(7, 60), pick(3, 12),  pick(20, 60),
                         pick(5, 12), pick(30, 60), pick(11, 12)}
        << 11 << 30;
}

void TestInvestigateWindow::loadShowsAQuarterTimeAndSelectsNothing() {
    QFETCH(QList<double>, draws);
    QFETCH(int, hour);
    QFETCH(int, minute);
    m_script.draws.assign(draws.begin(), draws.end());
    m_window = new InvestigateWindow(m_script.seams());
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->shownHour(), hour);
    QCOMPARE(m_window->shownMinute(), minute);
    const QPointF minuteTip = core::handTip({170, 163}, 140, 6.0 * minute);
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), minuteTip.x(), minuteTip.y());
    const QPointF hourTip = core::handTip({170, 163}, 80, 30.0 * (hour + minute / 60.0));
    QVERIFY_TIP(part<kit::LineWidget>("hourHand"), hourTip.x(), hourTip.y());
    QCOMPARE(part<kit::ListBox>("phraseList")->count(), 144);
    QCOMPARE(selectedRow(*m_window), -1);
    QVERIFY(m_script.spoken.empty());
}

void TestInvestigateWindow::openingWithFocusSaysNothing() {
    open({0.0, 0.0});
    m_window->activateWindow();
    // The window opens with the list focused, so keys reach it at once.
    QTRY_VERIFY(part<kit::ListBox>("phraseList")->hasFocus());
    QCOMPARE(selectedRow(*m_window), -1);
    QVERIFY(m_script.spoken.empty());
    // The first Down picks the first row, not the second.
    QTest::keyClick(part<kit::ListBox>("phraseList"), Qt::Key_Down);
    QCOMPARE(selectedRow(*m_window), 0);
    QCOMPARE(m_script.spoken.back().text, QStringLiteral(" Les dotze"));
}

void TestInvestigateWindow::clickingARowShowsAndSpeaksIt_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QPointF>("hourTip");
    QTest::addColumn<QPointF>("minuteTip");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("03.00 Les tres") << 36 << QPointF(250, 163) << QPointF(170, 23) << " Les tres";
    QTest::newRow("12.45 Tres quarts d'una")
        << 9 << QPointF(200.615, 89.090) << QPointF(30, 163) << " Tres quarts d'una";
}

void TestInvestigateWindow::clickingARowShowsAndSpeaksIt() {
    QFETCH(int, row);
    QFETCH(QPointF, hourTip);
    QFETCH(QPointF, minuteTip);
    QFETCH(QString, spoken);
    open({0.0, 0.0});
    clickRow(*part<kit::ListBox>("phraseList"), row);
    QVERIFY_TIP(part<kit::LineWidget>("hourHand"), hourTip.x(), hourTip.y());
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), minuteTip.x(), minuteTip.y());
    QCOMPARE(m_window->shownKey(),
             core::rowKey(part<kit::ListBox>("phraseList")->item(row)->text()));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, spoken);
    QCOMPARE(m_script.spoken[0].volume, 100);
    QCOMPARE(selectedRow(*m_window), row);
}

void TestInvestigateWindow::buttonDrawsFiveMinuteTimeAndSelectsItsRow() {
    open({0.0, 0.0});
    // 27 minutes is off the step and is drawn again, hour and all.
    m_script.draws = {pick(27, 60), pick(4, 12), pick(25, 60), pick(0, 12)};
    QTest::mouseClick(part<QPushButton>("randomTimeButton"), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->shownHour(), 12);
    QCOMPARE(m_window->shownMinute(), 25);
    QCOMPARE(m_window->shownKey(), QStringLiteral("12.25"));
    QVERIFY_TIP(part<kit::LineWidget>("hourHand"), 187.315, 84.896);
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), 240, 284.244);
    QCOMPARE(selectedRow(*m_window), 5);
    QCOMPARE(part<kit::ListBox>("phraseList")->item(5)->text(),
             QStringLiteral("12.25 Un quart i deu d'una"));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Un quart i deu d'una"));

    // A late row is scrolled into view.
    m_script.draws = {pick(55, 60), pick(11, 12)};
    QTest::mouseClick(part<QPushButton>("randomTimeButton"), Qt::LeftButton);
    QCOMPARE(selectedRow(*m_window), 143);
    QVERIFY(part<kit::ListBox>("phraseList")
                ->viewport()
                ->rect()
                .intersects(part<kit::ListBox>("phraseList")
                                ->visualItemRect(part<kit::ListBox>("phraseList")->item(143))));
    QCOMPARE(m_script.spoken.back().text, QStringLiteral(" tres quarts i deu de dotze"));
}

void TestInvestigateWindow::buttonOnTheSelectedRowSpeaksNothing() {
    open({0.0, 0.0});
    clickRow(*part<kit::ListBox>("phraseList"), 37);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    // Move the hands away by hand, then draw the selected row's time.
    DrawnClock{{{170, 163}, 80, 140},
               part<kit::LineWidget>("hourHand"),
               part<kit::LineWidget>("minuteHand")}
        .show(9, 0);
    m_script.draws = {pick(5, 60), pick(3, 12)};
    QTest::mouseClick(part<QPushButton>("randomTimeButton"), Qt::LeftButton);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(selectedRow(*m_window), 37);
    const QPointF minuteTip = core::handTip({170, 163}, 140, 30);
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), minuteTip.x(), minuteTip.y());
}

void TestInvestigateWindow::downKeyWalksEveryPhraseOnce() {
    open({0.0, 0.0});
    part<kit::ListBox>("phraseList")->setFocus();
    for (int i = 0; i < 150; ++i)
        QTest::keyClick(part<kit::ListBox>("phraseList"), Qt::Key_Down);
    QCOMPARE(m_script.spoken.size(), std::size_t(144));
    for (int row = 0; row < 144; ++row) {
        QCOMPARE(m_script.spoken[std::size_t(row)].text, core::rowTail(core::phraseList().at(row)));
        QCOMPARE(m_script.spoken[std::size_t(row)].volume, 100);
    }
}

void TestInvestigateWindow::reopeningLeavesNoDrawingsBehind() {
    const auto openAndClose = [this] {
        m_script.draws = {0.0, 0.0};
        auto* window = new InvestigateWindow(m_script.seams());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->repaint();
        delete window;
    };
    const auto heapKb = [] { return static_cast<long>(mallinfo2().uordblks / 1024); };
    openAndClose();
    const long afterOne = heapKb();
    if (afterOne == 0)
        QSKIP("this allocator does not report its heap");
    for (int i = 0; i < 20; ++i)
        openAndClose();
    // Were each opening to get drawings of its own, it would leave about
    // 30 kB of them behind.
    QVERIFY2(heapKb() - afterOne < 200, qPrintable(QStringLiteral("heap %1 kB after one opening, "
                                                                  "%2 kB after twenty more")
                                                       .arg(afterOne)
                                                       .arg(heapKb())));
}

QTEST_MAIN(TestInvestigateWindow)
#include "test_investigate_window.moc"
