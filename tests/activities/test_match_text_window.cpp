#include "activities/match_text_window.h"
#include "core/phrases.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/units.h"
#include "tests/activities/scripted_seams.h"

#include <QAccessible>
#include <QPushButton>

namespace {

// The draw that gives a whole number n out of `choices`.
double pick(int n, int choices) {
    return (n + 0.5) / choices;
}

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
    void sameWordsOnAnotherBarAreWrong();
    void speakingReadsTheAnswerBar();
    void sixtyEighthFillsTheLastCellAndTheNextStartsAnew();
    void windowShowsBannerBarsAndStrip();
    void screenReaderReadsDigitsAndBars();

private:
    void open(const QList<double>& draws);

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
        QCOMPARE(m_window->phraseBars[std::size_t(n)]->text(), bars[n]);
    QCOMPARE(m_window->answerBar(), answerBar);
    QCOMPARE(m_window->timeDigits->text(), digits);
    QCOMPARE(m_window->answersGiven(), 0);
    for (const kit::PictureBox* cell : m_window->answerCells)
        QCOMPARE(cell->height(), 0);
    QVERIFY(m_script.spoken.empty());
}

void TestMatchTextWindow::wrongKeepsTheQuestionAndRightAsksAnew() {
    open(question({1, 2, 3, 4, 5}, 3, 50));
    const QString digits = m_window->timeDigits->text();
    for (int bar : {0, 4, 1}) {
        clickAt(*m_window, 4000, kBarMiddles[std::size_t(bar)]);
        QCOMPARE(m_script.drawsTaken, 7);
        QCOMPARE(m_window->timeDigits->text(), digits);
        QCOMPARE(m_window->phraseBars[3]->text(), phrase(50));
    }
    m_script.draws.assign({0.0, 0.0, 0.0, 0.0, 0.0, pick(1, 5), pick(77, 144)});
    clickAt(*m_window, 4000, kBarMiddles[3]);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->answerBar(), 1);
    QCOMPARE(m_window->timeDigits->text(), QStringLiteral("06.25 "));
    QCOMPARE(m_window->answersGiven(), 4);

    // Three dark red cells hanging from the line, then a green one on it.
    for (int n = 0; n < 4; ++n) {
        const kit::PictureBox* cell = m_window->answerCells[std::size_t(n)];
        const bool right = n == 3;
        QCOMPARE(cell->geometry(), kit::twipsRect(150 + 120 * n, right ? 4590 : 4890, 135, 255));
        QCOMPARE(cell->backColor(), right ? QColor(0, 180, 0) : QColor(111, 0, 0));
    }
    QCOMPARE(m_window->answerCells[4]->height(), 0);
}

void TestMatchTextWindow::newQuestionButtonFillsNothing() {
    open(question({1, 2, 3, 4, 5}, 0, 6));
    clickAt(*m_window, 4000, kBarMiddles[2]); // one wrong answer first
    const QList<double> next = question({9, 9, 9, 9, 9}, 4, 100);
    m_script.draws.assign(next.begin(), next.end());
    clickAt(*m_window, 8040, 770);
    QVERIFY(m_script.draws.empty());
    QCOMPARE(m_window->phraseBars[4]->text(), phrase(100));
    QCOMPARE(m_window->timeDigits->text(), QStringLiteral("08.20 "));
    QCOMPARE(m_window->answersGiven(), 1);
    QCOMPARE(m_window->answerCells[1]->height(), 0);
}

void TestMatchTextWindow::sameWordsOnAnotherBarAreWrong() {
    open(question({30, 30, 30, 30, 30}, 1, 30));
    for (const kit::Label* bar : m_window->phraseBars)
        QCOMPARE(bar->text(), phrase(30));
    clickAt(*m_window, 4000, kBarMiddles[0]);
    QCOMPARE(m_script.drawsTaken, 7);
    QCOMPARE(m_window->answerCells[0]->backColor(), QColor(111, 0, 0));
    QCOMPARE(m_window->answerCells[0]->y(), kit::px(4890));
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
        m_window->answer(1);
    QCOMPARE(m_window->answerCells[67]->height(), 0);
    clickAt(*m_window, 4000, kBarMiddles[3]);
    QCOMPARE(m_window->answersGiven(), 68);
    QCOMPARE(m_window->answerCells[67]->geometry(), kit::twipsRect(8190, 4890, 135, 255));
    QCOMPARE(m_window->answerCells[67]->backColor(), QColor(111, 0, 0));

    // The 69th answer, a right one: the strip empties and cell 0 goes green
    // on the line, although it hung below it in the round before.
    m_script.draws.assign(7, 0.0);
    clickAt(*m_window, 4000, kBarMiddles[0]);
    QCOMPARE(m_window->answersGiven(), 1);
    QCOMPARE(m_window->answerCells[0]->geometry(), kit::twipsRect(150, 4590, 135, 255));
    QCOMPARE(m_window->answerCells[0]->backColor(), QColor(0, 180, 0));
    for (int n = 1; n < 68; ++n)
        QCOMPARE(m_window->answerCells[std::size_t(n)]->height(), 0);
    m_window->answer(3);
    QCOMPARE(m_window->answerCells[1]->geometry(), kit::twipsRect(270, 4890, 135, 255));
}

void TestMatchTextWindow::windowShowsBannerBarsAndStrip() {
    open(question({1, 2, 3, 4, 5}, 0, 6));
    m_window->answer(1);
    const QList<double> next = question({3, 3, 3, 3, 3}, 2, 3); // "Un quart d'una"
    m_script.draws.assign(next.begin(), next.end());
    m_window->answer(0);
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
    for (const kit::Label* bar : m_window->phraseBars) {
        const QRect inside = bar->geometry().adjusted(1, 1, -1, -1);
        bool text = false;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            text = text || shot.pixelColor(x, inside.center().y()) == QColor(224, 224, 224);
            QCOMPARE(shot.pixelColor(x, inside.bottom()), bar->palette().color(QPalette::Window));
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
    QCOMPARE(name(m_window->timeDigits), QStringLiteral("12.15 "));
    QCOMPARE(name(m_window->phraseBars[2]), QStringLiteral("Un quart d'una"));
    QCOMPARE(name(m_window->phraseBars[0]), phrase(1));
    QCOMPARE(name(m_window->speakButton), QStringLiteral("Escolta l'hora"));
    QCOMPARE(name(m_window->newQuestionButton), QStringLiteral(">>>>>"));
}

QTEST_MAIN(TestMatchTextWindow)
#include "test_match_text_window.moc"
