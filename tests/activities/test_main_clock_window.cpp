#include "label.h"
#include "list_box.h"
#include "main_clock_window.h"
#include "scripted_seams.h"
#include "text_box.h"

#include <QPushButton>

namespace {

void clickRow(kit::ListBox& list, int row) {
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestMainClockWindow final : public QObject {
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
    Form5* m_form = nullptr;
};

void TestMainClockWindow::init() {
    m_script = Script();
    m_form = new Form5(m_script.seams());
}

void TestMainClockWindow::cleanup() {
    delete m_form;
    m_form = nullptr;
}

void TestMainClockWindow::handsAtTenPastTenAndAHalf() {
    m_script.now = QTime(10, 10, 30);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QVERIFY_TIP(m_form->Line3, 182.744, 117.408);
    QVERIFY_TIP(m_form->Line2, 322.942, 116.000);
    QVERIFY_TIP(m_form->Line1, 245, 308);
    QCOMPARE(m_form->Line1->X2(), 245.f);
    QCOMPARE(m_form->Line1->Y2(), 161.f);
}

void TestMainClockWindow::sameHandsAtFifteenAndThree() {
    m_script.now = QTime(15, 0, 0);
    m_form->Timer1_Timer();
    const QPointF afternoon(m_form->Line3->X1(), m_form->Line3->Y1());
    QVERIFY_TIP(m_form->Line3, 245 + 76, 161);
    m_script.now = QTime(3, 0, 0);
    m_form->Timer1_Timer();
    QVERIFY_TIP(m_form->Line3, afternoon.x(), afternoon.y());
}

void TestMainClockWindow::secondHandAtFifteenSeconds() {
    m_script.now = QTime(8, 42, 15);
    m_form->Timer1_Timer();
    QVERIFY_TIP(m_form->Line1, 392, 161);
}

void TestMainClockWindow::minuteHandWaitsForTheMinute() {
    const core::HandTip at59 = core::handTip(245, 161, 90, 354);
    m_script.now = QTime(10, 59, 59, 999);
    m_form->Timer1_Timer();
    QVERIFY_TIP(m_form->Line2, at59.x, at59.y);
    m_script.now = QTime(11, 0, 0);
    m_form->Timer1_Timer();
    QVERIFY_TIP(m_form->Line2, 245, 71);
}

void TestMainClockWindow::handsFollowTheClockOverThreeSeconds() {
    // Just before each whole second, so the timer comes back within a few ms.
    m_script.now = QTime(9, 0, 0, 998);
    m_form->show();
    QVERIFY_TIP(m_form->Line1, 245, 14);
    for (int second = 1; second <= 3; ++second) {
        m_script.now = QTime(9, 0, second, 998);
        const core::HandTip tip = core::handTip(245, 161, 147, 6.0 * second);
        QTRY_VERIFY_WITH_TIMEOUT(near(*m_form->Line1, QPointF(tip.x, tip.y)), 500);
    }
    QVERIFY(m_form->Timer1.isActive());
}

void TestMainClockWindow::quarterListFillsOnceAndSpeaksWholeRow() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QVERIFY(m_form->List1->isVisible());
    QVERIFY(!m_form->List2->isVisible());
    QCOMPARE(m_form->List1->count(), 13);
    QCOMPARE(m_form->List1->item(12)->text(), QStringLiteral("01.00 La una"));
    QVERIFY(m_script.spoken.empty());

    clickRow(*m_form->List1, 3);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral("12.15 Un quart d'una"));
    QCOMPARE(m_script.spoken[0].volume, 100);

    // The arrow keys choose rows too.
    QTest::keyClick(m_form->List1, Qt::Key_Down);
    QCOMPARE(m_script.spoken.back().text, QStringLiteral("12.20 Un quart i cinc d'una"));
}

