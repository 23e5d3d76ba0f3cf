// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/move_hands_window.h"

#include "kit/focus_ring.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/pressable.h"
#include "kit/units.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <vector>

namespace {

constexpr int kCentreX = 103;
constexpr int kCentreY = 103;
constexpr int kHourLength = 70;
constexpr int kMinuteLength = 100;

constexpr int kRingWidth = 6; // the kit's focus ring, drawn round a control

constexpr int kSquareColumnsTwips[] = {4230, 4620, 5010};
constexpr int kSquareTop = 210;
constexpr int kSquareRowStep = 390;
constexpr int kSquareSide = 345;

constexpr int kFaceIconTops[MoveHandsWindow::kFaces] = {420, 780, 1170, 1560, 1950, 2340};
// The faces the icons show, top to bottom.
constexpr const char* kFacePictures[MoveHandsWindow::kFaces] = {
    "face_embossed_light", "face_script", "face_blank",
    "face_picnic",         "face_24h",    "face_roman_picnic"};

// The step icons, left to right.
struct StepIcon {
    const char* name;
    int left;
    core::TargetStep step;
};
constexpr StepIcon kStepIcons[] = {
    {"everyHalfHourIcon", 720, core::TargetStep::EveryHalfHour},
    {"everyHourIcon", 1140, core::TargetStep::EveryHour},
    {"everyFiveMinutesIcon", 1560, core::TargetStep::EveryFiveMinutes},
    {"everyQuarterIcon", 1950, core::TargetStep::EveryQuarter}};

// The window's drawn decoration, in twips: two dark edges, two light rules.
struct Rule {
    int x1, y1, x2, y2;
    int grey;
};
constexpr Rule kRules[] = {{660, 420, 660, 5370, 64},
                           {5490, 5370, 660, 5370, 64},
                           {5460, 4860, 660, 4860, 224},
                           {5460, 4410, 660, 4410, 224}};

kit::PictureBox* pictureBox(QWidget& parent, const QString& name, const QRect& twips,
                            const QString& picture = {}) {
    auto* box = new kit::PictureBox(&parent, name);
    box->setGeometry(kit::twipsRect(twips));
    if (!picture.isEmpty())
        box->setBitmap(kit::picture(picture));
    return box;
}

kit::Label* digits(QWidget& parent, const QString& name, const QString& caption,
                   const QRect& twips) {
    auto* label = new kit::Label(&parent, name, caption);
    label->setTransparent(true);
    label->setFont(kit::font(QStringLiteral("Arial"), 48, true));
    label->setColors(kit::rgb(255, 255, 0), kit::rgb(128, 128, 128));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(kit::twipsRect(twips));
    return label;
}

} // namespace

MoveHandsWindow::MoveHandsWindow(core::Seams seams)
    : ActivityWindow(staticMetaObject, std::move(seams)) {
    makeControls();
    kit::centre(*this);
    startExercise(core::TargetStep::EveryFiveMinutes);
    // The clock opens at a random time while the scroll bar stays at twelve,
    // so the first touch of the bar brings the hands to the bar's time.
    showHandsFor(draw(core::kDialMinutes));
}

