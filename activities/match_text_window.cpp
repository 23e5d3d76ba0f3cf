#include "activities/match_text_window.h"

#include "core/phrases.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/units.h"

#include <QPainter>
#include <QPushButton>

namespace {

// The bars, top to bottom, in twips; each gets a darker-to-lighter brown.
constexpr std::array<int, MatchTextWindow::kBars> kBarTops{1020, 1740, 2460, 3150, 3840};
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
    // The caption stays its name; the description says what it does.
    newQuestionButton->setAccessibleDescription(QStringLiteral("Una altra pregunta"));
    newQuestionButton->setFont(kit::font(QStringLiteral("Arial"), 12, true));
    newQuestionButton->setGeometry(kit::twipsRect(7830, 600, 435, 345));

    const QFont barFont = kit::font(QStringLiteral("Courier New"), 24, true);
    for (int n = 0; n < kBars; ++n) {
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
        connect(bar, &kit::Label::clicked, this, [this, n] { answer(n); });
        phraseBars[std::size_t(n)] = bar;
    }

    for (int n = 0; n < kCells; ++n) {
        auto* cell = new kit::PictureBox(this, QStringLiteral("answerCells%1").arg(n));
        cell->setBackColor(kOrange);
        answerCells[std::size_t(n)] = cell;
    }
    emptyStrip();

    connect(speakButton, &QPushButton::clicked, this, &MatchTextWindow::speakAnswer);
    connect(timeDigits, &kit::Label::clicked, this, &MatchTextWindow::speakAnswer);
    connect(newQuestionButton, &QPushButton::clicked, this, &MatchTextWindow::askQuestion);

    kit::centre(*this);
    for (const QString& row : core::phraseList())
        m_phrases << core::rowPhrase(row);
    askQuestion();
}

void MatchTextWindow::paintEvent(QPaintEvent* event) {
    ActivityWindow::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_banner);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(kit::px(kBaseLineLeft), kit::px(kBaseLineY), kit::px(kBaseLineRight),
                     kit::px(kBaseLineY));
}

void MatchTextWindow::askQuestion() {
    // Five phrases, one per bar, then the bar that will say the digits and
    // the digits' own phrase over it. Nothing keeps the six draws apart, so a
    // wrong bar may say the right phrase too.
    for (kit::Label* bar : phraseBars)
        bar->setText(m_phrases.at(draw(core::kPhraseCount)));
    m_answerBar = draw(kBars);
    const int row = draw(core::kPhraseCount);
    phraseBars[std::size_t(m_answerBar)]->setText(m_phrases.at(row));
    timeDigits->setText(core::rowKeyAndSeparator(core::phraseList().at(row)));
}

void MatchTextWindow::answer(int bar) {
    // Only the bar's position counts, not its words.
    const bool right = bar == m_answerBar;
    recordAnswer(right);
    if (right)
        askQuestion();
}

void MatchTextWindow::speakAnswer() {
    speak(phraseBars[std::size_t(m_answerBar)]->text(), core::kGameVolume);
}

void MatchTextWindow::recordAnswer(bool right) {
    // With every cell used, the next answer starts a new round of the record.
    if (m_answersGiven >= kCells)
        emptyStrip();
    kit::PictureBox* cell = answerCells[std::size_t(m_answersGiven)];
    cell->setGeometry(cellRect(m_answersGiven, right ? kRightTop : kWrongTop, kCellHeight));
    cell->setBackColor(right ? kRightColor : kWrongColor);
    ++m_answersGiven;
}

void MatchTextWindow::emptyStrip() {
    for (int n = 0; n < kCells; ++n) {
        kit::PictureBox* cell = answerCells[std::size_t(n)];
        cell->setGeometry(cellRect(n, kRightTop, 0));
        cell->setBackColor(kOrange);
    }
    m_answersGiven = 0;
}
