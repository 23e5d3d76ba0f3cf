// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/match_time_window.h"
#include "core/phrases.h"
#include "kit/label.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QAccessible>
#include <QPointer>
#include <QPushButton>

namespace {

using Board = std::array<int, core::kMatchTimeDials>;

// Nine rows of the phrase list, then the target.
std::deque<double> drawsFor(const Board& rows, int target) {
    std::deque<double> draws;
    for (int row : rows)
        draws.push_back(pick(row, 144));
    draws.push_back(pick(target, 9));
    return draws;
}

// 12.15, 03.00, 06.30 / 12.00, 11.55, 03.45 / 01.00, 10.15, 12.15 again.
constexpr Board kBoard{3, 36, 78, 0, 143, 45, 12, 123, 3};
// Nine different times, so a count tells which dial took the click.
constexpr Board kDistinctBoard{3, 36, 78, 0, 143, 45, 12, 123, 100};

// Where the board sits in the window, in pixels.
constexpr QPoint kBoardAt{4, 14};

QPoint dialCentre(int dial) {
    return QPoint(43 + 100 * (dial % 3), 43 + 80 * (dial / 3));
}

// Some pixel within one of the point is of the colour: the hands are drawn
// without smoothing, and a width-2 line may fall either side of its axis.
bool colourNear(const QImage& image, QPointF at, QColor colour) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(qRound(at.x()) + dx, qRound(at.y()) + dy) == colour)
                return true;
    return false;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QAccessible::Role accessibleRole(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->role() : QAccessible::NoRole;
}

// Names a screen reader was told had changed, with the name each then had.
QStringList g_nameChanges;

void recordNameChange(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged)
        g_nameChanges << event->object()->objectName() + QLatin1Char(':') +
                             event->accessibleInterface()->text(QAccessible::Name);
}

} // namespace

class TestMatchTimeWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void boardShowsTheDrawnRows();
    void handsAreDrawnOnTheirOwnDials();
    void clickAtBoardPoint_data();
    void clickAtBoardPoint();
    void rightDialCountsAndDealsANewBoard();
    void wrongDialCountsEachTimeAndKeepsTheBoard();
    void anyDialShowingThePhraseIsRight();
    void newBoardButtonKeepsBothCounts();
    void speakingChangesNothing_data();
    void speakingChangesNothing();
    void reopeningStartsAtZero();
    void screenReaderHearsWhatIsShown();
    void newPhraseIsAnnounced();
    void keysAlonePlayARound();

private:
    void open(const Board& rows, int target);
    void clickWindow(QPoint at);
    void clickDial(int dial);
    QString caption(const char* name) const;
    kit::LineWidget* hourHand(int dial) const;
    kit::LineWidget* minuteHand(int dial) const;
    bool showsRow(int dial, int row) const;

    Script m_script;
    QPointer<MatchTimeWindow> m_window;
};

void TestMatchTimeWindow::init() {
    m_script = Script();
}

void TestMatchTimeWindow::cleanup() {
    QVERIFY(!m_script.ranOut);
    delete m_window;
}

void TestMatchTimeWindow::open(const Board& rows, int target) {
    m_script.draws = drawsFor(rows, target);
    m_window = new MatchTimeWindow(m_script.seams());
    QVERIFY(m_script.draws.empty());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

// Through the window system, so the click lands on whatever is in front.
void TestMatchTimeWindow::clickWindow(QPoint at) {
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, at);
}

void TestMatchTimeWindow::clickDial(int dial) {
    clickWindow(kBoardAt + dialCentre(dial));
}

QString TestMatchTimeWindow::caption(const char* name) const {
    return child<kit::Label>(*m_window, QString::fromLatin1(name))->text();
}

kit::LineWidget* TestMatchTimeWindow::hourHand(int dial) const {
    return child<kit::LineWidget>(*m_window, "hourHands", dial);
}

kit::LineWidget* TestMatchTimeWindow::minuteHand(int dial) const {
    return child<kit::LineWidget>(*m_window, "minuteHands", dial);
}

// The dial's hands point at the time of the phrase-list row.
bool TestMatchTimeWindow::showsRow(int dial, int row) const {
    const QString& item = core::phraseList().at(row);
    const core::HandPositions at =
        core::handPositions({dialCentre(dial), 25, 34}, core::rowHour(item), core::rowMinute(item));
    return near(*hourHand(dial), at.hourTip) && near(*minuteHand(dial), at.minuteTip);
}

