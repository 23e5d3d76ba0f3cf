// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/match_text_window.h"
#include "core/phrases.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/units.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>

namespace {

// One question's seven draws: the five bars' rows, the answer bar, its row.
QList<double> question(std::array<int, 5> bars, int answerBar, int answerRow) {
    QList<double> draws;
    for (int row : bars)
        draws << pick(row, 144);
    draws << pick(answerBar, 5) << pick(answerRow, 144);
    return draws;
}

QString phrase(int row) {
    return core::rowPhrase(core::phraseList().at(row));
}

// Clicks whatever the child would hit at a point of the window, in twips.
void clickAt(QWidget& window, int left, int top) {
    const QPoint at(kit::px(left), kit::px(top));
    QWidget* target = window.childAt(at);
    QVERIFY2(target, "nothing to click there");
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, at));
}

// A point well inside bar n, in twips.
constexpr std::array<int, 5> kBarMiddles{1340, 2060, 2780, 3470, 4160};

// One mouse event as the window system stamps it, in milliseconds.
void sendMouse(QWidget* target, QEvent::Type type, quint64 timestamp) {
    const QPointF at = QRectF(target->rect()).center();
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(timestamp);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestMatchTextWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadAsksAQuestion_data();
    void loadAsksAQuestion();
    void wrongKeepsTheQuestionAndRightAsksAnew();
    void newQuestionButtonFillsNothing();
    void sameWordsOnAnotherBarAreRight();
    void doubleClickAnswersOnce();
    void speakingReadsTheAnswerBar();
    void sixtyEighthFillsTheLastCellAndTheNextStartsAnew();
    void windowShowsBannerBarsAndStrip();
    void screenReaderReadsDigitsAndBars();
    void playsARoundWithKeysOnly();

private:
    void open(const QList<double>& draws);
    kit::Label* bar(int n) const { return child<kit::Label>(*m_window, "phraseBars", n); }
    kit::PictureBox* cell(int n) const {
        return child<kit::PictureBox>(*m_window, "answerCells", n);
    }
    QString digits() const { return child<kit::Label>(*m_window, "timeDigits")->text(); }
    // Cells filled in this run of the strip.
    int answersGiven() const;

    Script m_script;
    MatchTextWindow* m_window = nullptr;
};

void TestMatchTextWindow::init() {
    m_script = Script();
}

void TestMatchTextWindow::cleanup() {
    QVERIFY(!m_script.ranOut);
    delete m_window;
    m_window = nullptr;
}

void TestMatchTextWindow::open(const QList<double>& draws) {
    m_script.draws.assign(draws.begin(), draws.end());
    m_window = new MatchTextWindow(m_script.seams());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(m_script.draws.empty());
}

int TestMatchTextWindow::answersGiven() const {
    int filled = 0;
    while (filled < 68 && cell(filled)->height() > 0)
        ++filled;
    return filled;
}

void TestMatchTextWindow::loadAsksAQuestion_data() {
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QStringList>("bars");
    QTest::addColumn<int>("answerBar");
    QTest::addColumn<QString>("digits");
    QTest::newRow("twelve o'clock keys say 12")
        << question({0, 40, 80, 120, 143}, 2, 3)
        << QStringList{phrase(0), phrase(40), "Un quart d'una", phrase(120), phrase(143)} << 2
        << "12.15 ";
    QTest::newRow("first bar, first row")
        << question({7, 8, 9, 10, 11}, 0, 0)
        << QStringList{"Les dotze", phrase(8), phrase(9), phrase(10), phrase(11)} << 0 << "12.00 ";
    QTest::newRow("last bar, last row")
        << question({12, 12, 12, 12, 12}, 4, 143)
        << QStringList{"La una", "La una", "La una", "La una", "tres quarts i deu de dotze"} << 4
        << "11.55 ";
}

