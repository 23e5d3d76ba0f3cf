#include "activities/write_time_window.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/text_box.h"
#include "kit/window_frames.h"
#include "tests/activities/scripted_seams.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>

namespace {

constexpr int kLesTres = 36;    // "03.00 Les tres"
constexpr int kUnQuart = 3;     // "12.15 Un quart d'una"
constexpr int kTresQuarts = 45; // "03.45 tres quarts de quatre"

double row(int r) {
    return (r + 0.5) / 144;
}

const QColor kGrey(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kMaroon(128, 0, 0);

// Keys as the child presses them: "<Left>" and the like are one key, any
// other text is typed character by character.
void press(QWidget* box, const QStringList& keys) {
    static const QHash<QString, Qt::Key> named{{"<Left>", Qt::Key_Left},
                                               {"<Right>", Qt::Key_Right},
                                               {"<Home>", Qt::Key_Home},
                                               {"<End>", Qt::Key_End},
                                               {"<F1>", Qt::Key_F1},
                                               {"<Shift>", Qt::Key_Shift},
                                               {"<Backspace>", Qt::Key_Backspace}};
    for (const QString& key : keys) {
        if (named.contains(key))
            QTest::keyClick(box, named.value(key));
        else
            QTest::keyClicks(box, key);
    }
}

} // namespace

class TestWriteTimeWindow final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensWithItsLayout();
    void handsShowTheQuestion_data();
    void handsShowTheQuestion();
    void typing_data();
    void typing();
    void heldKeyLeavesNoWrongLetters();
    void helpShowsTheAnswerAndTheSolveTurnsMaroon_data();
    void helpShowsTheAnswerAndTheSolveTurnsMaroon();
    void skippingKeepsTheAnswersButNotTheHelp_data();
    void skippingKeepsTheAnswersButNotTheHelp();
    void barsFillFromTheBottomAndTheCountGoesOn();
    void faceButtonsChangeOnlyTheFace();
    void clockSpeaksTheQuestion();
    void activationListsFontsOnceAndFocusesTheAnswer();
    void choosingAFontChangesOnlyTheFace();

private:
    void open(std::initializer_list<double> draws);
    void solve(const QString& typed);
    QColor barPixel(int index) const;

    Script m_script;
    WriteTimeWindow* m_window = nullptr;
};

void TestWriteTimeWindow::init() {
    m_script = Script();
}

void TestWriteTimeWindow::cleanup() {
    QVERIFY(!m_script.ranOut);
    delete m_window;
    m_window = nullptr;
}

