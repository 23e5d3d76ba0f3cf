// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/match_text_window.h"

#include "core/phrases.h"
#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/pressable.h"
#include "kit/units.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <utility>

namespace {

// The bars, top to bottom, in twips; each gets a darker-to-lighter brown.
constexpr std::array<int, core::kPhraseBars> kBarTops{1020, 1740, 2460, 3150, 3840};
constexpr int kBarLeft = 120;
constexpr int kBarWidth = 8265;
constexpr int kBarHeight = 645;

// The strip: cells 120 twips apart and 135 wide, so neighbours share a pixel.
constexpr int kFirstCellLeft = 150;
constexpr int kCellStep = 120;
constexpr int kCellWidth = 135;
constexpr int kCellHeight = 255;
constexpr int kRightTop = 4590; // standing on the base line
constexpr int kWrongTop = 4890; // hanging from it
constexpr int kBaseLineY = 4890;
constexpr int kBaseLineLeft = 180;
constexpr int kBaseLineRight = 8280;

const QColor kOrange = kit::rgb(255, 128, 0);
const QColor kRightColor = kit::rgb(0, 180, 0);
const QColor kWrongColor = kit::rgb(111, 0, 0);
const QColor kBarText = kit::rgb(224, 224, 224);

// The focus ring drawn round a push button, just outside it.
constexpr int kButtonRingWidth = 6;

QRect cellRect(int cell, int top, int height) {
    return kit::twipsRect(kFirstCellLeft + kCellStep * cell, top, kCellWidth, height);
}

} // namespace

MatchTextWindow::MatchTextWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)),
      m_banner(kit::picture(QStringLiteral("banner_click_text"))) {
    speakButton = new QPushButton(this);
    speakButton->setObjectName(QStringLiteral("speakButton"));
    speakButton->setAccessibleName(QStringLiteral("Escolta l'hora"));
    speakButton->setToolTip(QStringLiteral("Escolta la frase de l'hora"));
    speakButton->setGeometry(kit::twipsRect(180, 570, 4155, 345));

    // No accessible name: a screen reader reads the digits themselves.
    timeDigits = new kit::Label(this, QStringLiteral("timeDigits"));
    timeDigits->setFont(kit::font(QStringLiteral("Courier New"), 48, true));
    timeDigits->setTransparent(true);
    timeDigits->setColors(kit::rgb(0, 0, 0), kOrange);
    timeDigits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    timeDigits->setGeometry(kit::twipsRect(4500, 0, 3135, 945));

    newQuestionButton = new QPushButton(QStringLiteral(">>>>>"), this);
    newQuestionButton->setObjectName(QStringLiteral("newQuestionButton"));
    // A screen reader would spell out the arrows; the name says what it does,
    // and the tip, its description too, adds that nothing is answered.
    newQuestionButton->setAccessibleName(QStringLiteral("Una altra pregunta"));
    newQuestionButton->setToolTip(QStringLiteral("Una altra pregunta, sense respondre"));
    newQuestionButton->setFont(kit::font(QStringLiteral("Arial"), 12, true));
    newQuestionButton->setGeometry(kit::twipsRect(7830, 600, 435, 345));

    const QFont barFont = kit::font(QStringLiteral("Courier New"), 24, true);
    for (int n = 0; n < core::kPhraseBars; ++n) {
        auto* bar = new kit::Label(this, QStringLiteral("phraseBars%1").arg(n));
        bar->setFont(barFont);
        bar->setColors(kBarText, kit::rgb(40 * n, 30 * n, 10 * n));
        // A thin black frame round light text. A plain frame takes the text
        // colour, so this is a one-pixel panel whose two shades are black.
        QPalette shades = bar->palette();
        shades.setColor(QPalette::Light, kit::rgb(0, 0, 0));
        shades.setColor(QPalette::Dark, kit::rgb(0, 0, 0));
        bar->setPalette(shades);
        bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->setLineWidth(1);
        // A framed label indents its text from the aligned edge, the top here.
        bar->setIndent(0);
        bar->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        bar->setGeometry(kit::twipsRect(kBarLeft, kBarTops[std::size_t(n)], kBarWidth, kBarHeight));
        bar->makeButton(); // named by its phrase
        bar->installEventFilter(this);
        connect(bar, &kit::Label::clicked, this, [this, n] { answer(n); });
        phraseBars[std::size_t(n)] = bar;
    }

    for (int n = 0; n < core::kStripCells; ++n)
        answerCells[std::size_t(n)] =
            new kit::PictureBox(this, QStringLiteral("answerCells%1").arg(n));
    showStrip();

    connect(speakButton, &QPushButton::clicked, this, &MatchTextWindow::speakAnswer);
    connect(timeDigits, &kit::Label::clicked, this, &MatchTextWindow::speakAnswer);
    connect(newQuestionButton, &QPushButton::clicked, this, &MatchTextWindow::askQuestion);

    setUpKeyboard();

    kit::centre(*this);
    for (const QString& row : core::phraseList())
        m_phrases << core::rowPhrase(row);
    askQuestion();
}