void TestMatchTextWindow::loadAsksAQuestion() {
    QFETCH(QList<double>, draws);
    QFETCH(QStringList, bars);
    QFETCH(int, answerBar);
    QFETCH(QString, digits);
    open(draws);
    for (int n = 0; n < 5; ++n)
        QCOMPARE(bar(n)->text(), bars[n]);
    QCOMPARE(this->digits(), digits);
    for (int n = 0; n < 68; ++n)
        QCOMPARE(cell(n)->height(), 0);
    QVERIFY(m_script.spoken.empty());
    // The answer bar is the one whose phrase the blank button reads.
    QTest::mouseClick(child<QPushButton>(*m_window, "speakButton"), Qt::LeftButton);
    QCOMPARE(m_script.spoken.at(0).text, bars[answerBar]);
}

void TestMatchTextWindow::wrongKeepsTheQuestionAndRightAsksAnew() {
    open(question({1, 2, 3, 4, 5}, 3, 50));
    const QString shown = digits();
    for (int wrong : {0, 4, 1}) {
        clickAt(*m_window, 4000, kBarMiddles[std::size_t(wrong)]);
        QCOMPARE(m_script.drawsTaken, 7);
        QCOMPARE(digits(), shown);
        QCOMPARE(bar(3)->text(), phrase(50));
    }
    m_script.draws.assign({0.0, 0.0, 0.0, 0.0, 0.0, pick(1, 5), pick(77, 144)});
    clickAt(*m_window, 4000, kBarMiddles[3]);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(bar(1)->text(), phrase(77));
    QCOMPARE(digits(), QStringLiteral("06.25 "));
    QCOMPARE(answersGiven(), 4);

    // Three dark red cells hanging from the line, then a green one on it.
    for (int n = 0; n < 4; ++n) {
        const bool right = n == 3;
        QCOMPARE(cell(n)->geometry(), kit::twipsRect(150 + 120 * n, right ? 4590 : 4890, 135, 255));
        QCOMPARE(cell(n)->backColor(), right ? QColor(0, 180, 0) : QColor(111, 0, 0));
    }
    QCOMPARE(cell(4)->height(), 0);
}

void TestMatchTextWindow::newQuestionButtonFillsNothing() {
    open(question({1, 2, 3, 4, 5}, 0, 6));
    clickAt(*m_window, 4000, kBarMiddles[2]); // one wrong answer first
    const QList<double> next = question({9, 9, 9, 9, 9}, 4, 100);
    m_script.draws.assign(next.begin(), next.end());
    clickAt(*m_window, 8040, 770);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(bar(4)->text(), phrase(100));
    QCOMPARE(digits(), QStringLiteral("08.20 "));
    QCOMPARE(answersGiven(), 1);
    QCOMPARE(cell(1)->height(), 0);
}

void TestMatchTextWindow::sameWordsOnAnotherBarAreRight() {
    // Bars 1 and 3 both say the digits' phrase; the child cannot tell which
    // one was dealt them, so either is right. Other words stay wrong.
    open(question({30, 7, 8, 30, 9}, 1, 30));
    clickAt(*m_window, 4000, kBarMiddles[4]);
    QCOMPARE(cell(0)->backColor(), QColor(111, 0, 0));
    m_script.draws.assign(7, 0.0);
    clickAt(*m_window, 4000, kBarMiddles[3]);
    QCOMPARE(cell(1)->backColor(), QColor(0, 180, 0));
    QCOMPARE(cell(1)->y(), kit::px(4590));
    QCOMPARE(m_script.drawsTaken, 14); // and a new question
}

void TestMatchTextWindow::doubleClickAnswersOnce() {
    open(question({1, 2, 3, 4, 5}, 2, 55));
    const QList<double> next = question({6, 7, 8, 9, 10}, 4, 11);
    m_script.draws.assign(next.begin(), next.end());
    // A double click as the window system sends it, on the right bar.
    constexpr quint64 t = 1'000'000;
    const int interval = QApplication::doubleClickInterval();
    sendMouse(bar(2), QEvent::MouseButtonPress, t);
    sendMouse(bar(2), QEvent::MouseButtonRelease, t + 60);
    sendMouse(bar(2), QEvent::MouseButtonPress, t + 150);
    sendMouse(bar(2), QEvent::MouseButtonDblClick, t + 150);
    sendMouse(bar(2), QEvent::MouseButtonRelease, t + 200);
    QCOMPARE(answersGiven(), 1);
    QCOMPARE(cell(0)->backColor(), QColor(0, 180, 0));
    QCOMPARE(digits(), QStringLiteral("12.55 "));

    // A key is never half of a double click, nor is a click after the interval.
    QTest::keyClick(bar(3), Qt::Key_Space);
    QCOMPARE(answersGiven(), 2);
    sendMouse(bar(2), QEvent::MouseButtonPress, t + 60 + quint64(interval));
    sendMouse(bar(2), QEvent::MouseButtonRelease, t + 100 + quint64(interval));
    QCOMPARE(answersGiven(), 3);
    QCOMPARE(m_script.drawsTaken, 14);
}