void TestMatchTimeWindow::boardShowsTheDrawnRows() {
    open(kBoard, 8);
    struct Tips {
        QPointF hour;
        QPointF minute;
    };
    // Worked out by hand from each row's time; the dial of 12.15 shows the
    // hour hand a quarter of the way from twelve to one.
    const std::array<Tips, 9> tips{{
        {{46.263, 18.214}, {77, 43}},
        {{168, 43}, {143, 9}},
        {{236.530, 67.148}, {243, 77}},
        {{43, 98}, {43, 89}},
        {{141.910, 98.024}, {126, 93.555}},
        {{266.097, 132.567}, {209, 123}},
        {{55.5, 181.349}, {43, 169}},
        {{123.166, 187.781}, {177, 203}},
        {{246.263, 178.214}, {277, 203}},
    }};
    for (int k = 0; k < 9; ++k) {
        const auto i = std::size_t(k);
        QVERIFY_TIP(hourHand(k), tips[i].hour.x(), tips[i].hour.y());
        QVERIFY_TIP(minuteHand(k), tips[i].minute.x(), tips[i].minute.y());
        for (const kit::LineWidget* hand : {hourHand(k), minuteHand(k)}) {
            QCOMPARE(hand->x2(), float(dialCentre(k).x()));
            QCOMPARE(hand->y2(), float(dialCentre(k).y()));
        }
        QVERIFY(showsRow(k, kBoard[i]));
    }
    QCOMPARE(caption("phraseShown"), QStringLiteral("Un quart d'una"));
    QCOMPARE(caption("rightCount"), QStringLiteral("0"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("0"));
    QVERIFY(m_script.spoken.empty());
}

void TestMatchTimeWindow::handsAreDrawnOnTheirOwnDials() {
    open(kBoard, 0);
    const QImage shot = m_window->grab().toImage();
    for (int k = 0; k < 9; ++k) {
        const QPointF centre = kBoardAt + dialCentre(k);
        const kit::LineWidget& hour = *hourHand(k);
        const kit::LineWidget& minute = *minuteHand(k);
        // Halfway along the hour hand, and past its tip on the minute hand.
        const QPointF hourMid = centre + (QPointF(hour.x1(), hour.y1()) + kBoardAt - centre) * 0.5;
        const QPointF minuteOut =
            centre + (QPointF(minute.x1(), minute.y1()) + kBoardAt - centre) * (30.0 / 34.0);
        QVERIFY2(colourNear(shot, hourMid, QColor(128, 0, 0)), qPrintable(QString::number(k)));
        QVERIFY2(colourNear(shot, minuteOut, QColor(0, 128, 0)), qPrintable(QString::number(k)));
    }
}

void TestMatchTimeWindow::clickAtBoardPoint_data() {
    // A point of the board, in its pixels, and the dial that takes a click
    // there, or -1 for a gap between hot spots.
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("dial");
    for (int k = 0; k < 9; ++k)
        QTest::addRow("centre of dial %d, under its hands", k) << dialCentre(k) << k;
    QTest::newRow("tip of an hour hand") << QPoint(167, 43) << 1;
    QTest::newRow("gap between dials 0 and 1") << QPoint(103, 40) << -1;
    QTest::newRow("gap between dials 3 and 4") << QPoint(98, 120) << -1;
    QTest::newRow("gap between dials 4 and 7") << QPoint(150, 161) << -1;
    QTest::newRow("gap between dials 7 and 8") << QPoint(199, 200) << -1;
    QTest::newRow("right of dial 5") << QPoint(298, 123) << 5;
    QTest::newRow("dials 1 and 2 overlap") << QPoint(190, 40) << 2;
    QTest::newRow("dials 0 and 3 overlap") << QPoint(50, 83) << 3;
    QTest::newRow("dials 0 and 4 overlap") << QPoint(102, 80) << 4;
    QTest::newRow("dials 2 and 5 overlap") << QPoint(250, 86) << 5;
    QTest::newRow("dials 3 and 6 overlap") << QPoint(50, 163) << 6;
    QTest::newRow("dials 6 and 7 overlap") << QPoint(98, 200) << 7;
    QTest::newRow("dials 5 and 8 overlap") << QPoint(250, 165) << 8;
    QTest::newRow("below the last row") << QPoint(150, 246) << -1;
}

void TestMatchTimeWindow::clickAtBoardPoint() {
    QFETCH(QPoint, at);
    QFETCH(int, dial);
    // The dial expected is the target, so any other dial would count wrong.
    open(kDistinctBoard, std::max(dial, 0));
    if (dial >= 0)
        m_script.draws = drawsFor(kBoard, 0);
    clickWindow(kBoardAt + at);
    QCOMPARE(caption("rightCount"), dial >= 0 ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("0"));
    QVERIFY(m_script.draws.empty());
}

void TestMatchTimeWindow::rightDialCountsAndDealsANewBoard() {
    open(kBoard, 4);
    const Board next{46, 46, 46, 46, 46, 46, 46, 46, 4};
    m_script.draws = drawsFor(next, 8);
    clickDial(4);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(caption("rightCount"), QStringLiteral("1"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("0"));
    QCOMPARE(caption("phraseShown"), QStringLiteral("Un quart i cinc d'una"));
    for (int k = 0; k < 9; ++k)
        QVERIFY(showsRow(k, next[std::size_t(k)]));

    // The count goes on from what it shows, and the target is dial 8.
    m_script.draws = drawsFor(kBoard, 0);
    clickDial(8);
    QCOMPARE(caption("rightCount"), QStringLiteral("2"));
    QVERIFY(m_script.spoken.empty());
}

void TestMatchTimeWindow::wrongDialCountsEachTimeAndKeepsTheBoard() {
    open(kBoard, 2);
    const QString phrase = caption("phraseShown");
    const QPointF tip(hourHand(2)->x1(), hourHand(2)->y1());
    clickDial(5);
    QCOMPARE(caption("wrongCount"), QStringLiteral("1"));
    clickDial(5);
    QCOMPARE(caption("wrongCount"), QStringLiteral("2"));
    clickDial(0);
    QCOMPARE(caption("wrongCount"), QStringLiteral("3"));
    QCOMPARE(caption("rightCount"), QStringLiteral("0"));
    QCOMPARE(m_script.drawsTaken, 10);
    QCOMPARE(caption("phraseShown"), phrase);
    for (int k = 0; k < 9; ++k)
        QVERIFY(showsRow(k, kBoard[std::size_t(k)]));
    QVERIFY_TIP(hourHand(2), tip.x(), tip.y());
    // The target stays where it was.
    m_script.draws = drawsFor(kBoard, 0);
    clickDial(2);
    QCOMPARE(caption("rightCount"), QStringLiteral("1"));
    QVERIFY(m_script.spoken.empty());
}

void TestMatchTimeWindow::anyDialShowingThePhraseIsRight() {
    // Dials 0 and 8 both show 12.15; the target drawn is dial 8, but the
    // child cannot tell the two apart.
    open(kBoard, 8);
    QVERIFY(showsRow(0, 3));
    QCOMPARE(caption("phraseShown"), QStringLiteral("Un quart d'una"));
    const Board next{46, 46, 46, 46, 46, 46, 46, 46, 4};
    m_script.draws = drawsFor(next, 8);
    clickDial(0);
    QCOMPARE(caption("rightCount"), QStringLiteral("1"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("0"));
    QVERIFY(m_script.draws.empty());
    QCOMPARE(caption("phraseShown"), QStringLiteral("Un quart i cinc d'una"));
}

void TestMatchTimeWindow::newBoardButtonKeepsBothCounts() {
    open(kBoard, 1);
    clickDial(7);
    m_script.draws = drawsFor(kBoard, 6);
    clickDial(1);
    const Board next{143, 142, 141, 140, 139, 138, 137, 136, 135};
    m_script.draws = drawsFor(next, 0);
    QTest::mouseClick(child<QPushButton>(*m_window, "newBoardButton"), Qt::LeftButton);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(caption("rightCount"), QStringLiteral("1"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("1"));
    for (int k = 0; k < 9; ++k)
        QVERIFY(showsRow(k, next[std::size_t(k)]));
    QCOMPARE(caption("phraseShown"), QStringLiteral("tres quarts i deu de dotze"));
    QVERIFY(m_script.spoken.empty());
}

void TestMatchTimeWindow::speakingChangesNothing_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("parla") << true;
    QTest::newRow("the phrase strip") << false;
}

void TestMatchTimeWindow::speakingChangesNothing() {
    QFETCH(bool, byButton);
    open(kBoard, 5);
    clickDial(0);
    for (int i = 0; i < 2; ++i) {
        if (byButton)
            QTest::mouseClick(child<QPushButton>(*m_window, "speakButton"), Qt::LeftButton);
        else
            clickWindow(child<kit::Label>(*m_window, "phraseShown")->geometry().center());
    }
    QCOMPARE(m_script.spoken.size(), std::size_t(2));
    for (const Script::Speech& speech : m_script.spoken) {
        QCOMPARE(speech.text, QStringLiteral("tres quarts de quatre"));
        QCOMPARE(speech.volume, 120);
    }
    QCOMPARE(m_script.drawsTaken, 10);
    QCOMPARE(caption("phraseShown"), QStringLiteral("tres quarts de quatre"));
    QCOMPARE(caption("rightCount"), QStringLiteral("0"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("1"));
}

void TestMatchTimeWindow::reopeningStartsAtZero() {
    open(kBoard, 3);
    clickDial(4);
    m_script.draws = drawsFor(kBoard, 3);
    clickDial(3);
    QVERIFY(m_window->close());
    QTRY_VERIFY(m_window.isNull());
    open(kBoard, 3);
    QCOMPARE(caption("rightCount"), QStringLiteral("0"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("0"));
}

void TestMatchTimeWindow::screenReaderHearsWhatIsShown() {
    open(kBoard, 2);
    clickDial(0);
    for (int k = 0; k < 9; ++k)
        QCOMPARE(accessibleName(child<kit::Label>(*m_window, "dialHotSpots", k)),
                 QStringLiteral("Rellotge %1").arg(k + 1));
    QCOMPARE(accessibleName(child<kit::Label>(*m_window, "phraseShown")),
             QStringLiteral("Dos quarts de set"));
    QCOMPARE(accessibleName(child<kit::Label>(*m_window, "rightCount")), QStringLiteral("0"));
    QCOMPARE(accessibleName(child<kit::Label>(*m_window, "wrongCount")), QStringLiteral("1"));
    for (int k = 0; k < 9; ++k)
        QCOMPARE(accessibleRole(child<kit::Label>(*m_window, "dialHotSpots", k)),
                 QAccessible::Button);
    QCOMPARE(accessibleName(child<QPushButton>(*m_window, "speakButton")), QStringLiteral("parla"));
    QCOMPARE(accessibleName(child<QPushButton>(*m_window, "newBoardButton")),
             QStringLiteral("Rellotges nous"));
    QVERIFY(!child<QPushButton>(*m_window, "newBoardButton")->toolTip().isEmpty());
}

void TestMatchTimeWindow::newPhraseIsAnnounced() {
    // Qt passes accessibility events on only to a running screen reader
    // bridge: under X11 with the accessibility bus up and
    // QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. The offscreen platform has none.
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 1000))
        QSKIP("no screen reader bridge on this platform");
    open(kBoard, 2);
    g_nameChanges.clear();
    const auto previous = QAccessible::installUpdateHandler(recordNameChange);
    // A wrong try shows nothing new; a right answer and a new board do.
    clickDial(0);
    m_script.draws = drawsFor(kBoard, 0);
    clickDial(2);
    m_script.draws = drawsFor(kBoard, 5);
    QTest::mouseClick(child<QPushButton>(*m_window, "newBoardButton"), Qt::LeftButton);
    QAccessible::installUpdateHandler(previous);
    QStringList phrases = g_nameChanges.filter(QStringLiteral("phraseShown:"));
    phrases.removeDuplicates(); // QLabel::setText may announce it as well
    QCOMPARE(phrases, QStringList({QStringLiteral("phraseShown:Un quart d'una"),
                                   QStringLiteral("phraseShown:tres quarts de quatre")}));
}

void TestMatchTimeWindow::keysAlonePlayARound() {
    open(kBoard, 4);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), child<kit::Label>(*m_window, "dialHotSpots", 0));
    const auto press = [](Qt::Key key) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key);
    };
    // Along the top row and down to the middle dial, the target.
    const Board next{46, 46, 46, 46, 46, 46, 46, 46, 4};
    m_script.draws = drawsFor(next, 8);
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(caption("rightCount"), QStringLiteral("1"));
    QCOMPARE(caption("phraseShown"), QStringLiteral("Un quart i cinc d'una"));
    // The middle dial is not the new target; Space answers as Enter did.
    press(Qt::Key_Space);
    QCOMPARE(caption("wrongCount"), QStringLiteral("1"));
    QVERIFY(m_script.draws.empty());
    // Tab goes on through the dials to "parla", then ">>>>>".
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("speakButton"));
    press(Qt::Key_Enter);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken.front().text, QStringLiteral("Un quart i cinc d'una"));
    press(Qt::Key_Tab);
    auto* newBoard = child<QPushButton>(*m_window, "newBoardButton");
    QCOMPARE(QApplication::focusWidget(), newBoard);
    // Reached by the keyboard, it has the focus ring's yellow band around it.
    const QPoint besideIt = newBoard->geometry().topLeft() + QPoint(-3, newBoard->height() / 2);
    QCOMPARE(m_window->grab().toImage().pixelColor(besideIt), QColor(255, 221, 0));
    m_script.draws = drawsFor(kBoard, 2);
    press(Qt::Key_Space);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(caption("phraseShown"), QStringLiteral("Dos quarts de set"));
    QCOMPARE(caption("rightCount"), QStringLiteral("1"));
    QCOMPARE(caption("wrongCount"), QStringLiteral("1"));
}

QTEST_MAIN(TestMatchTimeWindow)
#include "test_match_time_window.moc"
