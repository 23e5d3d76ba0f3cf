// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/live_clock_window.h"
#include "kit/label.h"
#include "kit/list_box.h"
#include "kit/picture_box.h"
#include "kit/text_box.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QPushButton>
#include <QTimer>

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
    void laUnaByKeysAlone();

private:
    template <class T> T* part(const char* name) const { return child<T>(*m_window, name); }
    // One beat of the window's clock, without waiting for it.
    void tick() const { QMetaObject::invokeMethod(part<QTimer>("tickTimer"), "timeout"); }

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
    QVERIFY_TIP(part<kit::LineWidget>("hourHand"), 182.744, 117.408);
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), 322.942, 116.000);
    QVERIFY_TIP(part<kit::LineWidget>("secondHand"), 245, 308);
    QCOMPARE(part<kit::LineWidget>("secondHand")->x2(), 245.f);
    QCOMPARE(part<kit::LineWidget>("secondHand")->y2(), 161.f);
}

void TestLiveClockWindow::sameHandsAtFifteenAndThree() {
    m_script.now = QTime(15, 0, 0);
    tick();
    const QPointF afternoon(part<kit::LineWidget>("hourHand")->x1(),
                            part<kit::LineWidget>("hourHand")->y1());
    QVERIFY_TIP(part<kit::LineWidget>("hourHand"), 245 + 76, 161);
    m_script.now = QTime(3, 0, 0);
    tick();
    QVERIFY_TIP(part<kit::LineWidget>("hourHand"), afternoon.x(), afternoon.y());
}

void TestLiveClockWindow::secondHandAtFifteenSeconds() {
    m_script.now = QTime(8, 42, 15);
    tick();
    QVERIFY_TIP(part<kit::LineWidget>("secondHand"), 392, 161);
}

void TestLiveClockWindow::minuteHandWaitsForTheMinute() {
    const QPointF at59 = core::handTip({245, 161}, 90, 354);
    m_script.now = QTime(10, 59, 59, 999);
    tick();
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), at59.x(), at59.y());
    m_script.now = QTime(11, 0, 0);
    tick();
    QVERIFY_TIP(part<kit::LineWidget>("minuteHand"), 245, 71);
}

void TestLiveClockWindow::handsFollowTheClockOverThreeSeconds() {
    // Just before each whole second, so the timer comes back within a few ms.
    m_script.now = QTime(9, 0, 0, 998);
    m_window->show();
    QVERIFY_TIP(part<kit::LineWidget>("secondHand"), 245, 14);
    for (int second = 1; second <= 3; ++second) {
        m_script.now = QTime(9, 0, second, 998);
        const QPointF tip = core::handTip({245, 161}, 147, 6.0 * second);
        QTRY_VERIFY_WITH_TIMEOUT(
            near(*part<kit::LineWidget>("secondHand"), QPointF(tip.x(), tip.y())), 500);
    }
    QVERIFY(part<QTimer>("tickTimer")->isActive());
}

void TestLiveClockWindow::quarterListFillsOnceAndSpeaksWholeRow() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(part<QPushButton>("quarterListButton"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>("quarterListButton"), Qt::LeftButton);
    QVERIFY(part<kit::ListBox>("quarterList")->isVisible());
    QVERIFY(!part<kit::ListBox>("mixedList")->isVisible());
    QCOMPARE(part<kit::ListBox>("quarterList")->count(), 13);
    QCOMPARE(part<kit::ListBox>("quarterList")->item(12)->text(), QStringLiteral("01.00 La una"));
    QVERIFY(m_script.spoken.empty());

    clickRow(*part<kit::ListBox>("quarterList"), 3);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral("12.15 Un quart d'una"));
    QCOMPARE(m_script.spoken[0].volume, 100);

    // The arrow keys choose rows too.
    QTest::keyClick(part<kit::ListBox>("quarterList"), Qt::Key_Down);
    QCOMPARE(m_script.spoken.back().text, QStringLiteral("12.20 Un quart i cinc d'una"));
}

void TestLiveClockWindow::mixedListSpeaksTheTail() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(part<QPushButton>("quarterListButton"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>("mixedListButton"), Qt::LeftButton);
    QVERIFY(!part<kit::ListBox>("quarterList")->isVisible());
    QVERIFY(part<kit::ListBox>("mixedList")->isVisible());
    QCOMPARE(part<kit::ListBox>("mixedList")->count(), 13);
    clickRow(*part<kit::ListBox>("mixedList"), 4);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Les dotze i vint"));
    QCOMPARE(m_script.spoken[0].volume, 100);
    // The same row again is no new selection and says nothing.
    clickRow(*part<kit::ListBox>("mixedList"), 4);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
}

