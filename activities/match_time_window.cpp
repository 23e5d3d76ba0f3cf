// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/match_time_window.h"

#include "core/phrases.h"
#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/pressable.h"
#include "kit/units.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Each dial's hot spot, top-left in twips of the board. They are not on a
// grid: neighbours leave gaps or overlap by a few pixels.
constexpr std::array<QPoint, core::kMatchTimeDials> kHotSpotAt{{
    {60, 30},
    {1560, 30},
    {2760, 60},
    {-30, 1230},
    {1500, 1170},
    {3120, 1290},
    {0, 2430},
    {1470, 2430},
    {3030, 2400},
}};
constexpr int kHotSpotWidth = 1485;
constexpr int kHotSpotHeight = 1245;

constexpr int kHourLength = 25;
constexpr int kMinuteLength = 34;

// The light orange rule between the two counts, in twips of the window.
constexpr QPoint kRuleFrom{4950, 1560};
constexpr QPoint kRuleTo{6660, 1560};
constexpr int kRuleWidth = 6;

// How far the focus ring of a push button stands out around it: as wide as
// the ring the dials draw inside their edge.
constexpr int kButtonRingMargin = 6;

constexpr QColor kLightOrange = kit::rgb(255, 224, 192);
constexpr QColor kDarkGrey = kit::rgb(64, 64, 64);

kit::PictureBox* greyStrip(QWidget& window, const char* name, const QRect& twips) {
    auto* strip = new kit::PictureBox(&window, QString::fromLatin1(name));
    strip->setBackColor(kit::rgb(224, 224, 224));
    strip->setGeometry(kit::twipsRect(twips));
    return strip;
}

kit::Label* overlayText(QWidget& window, const char* name, const QString& caption,
                        const QRect& twips, const QFont& font, const QColor& color,
                        Qt::Alignment alignment) {
    auto* label = new kit::Label(&window, QString::fromLatin1(name), caption);
    label->setTransparent(true);
    label->setFont(font);
    label->setColors(color, Qt::transparent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(kit::twipsRect(twips));
    return label;
}

QPushButton* button(QWidget& window, const char* name, const QString& caption, const QRect& twips) {
    auto* b = new QPushButton(caption, &window);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(kit::twipsRect(twips));
    return b;
}

} // namespace