void TestMatchTextWindow::speakingReadsTheAnswerBar() {
    open(question({1, 2, 3, 4, 5}, 2, 55));
    clickAt(*m_window, 4000, kBarMiddles[4]); // wrong
    clickAt(*m_window, 2000, 800);            // the blank button, over the banner
    clickAt(*m_window, 4700, 400);            // the digits
    QCOMPARE(m_script.spoken.size(), std::size_t(2));
    for (const Script::Speech& speech : m_script.spoken) {
        QCOMPARE(speech.text, QStringLiteral("Dos quarts i cinc de cinc"));
        QCOMPARE(speech.volume, 120);
    }
    QCOMPARE(m_script.drawsTaken, 7);
}

void TestMatchTextWindow::sixtyEighthFillsTheLastCellAndTheNextStartsAnew() {
    open(question({1, 2, 3, 4, 5}, 0, 6));
    // Wrong answers keep one question, so no more draws are needed.
    for (int n = 0; n < 67; ++n)
        QTest::keyClick(bar(1), Qt::Key_Space);
    QCOMPARE(cell(67)->height(), 0);
    clickAt(*m_window, 4000, kBarMiddles[3]);
    QCOMPARE(answersGiven(), 68);
    QCOMPARE(cell(67)->geometry(), kit::twipsRect(8190, 4890, 135, 255));
    QCOMPARE(cell(67)->backColor(), QColor(111, 0, 0));

    // The 69th answer, a right one: the strip empties and cell 0 goes green
    // on the line, although it hung below it in the round before.
    const QList<double> next = question({1, 2, 3, 4, 5}, 0, 0);
    m_script.draws.assign(next.begin(), next.end());
    clickAt(*m_window, 4000, kBarMiddles[0]);
    QCOMPARE(answersGiven(), 1);
    QCOMPARE(cell(0)->geometry(), kit::twipsRect(150, 4590, 135, 255));
    QCOMPARE(cell(0)->backColor(), QColor(0, 180, 0));
    for (int n = 1; n < 68; ++n)
        QCOMPARE(cell(n)->height(), 0);
    clickAt(*m_window, 4000, kBarMiddles[3]);
    QCOMPARE(cell(1)->geometry(), kit::twipsRect(270, 4890, 135, 255));
}

void TestMatchTextWindow::windowShowsBannerBarsAndStrip() {
    open(question({1, 2, 3, 4, 5}, 0, 6));
    clickAt(*m_window, 4000, kBarMiddles[1]);
    const QList<double> next = question({3, 3, 3, 3, 3}, 2, 3); // "Un quart d'una"
    m_script.draws.assign(next.begin(), next.end());
    clickAt(*m_window, 4000, kBarMiddles[0]);
    const QImage shot = m_window->grab().toImage();
    const auto at = [&shot](int left, int top) {
        return shot.pixelColor(kit::px(left), kit::px(top));
    };
    QCOMPARE(shot.size(), QSize(564, 358));
    QCOMPARE(at(8000, 5300), QColor(255, 128, 0));         // the orange window
    QCOMPARE(at(4000, 4890), QColor(0, 0, 0));             // the base line
    QCOMPARE(at(150 + 60, 4890 + 120), QColor(111, 0, 0)); // cell 0, wrong
    QCOMPARE(at(270 + 60, 4590 + 120), QColor(0, 180, 0)); // cell 1, right
    QCOMPARE(at(4000, 4700), QColor(255, 128, 0));         // cell 2 not yet used
    // Each bar's own brown shows at its left end, inside the frame.
    for (int n = 0; n < 5; ++n)
        QCOMPARE(at(180, kBarMiddles[std::size_t(n)]), QColor(40 * n, 30 * n, 10 * n));
    QCOMPARE(at(120, kBarMiddles[4]), QColor(0, 0, 0)); // the frame

    // Light text from the top of each bar, its "q" whole above the frame.
    for (int n = 0; n < 5; ++n) {
        const QRect inside = bar(n)->geometry().adjusted(1, 1, -1, -1);
        bool text = false;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            text = text || shot.pixelColor(x, inside.center().y()) == QColor(224, 224, 224);
            QCOMPARE(shot.pixelColor(x, inside.bottom()), QColor(40 * n, 30 * n, 10 * n));
        }
        QVERIFY(text);
    }

    // The banner is drawn behind everything, from the corner: where the
    // button does not cover it, its own pixels show.
    const QImage banner = kit::picture(QStringLiteral("banner_click_text"), 1.0).toImage();
    for (const QPoint p : {QPoint(1, 1), QPoint(100, 20), QPoint(270, 10)})
        QCOMPARE(shot.pixelColor(p), banner.pixelColor(p));
}

