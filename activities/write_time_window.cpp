// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/write_time_window.h"

#include "core/answer_check.h"
#include "core/phrases.h"
#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/pressable.h"
#include "kit/text_box.h"
#include "kit/units.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor kBarGrey = kit::rgb(192, 192, 192);
const QColor kSolvedAlone = kit::rgb(255, 255, 0);
const QColor kSolvedHelped = kit::rgb(128, 0, 0);

// How far the focus ring stands out around a push button.
constexpr int kRingMargin = 6;

QPushButton* button(QWidget& parent, const QString& name, const QString& caption, const QFont& font,
                    const QRect& twips) {
    auto* b = new QPushButton(caption, &parent);
    b->setObjectName(name);
    b->setFont(font);
    b->setGeometry(kit::twipsRect(twips));
    return b;
}

QPixmap face(int index) {
    return kit::picture(QString::fromLatin1(core::kWriteTimeFaces[std::size_t(index)]));
}

} // namespace

WriteTimeWindow::WriteTimeWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)) {
    buildControls();
    buildBars();
    setKeyboardPath();

    connect(m_ui.helpButton, &QPushButton::clicked, this, &WriteTimeWindow::askForHelp);
    connect(m_ui.skipButton, &QPushButton::clicked, this, &WriteTimeWindow::skipQuestion);
    connect(m_ui.skipArea, &kit::Label::clicked, this, &WriteTimeWindow::showNewQuestion);
    connect(m_ui.clock, &kit::PictureBox::clicked, this, &WriteTimeWindow::speakQuestion);
    connect(m_ui.answerBox, &kit::TextBox::keyReleased, this, &WriteTimeWindow::checkAnswer);
    connect(m_ui.fontList, &QComboBox::activated, this, &WriteTimeWindow::useChosenFont);
    for (int i = 0; i < int(m_ui.faceButtons.size()); ++i)
        connect(m_ui.faceButtons[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { showFace(i); });

    kit::centre(*this);
    m_ui.clock->setBitmap(face(0));
    m_phraseTails.reserve(core::kPhraseCount);
    for (const QString& row : core::phraseList())
        m_phraseTails << core::rowTailToEnd(row);
    showNewQuestion();
    // Designed in a proportional face; the letters line up once it is Courier.
    m_ui.answerBox->setFont(kit::font(QStringLiteral("Courier New"), 27.75, true));
}

void WriteTimeWindow::buildControls() {
    const QFont courier = kit::font(QStringLiteral("Courier New"), 21.75, true);

    m_ui.helpButton =
        button(*this, QStringLiteral("helpButton"), QStringLiteral("ajut=F1"),
               kit::font(QStringLiteral("Courier New"), 15.75, true), QRect(105, 60, 1905, 375));
    m_ui.helpButton->setAccessibleName(QStringLiteral("Ajut, F1"));

    m_ui.helpAnswer = new kit::TextBox(this, QStringLiteral("helpAnswer"));
    m_ui.helpAnswer->setFont(courier);
    m_ui.helpAnswer->setAccessibleName(QStringLiteral("Ajut: la resposta"));
    m_ui.helpAnswer->setGeometry(kit::twipsRect(2100, 45, 7470, 570));

    m_ui.skipButton = button(*this, QStringLiteral("skipButton"), QStringLiteral(">>>>>>>>"),
                             kit::font(QStringLiteral("Arial"), 8.25), QRect(120, 450, 1875, 195));
    m_ui.skipButton->setAccessibleName(QStringLiteral("Una altra hora"));
    m_ui.skipButton->setToolTip(QStringLiteral("Passa a una altra hora"));

    m_ui.skipArea = new kit::Label(this, QStringLiteral("skipArea"));
    m_ui.skipArea->setTransparent(true);
    m_ui.skipArea->setAccessibleName(QStringLiteral("Una altra hora"));
    m_ui.skipArea->setGeometry(kit::twipsRect(2235, 690, 1425, 375));

    m_ui.clock = new kit::PictureBox(this, QStringLiteral("clock"));
    // A button before it has a name: naming it makes screen readers look.
    m_ui.clock->makeButton();
    m_ui.clock->setAccessibleName(QStringLiteral("Escolta l'hora"));
    m_ui.clock->setToolTip(QStringLiteral("Escolta l'hora"));
    m_ui.clock->setScale(kit::PictureBox::Scale::Pixels);
    m_ui.clock->setGeometry(kit::twipsRect(3000, 1080, 3240, 3195));
    m_ui.hourHand =
        new kit::LineWidget(m_ui.clock, QStringLiteral("hourHand"), kit::rgb(255, 128, 0), 10);
    m_ui.minuteHand =
        new kit::LineWidget(m_ui.clock, QStringLiteral("minuteHand"), kit::rgb(192, 0, 0), 8);
    m_hands = {{{107, 107}, 63, 92}, m_ui.hourHand, m_ui.minuteHand};

    const QFont small = kit::font(QStringLiteral("Courier New"), 8.25, true);
    for (int i = 0; i < int(m_ui.faceButtons.size()); ++i) {
        QPushButton* faceButton =
            button(*this, QStringLiteral("faceButtons%1").arg(i), QStringLiteral("..."), small,
                   QRect(495 + 630 * i, 4500, 615, 210));
        faceButton->setAccessibleName(QStringLiteral("Esfera %1").arg(i + 1));
        faceButton->setToolTip(QStringLiteral("Canvia l'esfera del rellotge"));
        m_ui.faceButtons[std::size_t(i)] = faceButton;
    }

    m_ui.prompt = new kit::Label(this, QStringLiteral("prompt"),
                                 QStringLiteral("Escriu la hora que marca el rellotge"));
    m_ui.prompt->setFont(kit::font(QStringLiteral("Courier New"), 9.75));
    m_ui.prompt->setColors(kit::rgb(128, 128, 128), kit::rgb(224, 224, 224));
    m_ui.prompt->setAlignment(Qt::AlignCenter);
    m_ui.prompt->setGeometry(kit::twipsRect(3765, 4470, 5745, 255));

    m_ui.answerBox = new kit::TextBox(this, QStringLiteral("answerBox"));
    m_ui.answerBox->setAccessibleName(m_ui.prompt->text());
    m_ui.answerBox->setColors(kit::rgb(0, 0, 64), kit::rgb(255, 255, 255));
    m_ui.answerBox->setAlignment(Qt::AlignCenter);
    m_ui.answerBox->setGeometry(kit::twipsRect(375, 4770, 9165, 780));

    m_ui.fontList = new QComboBox(this);
    m_ui.fontList->setObjectName(QStringLiteral("fontList"));
    m_ui.fontList->setAccessibleName(QStringLiteral("Lletra de la resposta"));
    m_ui.fontList->setFont(kit::font(QStringLiteral("Courier New"), 9.75, true));
    QPalette fontListColours = m_ui.fontList->palette();
    fontListColours.setColor(QPalette::Base, kit::rgb(255, 128, 128));
    fontListColours.setColor(QPalette::Button, kit::rgb(255, 128, 128));
    m_ui.fontList->setPalette(fontListColours);
    m_ui.fontList->setGeometry(kit::twipsRect(4635, 6510, 3705, 360));
}

void WriteTimeWindow::buildBars() {
    // The bars hang in one column that screen readers can name; the column
    // itself paints nothing.
    constexpr int kBars = core::kWriteTimeBars;
    constexpr int kColumnTop = 4320 - 90 * (kBars - 1);
    m_ui.barColumn = new QWidget(this);
    m_ui.barColumn->setObjectName(QStringLiteral("barColumn"));
    m_ui.barColumn->setAccessibleName(QStringLiteral("Preguntes resoltes"));
    m_ui.barColumn->setGeometry(kit::twipsRect(7725, kColumnTop, 1785, 4320 + 75 - kColumnTop));
    for (int i = 0; i < kBars; ++i) {
        auto* bar = new kit::PictureBox(m_ui.barColumn, QStringLiteral("bars%1").arg(i));
        bar->setFramed(false);
        bar->setBackColor(kBarGrey);
        bar->setGeometry(kit::twipsRect(0, 4320 - 90 * i - kColumnTop, 1785, 75));
        m_ui.bars[std::size_t(i)] = bar;
    }
}

void WriteTimeWindow::setKeyboardPath() {
    // A click on the clock only speaks, so it leaves the focus where the
    // child is typing; Tab still reaches it.
    m_ui.clock->setFocusPolicy(Qt::TabFocus);

    // Reading order. The invisible skip area stays out: the skip button
    // beside it does the same.
    std::vector<QWidget*> pushButtons{m_ui.helpButton, m_ui.skipButton};
    std::vector<QWidget*> faceRow;
    QWidget* previous = m_ui.helpButton;
    for (QWidget* next :
         {static_cast<QWidget*>(m_ui.helpAnswer), static_cast<QWidget*>(m_ui.skipButton),
          static_cast<QWidget*>(m_ui.clock)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QPushButton* faceButton : m_ui.faceButtons) {
        setTabOrder(previous, faceButton);
        previous = faceButton;
        pushButtons.push_back(faceButton);
        faceRow.push_back(faceButton);
    }
    setTabOrder(previous, m_ui.answerBox);
    new kit::ArrowKeyGrid(this, {faceRow});
    // The push buttons are a dozen pixels high: the ring goes round them.
    new kit::OutsideFocusRing(pushButtons, kRingMargin);
    keepFontListInReach();
    m_ui.answerBox->setFocus();
}

void WriteTimeWindow::showNewQuestion() {
    m_round.ask(draw(core::kPhraseCount));
    const QString row = core::phraseList().value(m_round.questionRow());
    m_question = core::rowTail(row);
    m_hands.show(core::rowHour(row), core::rowMinute(row));
    // Letters typed for the last question would never be checked again, and
    // its help would give a wrong answer.
    m_ui.answerBox->clear();
    m_ui.helpAnswer->clear();
}

void WriteTimeWindow::checkAnswer(int key) {
    if (key == Qt::Key_F1)
        showHelp();
    const QString text = m_ui.answerBox->text();
    const core::AnswerCheck result =
        core::checkAnswer(m_question, text, m_ui.answerBox->cursorPosition());
    if (result.text != text)
        m_ui.answerBox->setText(result.text);
    if (result.caret != m_ui.answerBox->cursorPosition())
        m_ui.answerBox->setCursorPosition(result.caret);
    if (result.solved)
        countSolved();
}

void WriteTimeWindow::showHelp() {
    m_round.help();
    m_ui.helpAnswer->setText(m_phraseTails.value(m_round.questionRow()));
}

void WriteTimeWindow::askForHelp() {
    showHelp();
    m_ui.answerBox->setFocus();
}

void WriteTimeWindow::skipQuestion() {
    showNewQuestion();
    m_ui.answerBox->setFocus();
}

void WriteTimeWindow::speakQuestion() {
    speak(m_question, core::kGameVolume);
}

void WriteTimeWindow::showFace(int index) {
    m_ui.clock->setBitmap(face(index));
    m_ui.answerBox->setFocus();
}

void WriteTimeWindow::useChosenFont() {
    // Only the face changes; the size and weight stay as designed.
    QFont font = m_ui.answerBox->font();
    font.setFamilies({m_ui.fontList->currentText()});
    m_ui.answerBox->setFont(font);
}

void WriteTimeWindow::countSolved() {
    // Past the top bar the count goes on with nothing left to colour.
    if (const std::optional<core::SolvedBar> bar = m_round.solve())
        m_ui.bars[std::size_t(bar->index)]->setBackColor(bar->helped ? kSolvedHelped
                                                                     : kSolvedAlone);
    showNewQuestion();
}

void WriteTimeWindow::changeEvent(QEvent* event) {
    ActivityWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void WriteTimeWindow::resizeEvent(QResizeEvent* event) {
    ActivityWindow::resizeEvent(event);
    keepFontListInReach();
}

void WriteTimeWindow::activated() {
    kit::centre(*this);
    // The system's families, once: they do not change while the window is
    // open, and listing them again would only repeat every name.
    if (m_ui.fontList->count() == 0)
        m_ui.fontList->addItems(QFontDatabase::families());
    if (m_ui.fontList->count() > 0)
        m_ui.fontList->setCurrentIndex(0);
    m_ui.answerBox->setFocus();
}

void WriteTimeWindow::keepFontListInReach() {
    // Below the client area no one sees the font list; Tab and the arrow keys
    // there would change the answer's letters unseen. The mouse reaches it
    // only where it shows, and so does the keyboard.
    const bool inView = rect().intersects(m_ui.fontList->geometry());
    m_ui.fontList->setFocusPolicy(inView ? Qt::WheelFocus : Qt::NoFocus);
    if (!inView && m_ui.fontList->hasFocus())
        m_ui.answerBox->setFocus();
}