void MatchTextWindow::setUpKeyboard() {
    // Reading order: the two buttons along the top, then the bars downwards.
    // The digits speak as the blank button does, so the button alone is enough.
    // The style's own focus frame is faint on these small buttons, so the
    // ring the bars wear goes round them; Enter presses them.
    new kit::OutsideFocusRing({speakButton, newQuestionButton}, kButtonRingWidth);
    setTabOrder(speakButton, newQuestionButton);
    setTabOrder(newQuestionButton, phraseBars[0]);
    std::vector<std::vector<QWidget*>> rows;
    for (std::size_t n = 0; n < phraseBars.size(); ++n) {
        if (n > 0)
            setTabOrder(phraseBars[n - 1], phraseBars[n]);
        rows.push_back({phraseBars[n]});
    }
    new kit::ArrowKeyGrid(this, std::move(rows));
    phraseBars[0]->setFocus();
}

void MatchTextWindow::paintEvent(QPaintEvent* event) {
    ActivityWindow::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_banner);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(kit::px(kBaseLineLeft), kit::px(kBaseLineY), kit::px(kBaseLineRight),
                     kit::px(kBaseLineY));
}

bool MatchTextWindow::eventFilter(QObject* watched, QEvent* event) {
    // The bars: the second click of a double click that
    // answered rightly would land on the next question's bar under the
    // pointer: such a press is dropped, so it never becomes a click.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_questionChangedAt &&
            core::echoesAnswer(*m_questionChangedAt, static_cast<QMouseEvent*>(event)->timestamp(),
                               QApplication::doubleClickInterval()))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        m_mouseReleaseAt = static_cast<QMouseEvent*>(event)->timestamp();
        break;
    case QEvent::KeyPress:
        m_mouseReleaseAt.reset(); // a key is never half of a double click
        break;
    default:
        break;
    }
    return ActivityWindow::eventFilter(watched, event);
}

void MatchTextWindow::askQuestion() {
    m_question = core::dealTextQuestion([this](int choices) { return draw(choices); });
    // A label with no accessible name of its own tells screen readers when
    // its text, and so its name, changes: the bars and digits need no more.
    for (std::size_t n = 0; n < phraseBars.size(); ++n)
        phraseBars[n]->setText(m_phrases.at(m_question.barRows[n]));
    timeDigits->setText(core::rowKeyAndSeparator(core::phraseList().at(m_question.answerRow())));
}

void MatchTextWindow::answer(int bar) {
    const std::optional<quint64> releasedAt = std::exchange(m_mouseReleaseAt, std::nullopt);
    const bool right = core::isRightBar(m_question, bar);
    m_strip.record(right);
    showStrip();
    if (right) {
        m_questionChangedAt = releasedAt;
        askQuestion();
    }
}

void MatchTextWindow::speakAnswer() {
    speak(m_phrases.at(m_question.answerRow()), core::kGameVolume);
}

void MatchTextWindow::showStrip() {
    for (int n = 0; n < core::kStripCells; ++n) {
        const core::AnswerStrip::Mark mark = m_strip.mark(n);
        using Mark = core::AnswerStrip::Mark;
        const QRect place = mark == Mark::Free    ? cellRect(n, kRightTop, 0)
                            : mark == Mark::Right ? cellRect(n, kRightTop, kCellHeight)
                                                  : cellRect(n, kWrongTop, kCellHeight);
        const QColor colour = mark == Mark::Free    ? kOrange
                              : mark == Mark::Right ? kRightColor
                                                    : kWrongColor;
        // Most cells stay as they were; leave them unpainted.
        kit::PictureBox* cell = answerCells[std::size_t(n)];
        if (cell->geometry() != place)
            cell->setGeometry(place);
        if (cell->backColor() != colour)
            cell->setBackColor(colour);
    }
}