void TestMainClockWindow::mixedListSpeaksTheTail() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    QVERIFY(!m_form->List1->isVisible());
    QVERIFY(m_form->List2->isVisible());
    QCOMPARE(m_form->List2->count(), 13);
    clickRow(*m_form->List2, 4);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Les dotze i vint"));
    QCOMPARE(m_script.spoken[0].volume, 100);
    // The same row again is no new selection and says nothing.
    clickRow(*m_form->List2, 4);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
}

void TestMainClockWindow::doubleClickReadsThenHides() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    m_form->Command2_Click();
    const QPoint row = m_form->List2->visualItemRect(m_form->List2->item(7)).center();
    QTest::mouseClick(m_form->List2->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(m_form->List2->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Les dotze i trenta cinc"));
    QVERIFY(!m_form->List2->isVisible());
    QCOMPARE(m_form->List2->count(), 13);
}

void TestMainClockWindow::hideButtonWithNoListChangesNothing() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QTest::mouseClick(m_form->Command3, Qt::LeftButton);
    QVERIFY(!m_form->List1->isVisible() && !m_form->List2->isVisible());
    QCOMPARE(m_form->List1->count() + m_form->List2->count(), 0);

    m_form->Command1_Click();
    QTest::mouseClick(m_form->Command3, Qt::LeftButton);
    QVERIFY(!m_form->List1->isVisible());
    QCOMPARE(m_form->List1->count(), 13);
}

void TestMainClockWindow::exercise_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("mark");
    QTest::newRow("right with Enter") << "La una" << true << true;
    QTest::newRow("small letter") << "la una" << true << false;
    QTest::newRow("no Enter") << "La una" << false << false;
    QTest::newRow("trailing blank") << "La una " << true << false;
}

void TestMainClockWindow::exercise() {
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(bool, mark);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    m_form->Label4_Click();
    QVERIFY(m_form->Text1->isVisible());
    QTest::keyClicks(m_form->Text1, typed);
    if (enter)
        QTest::keyClick(m_form->Text1, Qt::Key_Return);
    QCOMPARE(m_form->Shape1->isVisible(), mark);
    QCOMPARE(m_form->Text1->isVisible(), !mark);
    if (mark) {
        // The mark stays; the text box comes back with its text.
        m_form->Label4_Click();
        QVERIFY(m_form->Shape1->isVisible());
        QCOMPARE(m_form->Text1->text(), typed);
        // The red mark is painted beside the words.
        const QPointF centre = m_form->Shape1->circle().center();
        QCOMPARE(m_form->Picture1->surface().pixelColor(centre.toPoint()), QColor(192, 0, 0));
    }
}

void TestMainClockWindow::hotSpotLiesOverTheBoardAndOpensTheTextBox() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const QPoint spot = m_form->Label4->geometry().center();
    QCOMPARE(m_form->Picture1->childAt(spot), m_form->Label4);
    QTest::mouseClick(m_form->Picture1, Qt::LeftButton, {}, spot);
    QTest::mouseClick(m_form->Label4, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(m_form->Text1->isVisible());
    QVERIFY(!m_form->Label4->accessibleName().isEmpty());
    for (QPushButton* button : {m_form->Command1, m_form->Command2, m_form->Command3}) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->accessibleName().isEmpty());
    }
}

void TestMainClockWindow::startsEmptyAndHidden() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QCOMPARE(m_form->windowTitle(), QStringLiteral(" Quina hora és?"));
    QCOMPARE(m_form->size(), QSize(553, 330));
    QCOMPARE(m_form->Picture1->geometry(), QRect(0, -1, 549, 325));
    QVERIFY(!m_form->List1->isVisible() && !m_form->List2->isVisible());
    QCOMPARE(m_form->List1->count() + m_form->List2->count(), 0);
    QVERIFY(!m_form->Text1->isVisible());
    QVERIFY(!m_form->Shape1->isVisible());
    QVERIFY(m_script.spoken.empty());
}

QTEST_MAIN(TestMainClockWindow)
#include "test_main_clock_window.moc"