void TestLiveClockWindow::doubleClickReadsThenHides() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(part<QPushButton>("mixedListButton"), Qt::LeftButton);
    const QPoint row = part<kit::ListBox>("mixedList")
                           ->visualItemRect(part<kit::ListBox>("mixedList")->item(7))
                           .center();
    QTest::mouseClick(part<kit::ListBox>("mixedList")->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(part<kit::ListBox>("mixedList")->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Les dotze i trenta cinc"));
    QVERIFY(!part<kit::ListBox>("mixedList")->isVisible());
    QCOMPARE(part<kit::ListBox>("mixedList")->count(), 13);
}

void TestLiveClockWindow::hideButtonWithNoListChangesNothing() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(part<QPushButton>("hideListsButton"), Qt::LeftButton);
    QVERIFY(!part<kit::ListBox>("quarterList")->isVisible() &&
            !part<kit::ListBox>("mixedList")->isVisible());
    QCOMPARE(part<kit::ListBox>("quarterList")->count() + part<kit::ListBox>("mixedList")->count(),
             0);

    QTest::mouseClick(part<QPushButton>("quarterListButton"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>("hideListsButton"), Qt::LeftButton);
    QVERIFY(!part<kit::ListBox>("quarterList")->isVisible());
    QCOMPARE(part<kit::ListBox>("quarterList")->count(), 13);
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
    QTest::mouseClick(part<kit::Label>("laUnaHotSpot"), Qt::LeftButton);
    QVERIFY(part<kit::TextBox>("laUnaAnswer")->isVisible());
    QTest::keyClicks(part<kit::TextBox>("laUnaAnswer"), typed);
    if (enter)
        QTest::keyClick(part<kit::TextBox>("laUnaAnswer"), Qt::Key_Return);
    QCOMPARE(part<kit::ShapeWidget>("laUnaMark")->isVisible(), mark);
    QCOMPARE(part<kit::TextBox>("laUnaAnswer")->isVisible(), !mark);
    if (mark) {
        // The mark stays; the text box comes back with its text.
        QTest::mouseClick(part<kit::Label>("laUnaHotSpot"), Qt::LeftButton);
        QVERIFY(part<kit::ShapeWidget>("laUnaMark")->isVisible());
        QCOMPARE(part<kit::TextBox>("laUnaAnswer")->text(), typed);
        // The red mark is painted beside the words.
        const QPointF centre = part<kit::ShapeWidget>("laUnaMark")->circle().center();
        QCOMPARE(part<kit::PictureBox>("board")->surface().pixelColor(centre.toPoint()),
                 QColor(192, 0, 0));
    }
}

void TestLiveClockWindow::hotSpotLiesOverTheBoardAndOpensTheTextBox() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QPoint spot = part<kit::Label>("laUnaHotSpot")->geometry().center();
    QCOMPARE(part<kit::PictureBox>("board")->childAt(spot), part<kit::Label>("laUnaHotSpot"));
    QTest::mouseClick(part<kit::PictureBox>("board"), Qt::LeftButton, {}, spot);
    QTest::mouseClick(part<kit::Label>("laUnaHotSpot"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(part<kit::TextBox>("laUnaAnswer")->isVisible());
    QVERIFY(!part<kit::Label>("laUnaHotSpot")->accessibleName().isEmpty());
    for (QPushButton* button :
         {part<QPushButton>("quarterListButton"), part<QPushButton>("mixedListButton"),
          part<QPushButton>("hideListsButton")}) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->accessibleName().isEmpty());
    }
}

void TestLiveClockWindow::startsEmptyAndHidden() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Quina hora és?"));
    QCOMPARE(m_window->size(), QSize(553, 330));
    QCOMPARE(part<kit::PictureBox>("board")->geometry(), QRect(0, -1, 549, 325));
    QVERIFY(!part<kit::ListBox>("quarterList")->isVisible() &&
            !part<kit::ListBox>("mixedList")->isVisible());
    QCOMPARE(part<kit::ListBox>("quarterList")->count() + part<kit::ListBox>("mixedList")->count(),
             0);
    QVERIFY(!part<kit::TextBox>("laUnaAnswer")->isVisible());
    QVERIFY(!part<kit::ShapeWidget>("laUnaMark")->isVisible());
    QVERIFY(m_script.spoken.empty());
}

void TestLiveClockWindow::laUnaByKeysAlone() {
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto* spot = part<kit::Label>("laUnaHotSpot");
    QCOMPARE(spot->focusPolicy(), Qt::StrongFocus);
    spot->setFocus(Qt::TabFocusReason);
    QTest::keyClick(spot, Qt::Key_Space);
    auto* answer = part<kit::TextBox>("laUnaAnswer");
    QVERIFY(answer->isVisible());
    QVERIFY(answer->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("La una"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(part<kit::ShapeWidget>("laUnaMark")->isVisible());
}

QTEST_MAIN(TestLiveClockWindow)
#include "test_live_clock_window.moc"