void MoveHandsWindow::makeControls() {
    // The box behind the face shows only its sunken frame: the face covers
    // its inner area exactly, so the picnic face it once held is never seen
    // and is not drawn (that would double the time to open).
    faceBorder = pictureBox(*this, QStringLiteral("faceBorder"), {780, 240, 3240, 3195});
    face = pictureBox(*this, QStringLiteral("face"), {810, 270, 3180, 3135}, "face_script");
    face->setScale(kit::PictureBox::Scale::Pixels);
    face->setMouseTracking(true);
    face->installEventFilter(this);

    hourHand = new kit::LineWidget(face, QStringLiteral("hourHand"), kit::rgb(255, 0, 0), 12);
    minuteHand = new kit::LineWidget(face, QStringLiteral("minuteHand"), kit::rgb(0, 0, 255), 3);
    m_clock = {{{kCentreX, kCentreY}, kHourLength, kMinuteLength}, hourHand, minuteHand};

    for (int i = 0; i < kFaces; ++i) {
        faceIcons[i] = pictureBox(*this, QStringLiteral("faceIcons%1").arg(i),
                                  {270, kFaceIconTops[i], 360, 360},
                                  QStringLiteral("icon_clock_red%1").arg(i));
        // A button before it is named: naming it may already show it to a
        // screen reader, which then keeps what it was shown.
        faceIcons[i]->makeButton();
        faceIcons[i]->setAccessibleName(QStringLiteral("Esfera %1").arg(i + 1));
        connect(faceIcons[i], &kit::PictureBox::clicked, this, [this, i] { showFace(i); });
    }

    // One region for the squares, so that a screen reader names the grid.
    const QRect gridTwips(kSquareColumnsTwips[0], kSquareTop,
                          kSquareColumnsTwips[2] + kSquareSide - kSquareColumnsTwips[0],
                          8 * kSquareRowStep + kSquareSide);
    scoreGrid = new QWidget(this);
    scoreGrid->setObjectName(QStringLiteral("scoreGrid"));
    scoreGrid->setAccessibleName(QStringLiteral("Quadres d'encerts"));
    scoreGrid->setGeometry(kit::twipsRect(gridTwips));
    for (int i = 0; i < kScoreSquares; ++i) {
        const QRect twips(kSquareColumnsTwips[i % 3] - gridTwips.x(),
                          kSquareTop + kSquareRowStep * (i / 3) - gridTwips.y(), kSquareSide,
                          kSquareSide);
        scoreSquares[i] = pictureBox(*scoreGrid, QStringLiteral("scoreSquares%1").arg(i), twips);
    }
    m_emptySquare = scoreSquares[0]->backColor();

    // Each label goes to the back as it is made, so the last one made comes
    // first to a screen reader: made from the right, they read "08 : 35".
    targetMinute = digits(*this, QStringLiteral("targetMinute"), QStringLiteral("66"),
                          {2310, 3390, 1605, 1395});
    targetColon =
        digits(*this, QStringLiteral("targetColon"), QStringLiteral(":"), {1920, 3330, 1605, 1395});
    targetHour =
        digits(*this, QStringLiteral("targetHour"), QStringLiteral("12"), {705, 3390, 1905, 1335});

    handsScrollBar = new QScrollBar(Qt::Horizontal, this);
    handsScrollBar->setObjectName(QStringLiteral("handsScrollBar"));
    handsScrollBar->setAccessibleName(QStringLiteral("Mou les agulles"));
    handsScrollBar->setGeometry(kit::twipsRect(720, 4500, 4665, 315));
    handsScrollBar->setRange(0, core::kDialMinutes);
    handsScrollBar->setSingleStep(core::kHandsStep);
    handsScrollBar->setPageStep(core::kHandsStep);
    handsScrollBar->setFocusPolicy(Qt::StrongFocus);
    handsScrollBar->installEventFilter(this);
    connect(handsScrollBar, &QScrollBar::valueChanged, this, &MoveHandsWindow::showHandsFor);

    std::array<kit::PictureBox*, std::size(kStepIcons)> stepIcons{};
    for (std::size_t i = 0; i < stepIcons.size(); ++i) {
        const StepIcon& place = kStepIcons[i];
        const core::TargetLevel& level = core::targetLevel(place.step);
        kit::PictureBox* icon =
            pictureBox(*this, QString::fromLatin1(place.name), {place.left, 4950, 360, 360},
                       QString::fromLatin1(level.icon));
        icon->setBackColor(kit::rgb(192, 192, 192));
        icon->makeButton();
        icon->setAccessibleName(QString::fromUtf8(level.name));
        connect(icon, &kit::PictureBox::clicked, this,
                [this, step = place.step] { chooseStep(step); });
        stepIcons[i] = icon;
    }
    everyHalfHourIcon = stepIcons[0];
    everyHourIcon = stepIcons[1];
    everyFiveMinutesIcon = stepIcons[2];
    everyQuarterIcon = stepIcons[3];

    okButton = new QPushButton(QStringLiteral("ok"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(kit::twipsRect(2400, 4980, 3015, 345));
    connect(okButton, &QPushButton::clicked, this, &MoveHandsWindow::checkAnswer);

    // Reading order: the face icons down the left, the bar, then the row
    // along the bottom; the arrows move within the icon column and row.
    std::vector<QWidget*> tabChain(faceIcons.begin(), faceIcons.end());
    tabChain.push_back(handsScrollBar);
    tabChain.insert(tabChain.end(), stepIcons.begin(), stepIcons.end());
    tabChain.push_back(okButton);
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);
    std::vector<std::vector<QWidget*>> faceColumn;
    for (kit::PictureBox* icon : faceIcons)
        faceColumn.push_back({icon});
    new kit::ArrowKeyGrid(this, std::move(faceColumn));
    const std::vector<QWidget*> stepRow(stepIcons.begin(), stepIcons.end());
    new kit::ArrowKeyGrid(this, {stepRow});
    // The bar and "ok" draw no ring of their own: it goes round them, in the
    // gap their neighbours leave, and Enter presses "ok".
    new kit::OutsideFocusRing({handsScrollBar, okButton}, kRingWidth);
    handsScrollBar->setFocus();
}

void MoveHandsWindow::showHandsFor(int minutes) {
    m_hands = core::handsForMinutes(minutes);
    m_clock.show(m_hands.minutes / 60, m_hands.minutes % 60);
}

void MoveHandsWindow::checkAnswer() {
    // A wrong answer is left without a word: the child simply tries again.
    if (!core::handsShowTarget(m_hands, m_target))
        return;
    startExercise(m_step);
    colourNextSquare();
}

void MoveHandsWindow::showFace(int index) {
    face->setBitmap(kit::picture(QString::fromLatin1(kFacePictures[index])));
}

void MoveHandsWindow::chooseStep(core::TargetStep step) {
    if (seams().message) {
        seams().message(QString::fromUtf8(core::targetLevel(step).prompt),
                        QStringLiteral("Compte¡"));
        // The message box belongs to no window, so nothing hands the keys
        // back here when it closes; a child on the keyboard would be stuck.
        activateWindow();
    }
    m_step = step;
    m_target = core::targetForChosenStep(step, [this](int choices) { return draw(choices); });
    showTarget();
}

void MoveHandsWindow::startExercise(core::TargetStep step) {
    m_step = step;
    m_target = core::nextTarget(step, [this](int choices) { return draw(choices); });
    showTarget();
    showHandsFor(0);
    handsScrollBar->setValue(0);
}

// Always two digits and twelve as "12", whatever set the target, so that
// "09:05" never shows as "09:5" (nine fifty to a child) or twelve as "00".
void MoveHandsWindow::showTarget() {
    targetHour->setText(core::twoDigits(m_target.hour));
    targetMinute->setText(core::twoDigits(m_target.minute));
}

void MoveHandsWindow::colourNextSquare() {
    const core::ScoreGrid::Mark mark = m_score.countRightAnswer();
    if (mark.emptiesGrid) {
        for (kit::PictureBox* square : scoreSquares)
            square->setBackColor(m_emptySquare);
    }
    scoreSquares[mark.square]->setBackColor(kit::rgb(255, 255, 0));
}

void MoveHandsWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Rule& rule : kRules) {
        painter.setPen(QPen(kit::rgb(rule.grey, rule.grey, rule.grey), 1));
        painter.drawLine(kit::px(rule.x1), kit::px(rule.y1), kit::px(rule.x2), kit::px(rule.y2));
    }
}