void TestMatchTextWindow::screenReaderReadsDigitsAndBars() {
    open(question({1, 2, 3, 4, 5}, 2, 3));
    const auto name = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    auto* speakButton = child<QPushButton>(*m_window, "speakButton");
    auto* newQuestionButton = child<QPushButton>(*m_window, "newQuestionButton");
    QCOMPARE(name(child<kit::Label>(*m_window, "timeDigits")), QStringLiteral("12.15 "));
    QCOMPARE(name(bar(2)), QStringLiteral("Un quart d'una"));
    QCOMPARE(name(bar(0)), phrase(1));
    QCOMPARE(QAccessible::queryAccessibleInterface(bar(0))->role(), QAccessible::Button);
    QCOMPARE(name(speakButton), QStringLiteral("Escolta l'hora"));
    // The arrows stay the caption; the name and the tip say what it does.
    QCOMPARE(newQuestionButton->text(), QStringLiteral(">>>>>"));
    QCOMPARE(name(newQuestionButton), QStringLiteral("Una altra pregunta"));
    QVERIFY(!speakButton->toolTip().isEmpty() && !newQuestionButton->toolTip().isEmpty());
}

void TestMatchTextWindow::playsARoundWithKeysOnly() {
    open(question({1, 2, 3, 4, 5}, 2, 55));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    QCOMPARE(QApplication::focusWidget(), bar(0));
    // Tab goes round the bars, then the two buttons, reading order.
    const QStringList ring{"phraseBars1", "phraseBars2",       "phraseBars3", "phraseBars4",
                           "speakButton", "newQuestionButton", "phraseBars0"};
    // Beside a focused push button the window shows the yellow of the ring.
    const QRect button = child<QPushButton>(*m_window, "newQuestionButton")->geometry();
    const auto besideButton = [&] {
        return m_window->grab().toImage().pixelColor(button.left() - 3, button.center().y());
    };
    for (const QString& next : ring) {
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
        QCOMPARE(besideButton() == QColor(255, 221, 0), next == u"newQuestionButton");
    }
    press(Qt::Key_Down);
    press(Qt::Key_Space); // bar 1: wrong
    QCOMPARE(cell(0)->backColor(), QColor(111, 0, 0));
    m_script.draws.assign(7, 0.0);
    press(Qt::Key_Right);
    press(Qt::Key_Return); // bar 2: right, and a new question
    QCOMPARE(cell(1)->backColor(), QColor(0, 180, 0));
    QCOMPARE(digits(), QStringLiteral("12.00 "));
    // A screen reader reads the new phrase of the bar under the focus.
    QCOMPARE(QAccessible::queryAccessibleInterface(bar(2))->text(QAccessible::Name),
             QStringLiteral("Les dotze"));
    for (int back = 0; back < 4; ++back) // bars 1 and 0, ">>>>>", the blank button
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Enter);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken.at(0).text, QStringLiteral("Les dotze"));
    QCOMPARE(answersGiven(), 2);
}

QTEST_MAIN(TestMatchTextWindow)
#include "test_match_text_window.moc"