MatchTimeWindow::MatchTimeWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)) {
    topStrip = greyStrip(*this, "topStrip", QRect(-330, 0, 7395, 75));

    board = new kit::PictureBox(this, QStringLiteral("board"));
    board->setFramed(false);
    board->setScale(kit::PictureBox::Scale::Pixels);
    board->move(kit::px(60), kit::px(210));
    board->setAutoSize(true);
    board->setBitmap(kit::picture(QStringLiteral("board_dials_9")));

    // Hour hands first, so a minute hand lying along its hour hand is drawn
    // over it and the wider hour hand still shows at both sides.
    for (int k = 0; k < kDials; ++k) {
        auto* hand = new kit::LineWidget(board, QStringLiteral("hourHands%1").arg(k),
                                         kit::rgb(128, 0, 0), 3);
        hourHands[std::size_t(k)] = hand;
    }
    for (int k = 0; k < kDials; ++k) {
        auto* hand = new kit::LineWidget(board, QStringLiteral("minuteHands%1").arg(k),
                                         kit::rgb(0, 128, 0), 2);
        minuteHands[std::size_t(k)] = hand;
        const int row = k / 3;
        const int column = k % 3;
        m_hands[std::size_t(k)] = {{{43 + 100 * column, 43 + 80 * row}, kHourLength, kMinuteLength},
                                   hourHands[std::size_t(k)],
                                   hand};
    }

    // The hands are drawn on the board itself, so they never take a click
    // from a hot spot. Where two hot spots overlap, the later dial is in front.
    for (int k = 0; k < kDials; ++k) {
        auto* spot = new kit::Label(board, QStringLiteral("dialHotSpots%1").arg(k));
        spot->setTransparent(true);
        spot->makeButton();
        spot->setAccessibleName(QStringLiteral("Rellotge %1").arg(k + 1));
        const QPoint at = kHotSpotAt[std::size_t(k)];
        board->placeChild(*spot, QRect(at.x(), at.y(), kHotSpotWidth, kHotSpotHeight));
        connect(spot, &kit::Label::clicked, this, [this, k] { checkAnswer(k); });
        dialHotSpots[std::size_t(k)] = spot;
    }
    for (kit::Label* spot : dialHotSpots)
        spot->raise();

    middleStrip = greyStrip(*this, "middleStrip", QRect(-180, 3990, 7335, 105));

    phraseShown = new kit::Label(this, QStringLiteral("phraseShown"));
    phraseShown->setFont(kit::font(QStringLiteral("Courier New"), 20.25, true));
    phraseShown->setColors(kit::rgb(192, 0, 0), kit::rgb(255, 255, 255));
    phraseShown->setFrameStyle(QFrame::Box | QFrame::Plain);
    phraseShown->setLineWidth(1);
    phraseShown->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    phraseShown->setIndent(0); // a framed label would otherwise push the text down
    phraseShown->setGeometry(kit::twipsRect(180, 4080, 6735, 555));

    const QFont heading = kit::font(QStringLiteral("MS Sans Serif"), 13.5, true);
    rightHeading = overlayText(*this, "rightHeading", QStringLiteral("molt bé"),
                               QRect(5250, 450, 1365, 345), heading, kLightOrange, Qt::AlignLeft);
    rightCount = overlayText(*this, "rightCount", QStringLiteral("0"), QRect(5190, 630, 1155, 1035),
                             kit::font(QStringLiteral("Courier New"), 48, true, true), kLightOrange,
                             Qt::AlignHCenter);
    wrongCount = overlayText(
        *this, "wrongCount", QStringLiteral("0"), QRect(5220, 1440, 1155, 1035),
        kit::font(QStringLiteral("Courier New"), 48, true), kDarkGrey, Qt::AlignHCenter);
    wrongHeading = overlayText(*this, "wrongHeading", QStringLiteral("proves"),
                               QRect(5190, 2220, 1365, 345), heading, kDarkGrey, Qt::AlignLeft);

    speakButton =
        button(*this, "speakButton", QStringLiteral("parla"), QRect(4830, 3300, 2025, 270));
    newBoardButton =
        button(*this, "newBoardButton", QStringLiteral(">>>>>"), QRect(4830, 3630, 2025, 315));
    newBoardButton->setAccessibleName(QStringLiteral("Rellotges nous"));
    newBoardButton->setToolTip(
        QStringLiteral("Rellotges nous: canvia totes les hores i la frase, sense comptar res"));

    // The keyboard goes through the dials in reading order, then the buttons;
    // the arrows move about the board as it is drawn.
    std::vector<QWidget*> tabOrder(dialHotSpots.begin(), dialHotSpots.end());
    tabOrder.push_back(speakButton);
    tabOrder.push_back(newBoardButton);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    new kit::ArrowKeyGrid(this, {{dialHotSpots[0], dialHotSpots[1], dialHotSpots[2]},
                                 {dialHotSpots[3], dialHotSpots[4], dialHotSpots[5]},
                                 {dialHotSpots[6], dialHotSpots[7], dialHotSpots[8]}});
    // The buttons are barely taller than their captions: the ring goes round
    // them, and Enter presses them.
    new kit::OutsideFocusRing({speakButton, newBoardButton}, kButtonRingMargin);
    dialHotSpots[0]->setFocus();

    connect(newBoardButton, &QPushButton::clicked, this, [this] {
        dealBoard();
        announcePhrase();
    });
    connect(speakButton, &QPushButton::clicked, this, &MatchTimeWindow::speakPhrase);
    connect(phraseShown, &kit::Label::clicked, this, &MatchTimeWindow::speakPhrase);

    kit::centre(*this);
    dealBoard();
}

void MatchTimeWindow::dealBoard() {
    m_board = core::dealMatchTimeBoard([this](int choices) { return draw(choices); });
    const QStringList& rows = core::phraseList();
    for (int k = 0; k < kDials; ++k) {
        const QString& item = rows.at(m_board.rows[std::size_t(k)]);
        m_hands[std::size_t(k)].show(core::rowHour(item), core::rowMinute(item));
    }
    phraseShown->setText(core::rowPhrase(rows.at(m_board.rows[std::size_t(m_board.target)])));
}

void MatchTimeWindow::checkAnswer(int dial) {
    if (core::showsTargetTime(m_board, dial)) {
        ++m_score.right;
        showScore();
        dealBoard();
        announcePhrase();
    } else {
        ++m_score.wrong;
        showScore();
    }
}

void MatchTimeWindow::showScore() {
    rightCount->setText(kit::captionText(m_score.right));
    wrongCount->setText(kit::captionText(m_score.wrong));
}

void MatchTimeWindow::announcePhrase() {
    // The label has no name of its own, so a screen reader's name for it is
    // the phrase: tell it the name changed.
    QAccessibleEvent event(phraseShown, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void MatchTimeWindow::speakPhrase() {
    speak(phraseShown->text(), core::kGameVolume);
}

void MatchTimeWindow::paintEvent(QPaintEvent* event) {
    ActivityWindow::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(kit::rgb(255, 192, 128), kRuleWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(kit::px(kRuleFrom.x()), kit::px(kRuleFrom.y()), kit::px(kRuleTo.x()),
                     kit::px(kRuleTo.y()));
}