bool MoveHandsWindow::onMinuteHand(QPointF point) const {
    return core::grabsHand(QPointF(kCentreX, kCentreY), QPointF(minuteHand->x1(), minuteHand->y1()),
                           point);
}

void MoveHandsWindow::pullMinuteHandTo(QPointF point) {
    const std::optional<int> pointed = core::minutePointedAt(QPointF(kCentreX, kCentreY), point);
    if (!pointed)
        return;
    const int minutes = core::minutesAfterPull(m_hands.minutes, *pointed);
    // The bar may already hold this count while the hands show another (the
    // clock opens away from the bar's time); the hands must follow anyway.
    if (handsScrollBar->value() == minutes)
        showHandsFor(minutes);
    else
        handsScrollBar->setValue(minutes);
}

bool MoveHandsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == handsScrollBar && event->type() == QEvent::KeyPress) {
        // Qt's horizontal scroll bar takes Right as a step back (its controls
        // are inverted for the wheel); the arrow should go the way it points.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
            handsScrollBar->triggerAction(key == Qt::Key_Right
                                              ? QAbstractSlider::SliderSingleStepAdd
                                              : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    if (watched == face && filterFaceMouse(event))
        return true;
    return ActivityWindow::eventFilter(watched, event);
}

bool MoveHandsWindow::filterFaceMouse(QEvent* event) {
    const auto inner = [this](const QMouseEvent* mouse) {
        return mouse->position() - QPointF(face->border(), face->border());
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && onMinuteHand(inner(mouse))) {
            m_pulling = true;
            face->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_pulling) {
            pullMinuteHandTo(inner(mouse));
            return true;
        }
        if (onMinuteHand(inner(mouse)))
            face->setCursor(Qt::OpenHandCursor);
        else
            face->unsetCursor();
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_pulling && mouse->button() == Qt::LeftButton) {
            m_pulling = false;
            face->setCursor(Qt::OpenHandCursor);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
