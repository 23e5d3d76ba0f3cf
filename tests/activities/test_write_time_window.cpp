// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/write_time_window.h"
#include "core/phrases.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/text_box.h"
#include "kit/window_frames.h"
#include "tests/activities/scripted_seams.h"
#include "tests/widget_lookup.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>

namespace {

constexpr int kLesTres = 36;    // "03.00 Les tres"
constexpr int kUnQuart = 3;     // "12.15 Un quart d'una"
constexpr int kTresQuarts = 45; // "03.45 tres quarts de quatre"
constexpr int kBars = core::kWriteTimeBars;
constexpr int kFaces = int(core::kWriteTimeFaces.size());

double row(int r) {
    return (r + 0.5) / 144;
}

// The phrase of a row as the child types it, without the leading blank.
QString phrase(int r) {
    return core::rowTail(core::phraseList().value(r)).mid(1);
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
    void skippingStartsAFreshQuestion_data();
    void skippingStartsAFreshQuestion();
    void barsFillFromTheBottomAndTheCountGoesOn();
    void faceButtonsChangeOnlyTheFace();
    void clockSpeaksTheQuestion();
    void activationListsFontsOnceAndFocusesTheAnswer();
    void choosingAFontChangesOnlyTheFace();
    void tabGoesInReadingOrderAndNeverToTheHiddenFontList();
    void aQuestionSolvedWithKeysOnly();

private:
    void open(std::initializer_list<double> draws);
    void solve(const QString& typed);
    template <class T> T* widget(const char* name) const {
        return child<T>(*m_window, QString::fromLatin1(name));
    }
    kit::TextBox* answerBox() const { return widget<kit::TextBox>("answerBox"); }
    kit::TextBox* helpAnswer() const { return widget<kit::TextBox>("helpAnswer"); }
    kit::PictureBox* clock() const { return widget<kit::PictureBox>("clock"); }
    kit::LineWidget* hand(const char* name) const { return widget<kit::LineWidget>(name); }
    kit::PictureBox* bar(int index) const {
        return child<kit::PictureBox>(*m_window, "bars", index);
    }
    QPushButton* faceButton(int index) const {
        return child<QPushButton>(*m_window, "faceButtons", index);
    }
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
    QTRY_VERIFY(answerBox()->hasFocus());
}

// A solve empties the answer box and draws the next question.
void TestWriteTimeWindow::solve(const QString& typed) {
    const int drawsBefore = m_script.drawsTaken;
    QTest::keyClicks(answerBox(), typed);
    QCOMPARE(m_script.drawsTaken, drawsBefore + 1);
    QVERIFY(answerBox()->text().isEmpty());
}

QColor TestWriteTimeWindow::barPixel(int index) const {
    const QWidget* b = bar(index);
    return m_window->grab().toImage().pixelColor(b->mapTo(m_window, b->rect().center()));
}

void TestWriteTimeWindow::opensWithItsLayout() {
    open({row(kLesTres)});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Escriu la hora"));
    QCOMPARE(m_window->size(), QSize(644, 377));
    QCOMPARE(clock()->geometry(), QRect(200, 72, 216, 213));
    QCOMPARE(clock()->innerSize(), QSize(212, 209));
    QCOMPARE(answerBox()->geometry(), QRect(25, 318, 611, 52));
    QCOMPARE(answerBox()->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(widget<kit::Label>("prompt")->text(),
             QStringLiteral("Escriu la hora que marca el rellotge"));
    QCOMPARE(bar(0)->mapTo(m_window, QPoint()), QPoint(515, 288));
    QCOMPARE(bar(40)->mapTo(m_window, QPoint()), QPoint(515, 48));
    for (int i = 0; i < kBars; ++i)
        QCOMPARE(bar(i)->backColor(), kGrey);
    QCOMPARE(barPixel(0), kGrey);
    QVERIFY_TIP(hand("minuteHand"), 107, 15); // three o'clock, " Les tres"
    QVERIFY(answerBox()->text().isEmpty() && helpAnswer()->text().isEmpty());
    // Every control without a caption of its own tells a screen reader what it is.
    QCOMPARE(clock()->accessibleName(), QStringLiteral("Escolta l'hora"));
    QCOMPARE(QAccessible::queryAccessibleInterface(clock())->role(), QAccessible::Button);
    QCOMPARE(faceButton(4)->accessibleName(), QStringLiteral("Esfera 5"));
    QVERIFY(!widget<QPushButton>("skipButton")->toolTip().isEmpty());
    QVERIFY(!widget<kit::Label>("skipArea")->accessibleName().isEmpty());
    QVERIFY(!widget<QWidget>("barColumn")->accessibleName().isEmpty());
    // The invisible skip area is what a click at its place reaches.
    const QPoint spot = widget<kit::Label>("skipArea")->geometry().center();
    QCOMPARE(m_window->childAt(spot), widget<kit::Label>("skipArea"));
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
    const QPointF hourTip = core::handTip({107, 107}, 63, hourAngle);
    QVERIFY_TIP(hand("hourHand"), hourTip.x(), hourTip.y());
    QVERIFY_TIP(hand("minuteHand"), minuteTip.x(), minuteTip.y());
    QCOMPARE(QPointF(hand("hourHand")->x2(), hand("hourHand")->y2()), QPointF(107, 107));
    QCOMPARE(QPointF(hand("minuteHand")->x2(), hand("minuteHand")->y2()), QPointF(107, 107));
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
    answerBox()->setText(dropped);
    press(answerBox(), keys);
    QCOMPARE(answerBox()->text(), text);
    QCOMPARE(answerBox()->cursorPosition(), caret);
    QCOMPARE(m_script.drawsTaken, 1 + solved);
    QCOMPARE(bar(0)->backColor(), solved ? kYellow : kGrey);
    QCOMPARE(bar(1)->backColor(), kGrey);
    m_script.draws.clear(); // the second draw was only there for a solve
}

void TestWriteTimeWindow::heldKeyLeavesNoWrongLetters() {
    open({row(kLesTres)});
    QTest::keyClicks(answerBox(), "Le");
    // Holding x: the platform repeats press and release until the key is let go.
    const auto send = [this](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), repeat);
        QCoreApplication::sendEvent(answerBox(), &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 4; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
    QCOMPARE(answerBox()->text(), QStringLiteral("Le"));
}

void TestWriteTimeWindow::helpShowsTheAnswerAndTheSolveTurnsMaroon_data() {
    QTest::addColumn<bool>("button");
    QTest::newRow("F1") << false;
    QTest::newRow("help button") << true;
}

void TestWriteTimeWindow::helpShowsTheAnswerAndTheSolveTurnsMaroon() {
    QFETCH(bool, button);
    open({row(kUnQuart), row(kLesTres), row(kUnQuart)});
    QTest::keyClicks(answerBox(), "Un q");
    if (button)
        QTest::mouseClick(widget<QPushButton>("helpButton"), Qt::LeftButton);
    else
        QTest::keyClick(answerBox(), Qt::Key_F1);
    QCOMPARE(helpAnswer()->text(), QStringLiteral(" Un quart d'una"));
    QVERIFY(answerBox()->hasFocus());
    QCOMPARE(answerBox()->text(), QStringLiteral("Un q"));

    solve("uart d'una");
    QCOMPARE(bar(0)->backColor(), kMaroon);
    QCOMPARE(barPixel(0), kMaroon);
    QVERIFY(helpAnswer()->text().isEmpty());
    // The next question starts without help.
    solve(phrase(kLesTres));
    QCOMPARE(bar(1)->backColor(), kYellow);
}

void TestWriteTimeWindow::skippingStartsAFreshQuestion_data() {
    QTest::addColumn<bool>("button");
    QTest::newRow("skip button") << true;
    QTest::newRow("skip area") << false;
}

// Letters left from the last question were never checked again, so the new
// one could not be solved, and its help showed the old answer.
void TestWriteTimeWindow::skippingStartsAFreshQuestion() {
    QFETCH(bool, button);
    open({row(kUnQuart), row(kLesTres), row(kUnQuart)});
    QTest::keyClicks(answerBox(), "Un");
    QTest::keyClick(answerBox(), Qt::Key_F1);
    if (button)
        QTest::mouseClick(widget<QPushButton>("skipButton"), Qt::LeftButton);
    else
        QTest::mouseClick(widget<kit::Label>("skipArea"), Qt::LeftButton);
    QVERIFY_TIP(hand("minuteHand"), 107, 15); // " Les tres"
    QCOMPARE(answerBox()->text(), QString());
    QCOMPARE(helpAnswer()->text(), QString());
    QCOMPARE(bar(0)->backColor(), kGrey);

    // The new question, solved straight away and alone, is yellow.
    answerBox()->setFocus();
    solve(phrase(kLesTres));
    QCOMPARE(bar(0)->backColor(), kYellow);
}

void TestWriteTimeWindow::barsFillFromTheBottomAndTheCountGoesOn() {
    open({row(kLesTres)});
    // Every other question with help, so each bar shows which solve it was.
    int asked = kLesTres;
    for (int i = 0; i < 42; ++i) {
        const int next = i % 2 ? kLesTres : kUnQuart;
        m_script.draws = {row(next)};
        if (i % 2)
            QTest::keyClick(answerBox(), Qt::Key_F1);
        solve(phrase(asked));
        asked = next;
        if (i == 0) {
            QCOMPARE(barPixel(0), kYellow);
            QCOMPARE(barPixel(1), kGrey);
        }
    }
    QCOMPARE(m_script.drawsTaken, 43);
    QVERIFY_TIP(hand("minuteHand"), 107, 15); // " Les tres"
    const QImage shot = m_window->grab().toImage();
    for (int i = 0; i < kBars; ++i) {
        const QWidget* b = bar(i);
        QCOMPARE(shot.pixelColor(b->mapTo(m_window, b->rect().center())),
                 i % 2 ? kMaroon : kYellow);
    }
}

void TestWriteTimeWindow::faceButtonsChangeOnlyTheFace() {
    open({row(kTresQuarts)});
    const QImage atLoad = clock()->bitmap().toImage();
    const QPointF hourTip(hand("hourHand")->x1(), hand("hourHand")->y1());
    std::array<QImage, kFaces> faces;
    for (int i = kFaces - 1; i >= 0; --i) {
        QTest::mouseClick(faceButton(i), Qt::LeftButton);
        QVERIFY(answerBox()->hasFocus());
        faces[std::size_t(i)] = clock()->bitmap().toImage();
        QCOMPARE(faces[std::size_t(i)].size(), QSize(212, 209));
    }
    QCOMPARE(faces[0], atLoad);
    QCOMPARE(faces[2], faces[4]);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            QVERIFY2(faces[std::size_t(i)] != faces[std::size_t(j)],
                     qPrintable(QString::number(j)));
    QVERIFY_TIP(hand("hourHand"), hourTip.x(), hourTip.y());
    // The hands are drawn over the new face.
    QCOMPARE(clock()->surface().pixelColor(15 + 10, 107), QColor(192, 0, 0));
}

void TestWriteTimeWindow::clockSpeaksTheQuestion() {
    open({row(kUnQuart)});
    QTest::mouseClick(clock(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Un quart d'una"));
    QCOMPARE(m_script.spoken[0].volume, 120);
    // The child goes on typing where the letters were going.
    QVERIFY(answerBox()->hasFocus());
}

void TestWriteTimeWindow::activationListsFontsOnceAndFocusesTheAnswer() {
    open({row(kLesTres)});
    auto* fontList = widget<QComboBox>("fontList");
    const QStringList families = QFontDatabase::families();
    QVERIFY(!families.isEmpty());
    QCOMPARE(fontList->count(), families.size());
    QCOMPARE(fontList->currentText(), families.first());
    const QPoint centred = m_window->pos();
    const QFont answerFont = answerBox()->font();

    QWidget other;
    for (int round = 0; round < 2; ++round) {
        fontList->setCurrentIndex(families.size() - 1);
        widget<QPushButton>("helpButton")->setFocus();
        m_window->move(centred + QPoint(40, 30));
        kit::showWindow(other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        kit::showWindow(*m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QCOMPARE(fontList->count(), families.size());
        QCOMPARE(fontList->currentIndex(), 0);
        QTRY_VERIFY(answerBox()->hasFocus());
        QCOMPARE(m_window->pos(), centred);
    }
    // Choosing the first entry by activation is not the child's choice.
    QCOMPARE(answerBox()->font(), answerFont);
}

void TestWriteTimeWindow::choosingAFontChangesOnlyTheFace() {
    open({row(kLesTres)});
    auto* fontList = widget<QComboBox>("fontList");
    QVERIFY(fontList->count() >= 2);
    // With the mouse: a click opens the list, a click on a name chooses it.
    QTest::mouseClick(fontList, Qt::LeftButton);
    QAbstractItemView* names = fontList->view();
    QTRY_VERIFY(names->isVisible());
    // The list ignores a release as quick as a double click after it opened.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QPoint second = names->visualRect(names->model()->index(1, 0)).center();
    QTest::mouseMove(names->viewport(), second);
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, second);
    QTRY_VERIFY(!names->isVisible());
    const QFont font = answerBox()->font();
    QCOMPARE(font.family(), fontList->itemText(1));
    QCOMPARE(font.pointSizeF(), 27.75);
    QVERIFY(font.bold());
}

// Tab from the answer box once went to the font list below the window, where
// the arrow keys changed the answer's letters unseen.
void TestWriteTimeWindow::tabGoesInReadingOrderAndNeverToTheHiddenFontList() {
    open({row(kLesTres)});
    const QList<QWidget*> expected{widget<QPushButton>("helpButton"),
                                   helpAnswer(),
                                   widget<QPushButton>("skipButton"),
                                   clock(),
                                   faceButton(0),
                                   faceButton(1),
                                   faceButton(2),
                                   faceButton(3),
                                   faceButton(4),
                                   answerBox()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // A focused face button is marked by the ring around it, gone once the
    // focus moves on.
    auto* ring = widget<QWidget>("outsideFocusRing");
    QTest::keyClick(answerBox(), Qt::Key_Backtab);
    QVERIFY(ring->isVisible());
    QCOMPARE(m_window->grab().toImage().pixelColor(faceButton(4)->geometry().center() +
                                                   QPoint(0, -faceButton(4)->height() / 2 - 3)),
             QColor(255, 221, 0));
    QTest::keyClick(faceButton(4), Qt::Key_Tab);
    QVERIFY(!ring->isVisible());
}

void TestWriteTimeWindow::aQuestionSolvedWithKeysOnly() {
    open({row(kUnQuart), row(kTresQuarts), row(kLesTres)});
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    // Back to the clock, which says the question.
    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), clock());
    key(Qt::Key_Space);
    QCOMPARE(m_script.spoken.size(), std::size_t(1));
    QCOMPARE(m_script.spoken[0].text, QStringLiteral(" Un quart d'una"));
    // The skip button by Space: a new question, the typing goes on there.
    key(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), widget<QPushButton>("skipButton"));
    key(Qt::Key_Space);
    QVERIFY_TIP(hand("minuteHand"), 15, 107); // " tres quarts de quatre"
    QCOMPARE(QApplication::focusWidget(), answerBox());
    // The fourth face: along the row with the arrows, pressed with Enter.
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), faceButton(0));
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), faceButton(3));
    const QImage before = clock()->bitmap().toImage();
    key(Qt::Key_Return);
    QVERIFY(clock()->bitmap().toImage() != before);
    QCOMPARE(QApplication::focusWidget(), answerBox());
    // Help by Enter on its button, then the phrase typed.
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget<QPushButton>("helpButton"));
    key(Qt::Key_Enter);
    QCOMPARE(helpAnswer()->text(), QStringLiteral(" tres quarts de quatre"));
    QCOMPARE(QApplication::focusWidget(), answerBox());
    QTest::keyClicks(answerBox(), phrase(kTresQuarts));
    QCOMPARE(bar(0)->backColor(), kMaroon);
    QCOMPARE(m_script.drawsTaken, 3);
}

QTEST_MAIN(TestWriteTimeWindow)
#include "test_write_time_window.moc"