void TestWriteTimeWindow::open(std::initializer_list<double> draws) {
    m_script.draws.assign(draws);
    m_window = new WriteTimeWindow(m_script.seams());
    // As the menu opens it; without a window manager nothing else activates it.
    kit::showWindow(*m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTRY_VERIFY(m_window->answerBox->hasFocus());
}

void TestWriteTimeWindow::solve(const QString& typed) {
    const int before = m_window->solvedCount();
    QTest::keyClicks(m_window->answerBox, typed);
    QCOMPARE(m_window->solvedCount(), before + 1);
}

QColor TestWriteTimeWindow::barPixel(int index) const {
    const QWidget* bar = m_window->bars[std::size_t(index)];
    return m_window->grab().toImage().pixelColor(bar->mapTo(m_window, bar->rect().center()));
}

void TestWriteTimeWindow::opensWithItsLayout() {
    open({row(kLesTres)});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Escriu la hora"));
    QCOMPARE(m_window->size(), QSize(644, 377));
    QCOMPARE(m_window->clock->geometry(), QRect(200, 72, 216, 213));
    QCOMPARE(m_window->clock->innerSize(), QSize(212, 209));
    QCOMPARE(m_window->answerBox->geometry(), QRect(25, 318, 611, 52));
    QCOMPARE(m_window->answerBox->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(m_window->prompt->text(), QStringLiteral("Escriu la hora que marca el rellotge"));
    QCOMPARE(m_window->bars[0]->mapTo(m_window, QPoint()), QPoint(515, 288));
    QCOMPARE(m_window->bars[40]->mapTo(m_window, QPoint()), QPoint(515, 48));
    for (int i = 0; i < WriteTimeWindow::kBars; ++i)
        QCOMPARE(m_window->bars[std::size_t(i)]->backColor(), kGrey);
    QCOMPARE(barPixel(0), kGrey);
    QCOMPARE(m_window->question(), QStringLiteral(" Les tres"));
    QVERIFY(m_window->answerBox->text().isEmpty() && m_window->helpAnswer->text().isEmpty());
    // Every control without a caption of its own tells a screen reader what it is.
    QCOMPARE(m_window->clock->accessibleName(), QStringLiteral("Escolta l'hora"));
    QCOMPARE(m_window->faceButtons[4]->accessibleName(), QStringLiteral("Esfera 5"));
    QVERIFY(!m_window->skipArea->accessibleName().isEmpty());
    QVERIFY(!m_window->barColumn->accessibleName().isEmpty());
    // The invisible skip area is what a click at its place reaches.
    const QPoint spot = m_window->skipArea->geometry().center();
    QCOMPARE(m_window->childAt(spot), m_window->skipArea);
    QVERIFY(m_script.spoken.empty());
}

void TestWriteTimeWindow::handsShowTheQuestion_data() {
    QTest::addColumn<int>("drawn");
    QTest::addColumn<double>("hourAngle");
    QTest::addColumn<QPointF>("minuteTip");
    QTest::newRow("12.15 a quarter past twelve") << kUnQuart << 7.5 << QPointF(199, 107);
    QTest::newRow("03.00 three o'clock") << kLesTres << 90.0 << QPointF(107, 15);
    QTest::newRow("03.45 a quarter to four") << kTresQuarts << 112.5 << QPointF(15, 107);
}

void TestWriteTimeWindow::handsShowTheQuestion() {
    QFETCH(int, drawn);
    QFETCH(double, hourAngle);
    QFETCH(QPointF, minuteTip);
    open({row(drawn)});
    QCOMPARE(m_window->questionRow(), drawn);
    const QPointF hourTip = core::handTip({107, 107}, 63, hourAngle);
    QVERIFY_TIP(m_window->hourHand, hourTip.x(), hourTip.y());
    QVERIFY_TIP(m_window->minuteHand, minuteTip.x(), minuteTip.y());
    QCOMPARE(QPointF(m_window->hourHand->x2(), m_window->hourHand->y2()), QPointF(107, 107));
    QCOMPARE(QPointF(m_window->minuteHand->x2(), m_window->minuteHand->y2()), QPointF(107, 107));
}

void TestWriteTimeWindow::typing_data() {
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("dropped"); // text that arrived without keys
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("solved");

    // clang-format off
    QTest::newRow("small letters solve") << kLesTres << "" << QStringList{"les tres"} << "" << 0 << 1;
    QTest::newRow("L, e, x leaves Le") << kLesTres << "" << QStringList{"Lex"} << "Le" << 2 << 0;
    QTest::newRow("every wrong letter goes") << kLesTres << "" << QStringList{"Lxeqs"} << "Les" << 3 << 0;
    QTest::newRow("wrong letter in the middle goes, the rest stays")
        << kLesTres << "" << QStringList{"Les t", "<Left>", "<Left>", "<Left>", "x"} << "Les t" << 2 << 0;
    QTest::newRow("right letter in the middle stays")
        << kLesTres << "" << QStringList{"Les", "<Left>", "<Backspace>", "e"} << "Les" << 2 << 0;
    QTest::newRow("the space must be typed") << kLesTres << "" << QStringList{"Lest"} << "Les" << 3 << 0;
    QTest::newRow("the apostrophe must be typed")
        << kUnQuart << "" << QStringList{"Un quart du"} << "Un quart d" << 10 << 0;
    QTest::newRow("spaces and apostrophe typed solve")
        << kUnQuart << "" << QStringList{"UN QUART D'UNA"} << "" << 0 << 1;
    QTest::newRow("caret at the start compares nothing")
        << kLesTres << "xyz" << QStringList{"<Home>"} << "xyz" << 0 << 0;
    QTest::newRow("a key that types nothing still checks")
        << kLesTres << "xyz" << QStringList{"<Shift>"} << "xy" << 2 << 0;
    QTest::newRow("a dropped phrase solves on the next key")
        << kLesTres << "les tres" << QStringList{"<Left>"} << "" << 0 << 1;
    // clang-format on
}

void TestWriteTimeWindow::typing() {
    QFETCH(int, drawn);
    QFETCH(QString, dropped);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, solved);
    open({row(drawn), row(kUnQuart)});
    m_window->answerBox->setText(dropped);
    press(m_window->answerBox, keys);
    QCOMPARE(m_window->answerBox->text(), text);
    QCOMPARE(m_window->answerBox->cursorPosition(), caret);
    QCOMPARE(m_window->solvedCount(), solved);
    QCOMPARE(m_script.drawsTaken, 1 + solved);
    QCOMPARE(m_window->bars[0]->backColor(), solved ? kYellow : kGrey);
    m_script.draws.clear(); // the second draw was only there for a solve
}

void TestWriteTimeWindow::heldKeyLeavesNoWrongLetters() {
    open({row(kLesTres)});
    QTest::keyClicks(m_window->answerBox, "Le");
    // Holding x: the platform repeats press and release until the key is let go.
    const auto send = [this](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), repeat);
        QCoreApplication::sendEvent(m_window->answerBox, &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 4; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
    QCOMPARE(m_window->answerBox->text(), QStringLiteral("Le"));
}

void TestWriteTimeWindow::helpShowsTheAnswerAndTheSolveTurnsMaroon_data() {
    QTest::addColumn<bool>("button");
    QTest::newRow("F1") << false;
    QTest::newRow("help button") << true;
}

void TestWriteTimeWindow::helpShowsTheAnswerAndTheSolveTurnsMaroon() {
    QFETCH(bool, button);
    open({row(kUnQuart), row(kLesTres)});
    QTest::keyClicks(m_window->answerBox, "Un q");
    if (button)
        QTest::mouseClick(m_window->helpButton, Qt::LeftButton);
    else
        QTest::keyClick(m_window->answerBox, Qt::Key_F1);
    QCOMPARE(m_window->helpAnswer->text(), QStringLiteral(" Un quart d'una"));
    QVERIFY(m_window->helped());
    QVERIFY(m_window->answerBox->hasFocus());
    QCOMPARE(m_window->answerBox->text(), QStringLiteral("Un q"));

    solve("uart d'una");
    QCOMPARE(m_window->bars[0]->backColor(), kMaroon);
    QCOMPARE(barPixel(0), kMaroon);
    QVERIFY(m_window->helpAnswer->text().isEmpty());
    QVERIFY(m_window->answerBox->text().isEmpty());
    QVERIFY(!m_window->helped());
    QCOMPARE(m_window->question(), QStringLiteral(" Les tres"));
}

void TestWriteTimeWindow::skippingKeepsTheAnswersButNotTheHelp_data() {
    QTest::addColumn<bool>("button");
    QTest::newRow("skip button") << true;
    QTest::newRow("skip area") << false;
}

void TestWriteTimeWindow::skippingKeepsTheAnswersButNotTheHelp() {
    QFETCH(bool, button);
    open({row(kUnQuart), row(kLesTres), row(kUnQuart)});
    QTest::keyClicks(m_window->answerBox, "Un");
    QTest::keyClick(m_window->answerBox, Qt::Key_F1);
    if (button)
        QTest::mouseClick(m_window->skipButton, Qt::LeftButton);
    else
        QTest::mouseClick(m_window->skipArea, Qt::LeftButton);
    QCOMPARE(m_window->question(), QStringLiteral(" Les tres"));
    QCOMPARE(m_window->helpAnswer->text(), QStringLiteral(" Un quart d'una"));
    QCOMPARE(m_window->answerBox->text(), QStringLiteral("Un"));
    QVERIFY(!m_window->helped());
    QCOMPARE(m_window->solvedCount(), 0);
    QCOMPARE(m_window->bars[0]->backColor(), kGrey);

    // The new question, solved alone, is yellow.
    m_window->answerBox->setFocus();
    QTest::keyClick(m_window->answerBox, Qt::Key_Backspace);
    QTest::keyClick(m_window->answerBox, Qt::Key_Backspace);
    solve("les tres");
    QCOMPARE(m_window->bars[0]->backColor(), kYellow);
}

void TestWriteTimeWindow::barsFillFromTheBottomAndTheCountGoesOn() {
    open({row(kLesTres)});
    // Every other question with help, so each bar shows which solve it was.
    for (int i = 0; i < 42; ++i) {
        m_script.draws = {row(i % 2 ? kLesTres : kUnQuart)};
        if (i % 2)
            QTest::keyClick(m_window->answerBox, Qt::Key_F1);
        solve(m_window->question().mid(1));
        if (i == 0) {
            QCOMPARE(barPixel(0), kYellow);
            QCOMPARE(barPixel(1), kGrey);
        }
    }
    QCOMPARE(m_window->solvedCount(), 42);
    QCOMPARE(m_script.drawsTaken, 43);
    QCOMPARE(m_window->question(), QStringLiteral(" Les tres"));
    const QImage shot = m_window->grab().toImage();
    for (int i = 0; i < WriteTimeWindow::kBars; ++i) {
        const QWidget* bar = m_window->bars[std::size_t(i)];
        QCOMPARE(shot.pixelColor(bar->mapTo(m_window, bar->rect().center())),
                 i % 2 ? kMaroon : kYellow);
    }
}

void TestWriteTimeWindow::faceButtonsChangeOnlyTheFace() {
    open({row(kTresQuarts)});
    const QImage atLoad = m_window->clock->bitmap().toImage();
    const QPointF hourTip(m_window->hourHand->x1(), m_window->hourHand->y1());
    std::array<QImage, WriteTimeWindow::kFaces> faces;
    for (int i = WriteTimeWindow::kFaces - 1; i >= 0; --i) {
        QTest::mouseClick(m_window->faceButtons[std::size_t(i)], Qt::LeftButton);
        QVERIFY(m_window->answerBox->hasFocus());
        faces[std::size_t(i)] = m_window->clock->bitmap().toImage();
        QCOMPARE(faces[std::size_t(i)].size(), QSize(212, 209));
    }
    QCOMPARE(faces[0], atLoad);
    QCOMPARE(faces[2], faces[4]);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            QVERIFY2(faces[std::size_t(i)] != faces[std::size_t(j)],
                     qPrintable(QString::number(j)));
    QVERIFY_TIP(m_window->hourHand, hourTip.x(), hourTip.y());
    // The hands are drawn over the new face.
    QCOMPARE(m_window->clock->surface().pixelColor(15 + 10, 107), QColor(192, 0, 0));
}

void TestWriteTimeWindow::clockSpeaksTheQuestion() {
    open({row(kUnQuart)});
    QTest::mouseClick(m_window->clock, Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Un quart d'una"));
    QCOMPARE(m_script.spoken[0].volume, 120);
}

void TestWriteTimeWindow::activationListsFontsOnceAndFocusesTheAnswer() {
    open({row(kLesTres)});
    const QStringList families = QFontDatabase::families();
    QVERIFY(!families.isEmpty());
    QCOMPARE(m_window->fontList->count(), families.size());
    QCOMPARE(m_window->fontList->currentText(), families.first());
    const QPoint centred = m_window->pos();
    const QFont answerFont = m_window->answerBox->font();

    QWidget other;
    for (int round = 0; round < 2; ++round) {
        m_window->fontList->setCurrentIndex(families.size() - 1);
        m_window->helpButton->setFocus();
        m_window->move(centred + QPoint(40, 30));
        kit::showWindow(other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        kit::showWindow(*m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QCOMPARE(m_window->fontList->count(), families.size());
        QCOMPARE(m_window->fontList->currentIndex(), 0);
        QTRY_VERIFY(m_window->answerBox->hasFocus());
        QCOMPARE(m_window->pos(), centred);
    }
    // Choosing the first entry by activation is not the child's choice.
    QCOMPARE(m_window->answerBox->font(), answerFont);
}

void TestWriteTimeWindow::choosingAFontChangesOnlyTheFace() {
    open({row(kLesTres)});
    QVERIFY(m_window->fontList->count() >= 2);
    m_window->fontList->setFocus();
    QTest::keyClick(m_window->fontList, Qt::Key_Down);
    const QFont font = m_window->answerBox->font();
    QCOMPARE(font.family(), m_window->fontList->itemText(1));
    QCOMPARE(font.pointSizeF(), 27.75);
    QVERIFY(font.bold());
}

QTEST_MAIN(TestWriteTimeWindow)
#include "test_write_time_window.moc"
