#include "activities/live_clock_window.h"
#include "kit/label.h"
#include "kit/list_box.h"
#include "kit/text_box.h"
#include "tests/activities/scripted_seams.h"

#include <QPushButton>

namespace {

void clickRow(kit::ListBox& list, int row) {
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestLiveClockWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void handsAtTenPastTenAndAHalf();
    void sameHandsAtFifteenAndThree();
    void secondHandAtFifteenSeconds();
    void minuteHandWaitsForTheMinute();
    void handsFollowTheClockOverThreeSeconds();
    void quarterListFillsOnceAndSpeaksWholeRow();
    void mixedListSpeaksTheTail();
    void doubleClickReadsThenHides();
    void hideButtonWithNoListChangesNothing();
    void exercise_data();
    void exercise();
    void hotSpotLiesOverTheBoardAndOpensTheTextBox();
    void startsEmptyAndHidden();

private:
    Script m_script;
    LiveClockWindow* m_window = nullptr;
};

void TestLiveClockWindow::init() {
    m_script = Script();
    m_window = new LiveClockWindow(m_script.seams());
}

void TestLiveClockWindow::cleanup() {
    delete m_window;
    m_window = nullptr;
}

void TestLiveClockWindow::handsAtTenPastTenAndAHalf() {
    m_script.now = QTime(10, 10, 30);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY_TIP(m_window->hourHand, 182.744, 117.408);
    QVERIFY_TIP(m_window->minuteHand, 322.942, 116.000);
    QVERIFY_TIP(m_window->secondHand, 245, 308);
    QCOMPARE(m_window->secondHand->x2(), 245.f);
    QCOMPARE(m_window->secondHand->y2(), 161.f);
}

void TestLiveClockWindow::sameHandsAtFifteenAndThree() {
    m_script.now = QTime(15, 0, 0);
    m_window->tick();
    const QPointF afternoon(m_window->hourHand->x1(), m_window->hourHand->y1());
    QVERIFY_TIP(m_window->hourHand, 245 + 76, 161);
    m_script.now = QTime(3, 0, 0);
    m_window->tick();
    QVERIFY_TIP(m_window->hourHand, afternoon.x(), afternoon.y());
}

void TestLiveClockWindow::secondHandAtFifteenSeconds() {
    m_script.now = QTime(8, 42, 15);
    m_window->tick();
    QVERIFY_TIP(m_window->secondHand, 392, 161);
}

void TestLiveClockWindow::minuteHandWaitsForTheMinute() {
    const QPointF at59 = core::handTip({245, 161}, 90, 354);
    m_script.now = QTime(10, 59, 59, 999);
    m_window->tick();
    QVERIFY_TIP(m_window->minuteHand, at59.x(), at59.y());
    m_script.now = QTime(11, 0, 0);
    m_window->tick();
    QVERIFY_TIP(m_window->minuteHand, 245, 71);
}

void TestLiveClockWindow::handsFollowTheClockOverThreeSeconds() {
    // Just before each whole second, so the timer comes back within a few ms.
    m_script.now = QTime(9, 0, 0, 998);
    m_window->show();
    QVERIFY_TIP(m_window->secondHand, 245, 14);
    for (int second = 1; second <= 3; ++second) {
        m_script.now = QTime(9, 0, second, 998);
        const QPointF tip = core::handTip({245, 161}, 147, 6.0 * second);
        QTRY_VERIFY_WITH_TIMEOUT(near(*m_window->secondHand, QPointF(tip.x(), tip.y())), 500);
    }
    QVERIFY(m_window->tickTimer.isActive());
}

void TestLiveClockWindow::quarterListFillsOnceAndSpeaksWholeRow() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(m_window->quarterListButton, Qt::LeftButton);
    QTest::mouseClick(m_window->quarterListButton, Qt::LeftButton);
    QVERIFY(m_window->quarterList->isVisible());
    QVERIFY(!m_window->mixedList->isVisible());
    QCOMPARE(m_window->quarterList->count(), 13);
    QCOMPARE(m_window->quarterList->item(12)->text(), QStringLiteral("01.00 La una"));
    QVERIFY(m_script.spoken.empty());

    clickRow(*m_window->quarterList, 3);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral("12.15 Un quart d'una"));
    QCOMPARE(m_script.spoken[0].volume, 100);

    // The arrow keys choose rows too.
    QTest::keyClick(m_window->quarterList, Qt::Key_Down);
    QCOMPARE(m_script.spoken.back().text, QStringLiteral("12.20 Un quart i cinc d'una"));
}

void TestLiveClockWindow::mixedListSpeaksTheTail() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(m_window->quarterListButton, Qt::LeftButton);
    QTest::mouseClick(m_window->mixedListButton, Qt::LeftButton);
    QVERIFY(!m_window->quarterList->isVisible());
    QVERIFY(m_window->mixedList->isVisible());
    QCOMPARE(m_window->mixedList->count(), 13);
    clickRow(*m_window->mixedList, 4);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Les dotze i vint"));
    QCOMPARE(m_script.spoken[0].volume, 100);
    // The same row again is no new selection and says nothing.
    clickRow(*m_window->mixedList, 4);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
}

void TestLiveClockWindow::doubleClickReadsThenHides() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->showMixedList();
    const QPoint row = m_window->mixedList->visualItemRect(m_window->mixedList->item(7)).center();
    QTest::mouseClick(m_window->mixedList->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(m_window->mixedList->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Les dotze i trenta cinc"));
    QVERIFY(!m_window->mixedList->isVisible());
    QCOMPARE(m_window->mixedList->count(), 13);
}

void TestLiveClockWindow::hideButtonWithNoListChangesNothing() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(m_window->hideListsButton, Qt::LeftButton);
    QVERIFY(!m_window->quarterList->isVisible() && !m_window->mixedList->isVisible());
    QCOMPARE(m_window->quarterList->count() + m_window->mixedList->count(), 0);

    m_window->showQuarterList();
    QTest::mouseClick(m_window->hideListsButton, Qt::LeftButton);
    QVERIFY(!m_window->quarterList->isVisible());
    QCOMPARE(m_window->quarterList->count(), 13);
}

void TestLiveClockWindow::exercise_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("mark");
    QTest::newRow("right with Enter") << "La una" << true << true;
    QTest::newRow("small letter") << "la una" << true << false;
    QTest::newRow("no Enter") << "La una" << false << false;
    QTest::newRow("trailing blank") << "La una " << true << false;
}

void TestLiveClockWindow::exercise() {
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(bool, mark);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->showLaUnaAnswer();
    QVERIFY(m_window->laUnaAnswer->isVisible());
    QTest::keyClicks(m_window->laUnaAnswer, typed);
    if (enter)
        QTest::keyClick(m_window->laUnaAnswer, Qt::Key_Return);
    QCOMPARE(m_window->laUnaMark->isVisible(), mark);
    QCOMPARE(m_window->laUnaAnswer->isVisible(), !mark);
    if (mark) {
        // The mark stays; the text box comes back with its text.
        m_window->showLaUnaAnswer();
        QVERIFY(m_window->laUnaMark->isVisible());
        QCOMPARE(m_window->laUnaAnswer->text(), typed);
        // The red mark is painted beside the words.
        const QPointF centre = m_window->laUnaMark->circle().center();
        QCOMPARE(m_window->board->surface().pixelColor(centre.toPoint()), QColor(192, 0, 0));
    }
}

void TestLiveClockWindow::hotSpotLiesOverTheBoardAndOpensTheTextBox() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QPoint spot = m_window->laUnaHotSpot->geometry().center();
    QCOMPARE(m_window->board->childAt(spot), m_window->laUnaHotSpot);
    QTest::mouseClick(m_window->board, Qt::LeftButton, {}, spot);
    QTest::mouseClick(m_window->laUnaHotSpot, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(m_window->laUnaAnswer->isVisible());
    QVERIFY(!m_window->laUnaHotSpot->accessibleName().isEmpty());
    for (QPushButton* button :
         {m_window->quarterListButton, m_window->mixedListButton, m_window->hideListsButton}) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->accessibleName().isEmpty());
    }
}

void TestLiveClockWindow::startsEmptyAndHidden() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Quina hora és?"));
    QCOMPARE(m_window->size(), QSize(553, 330));
    QCOMPARE(m_window->board->geometry(), QRect(0, -1, 549, 325));
    QVERIFY(!m_window->quarterList->isVisible() && !m_window->mixedList->isVisible());
    QCOMPARE(m_window->quarterList->count() + m_window->mixedList->count(), 0);
    QVERIFY(!m_window->laUnaAnswer->isVisible());
    QVERIFY(!m_window->laUnaMark->isVisible());
    QVERIFY(m_script.spoken.empty());
}

QTEST_MAIN(TestLiveClockWindow)
#include "test_live_clock_window.moc"
