#include "activities/move_hands_window.h"

#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/units.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kCentreX = 103;
constexpr int kCentreY = 103;
constexpr int kHourLength = 70;
constexpr int kMinuteLength = 100;
constexpr int kWholeDial = 720; // minutes from twelve round to twelve
constexpr int kStep = 5;

// Where a press still takes hold of the minute hand, and how near the centre
// it is too close to tell which way the hand points.
constexpr double kGrip = 8.0;
constexpr double kNearCentre = 12.0;

constexpr int kSquareColumnsTwips[] = {4230, 4620, 5010};
constexpr int kSquareTop = 210;
constexpr int kSquareRowStep = 390;
constexpr int kSquareSide = 345;

constexpr int kFaceIconTops[MoveHandsWindow::kFaces] = {420, 780, 1170, 1560, 1950, 2340};
// The faces the icons show, top to bottom.
constexpr const char* kFacePictures[MoveHandsWindow::kFaces] = {
    "face_embossed_light", "face_script", "face_blank",
    "face_picnic",         "face_24h",    "face_roman_picnic"};

struct Step {
    int level;
    const char* prompt;
};
constexpr Step kSteps[] = {{1, "Rellotge, cada hora"},
                           {2, "Rellotge, cada mitja hora"},
                           {3, "Rellotge, cada quart de hora"},
                           {4, "Rellotge, cada cinc minuts"}};

// The window's drawn decoration, in twips: two dark edges, two light rules.
struct Rule {
    int x1, y1, x2, y2;
    int grey;
};
constexpr Rule kRules[] = {{660, 420, 660, 5370, 64},
                           {5490, 5370, 660, 5370, 64},
                           {5460, 4860, 660, 4860, 224},
                           {5460, 4410, 660, 4410, 224}};

QString twoDigits(int value) {
    return value < 10 ? QStringLiteral("0") + kit::captionText(value) : kit::captionText(value);
}

kit::PictureBox* pictureBox(QWidget& parent, const QString& name, const QRect& twips,
                            const QString& picture = {}) {
    auto* box = new kit::PictureBox(&parent);
    box->setObjectName(name);
    box->setGeometry(kit::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (!picture.isEmpty())
        box->setBitmap(kit::picture(picture));
    return box;
}

kit::Label* digits(QWidget& parent, const QString& name, const QString& caption,
                   const QRect& twips) {
    auto* label = new kit::Label(parent, name, caption);
    label->setTransparent(true);
    label->setFont(kit::font(QStringLiteral("Arial"), 48, true));
    label->setColors(kit::rgb(255, 255, 0), kit::rgb(128, 128, 128));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(kit::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

} // namespace

HandsReading handsForMinutes(int minutes) {
    if (minutes > kStep && minutes % kStep != 0)
        minutes += kStep - minutes % kStep;
    const int hour = minutes / 60;
    return {minutes, hour == 0 ? 12 : hour, minutes - 60 * hour};
}

int minutesAfterPull(int minutes, int pointedMinute) {
    int turn = pointedMinute - minutes % 60;
    if (turn > 30)
        turn -= 60;
    else if (turn <= -30)
        turn += 60;
    return std::clamp(minutes + turn, 0, kWholeDial);
}

MoveHandsWindow::MoveHandsWindow(core::Seams seams)
    : ActivityWindow(kit::Window::MoveHands, std::move(seams)) {
    // The box behind the face shows only its sunken frame: the face covers
    // its inner area exactly, so the picnic face it once held is never seen
    // and is not drawn (that would double the time to open).
    faceBorder = pictureBox(*this, QStringLiteral("faceBorder"), {780, 240, 3240, 3195});
    face = pictureBox(*this, QStringLiteral("face"), {810, 270, 3180, 3135}, "face_script");
    face->setScale(kit::PictureBox::Scale::Pixels);
    face->setMouseTracking(true);
    face->installEventFilter(this);

    hourHand = new kit::LineWidget(*face, kit::rgb(255, 0, 0), 12);
    hourHand->setObjectName(QStringLiteral("hourHand"));
    minuteHand = new kit::LineWidget(*face, kit::rgb(0, 0, 255), 3);
    minuteHand->setObjectName(QStringLiteral("minuteHand"));
    m_clock = {kCentreX, kCentreY, hourHand, kHourLength, minuteHand, kMinuteLength};

    for (int i = 0; i < kFaces; ++i) {
        faceIcons[i] = pictureBox(*this, QStringLiteral("faceIcons%1").arg(i),
                                  {270, kFaceIconTops[i], 360, 360},
                                  QStringLiteral("icon_clock_red%1").arg(i));
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
    scoreGrid->setGeometry(
        kit::twipsRect(gridTwips.x(), gridTwips.y(), gridTwips.width(), gridTwips.height()));
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
    handsScrollBar->setRange(0, kWholeDial);
    handsScrollBar->setSingleStep(kStep);
    handsScrollBar->setPageStep(kStep);
    handsScrollBar->setFocusPolicy(Qt::StrongFocus);
    handsScrollBar->installEventFilter(this);
    connect(handsScrollBar, &QScrollBar::valueChanged, this, &MoveHandsWindow::showHandsFor);

    const auto stepIcon = [this](const char* name, int left, const char* picture,
                                 const char* accessible, int level) {
        kit::PictureBox* icon = pictureBox(*this, QString::fromLatin1(name), {left, 4950, 360, 360},
                                           QString::fromLatin1(picture));
        icon->setBackColor(kit::rgb(192, 192, 192));
        icon->setAccessibleName(QString::fromUtf8(accessible));
        connect(icon, &kit::PictureBox::clicked, this, [this, level] { chooseStep(level); });
        return icon;
    };
    everyHalfHourIcon = stepIcon("everyHalfHourIcon", 720, "icon_blocks_2", "Cada mitja hora", 2);
    everyHourIcon = stepIcon("everyHourIcon", 1140, "icon_blocks_1", "Cada hora", 1);
    everyFiveMinutesIcon =
        stepIcon("everyFiveMinutesIcon", 1560, "icon_blocks_12", "Cada cinc minuts", 4);
    everyQuarterIcon = stepIcon("everyQuarterIcon", 1950, "icon_blocks_4", "Cada quart", 3);

    okButton = new QPushButton(QStringLiteral("ok"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(kit::twipsRect(2400, 4980, 3015, 345));
    connect(okButton, &QPushButton::clicked, this, &MoveHandsWindow::checkAnswer);

    setTabOrder(handsScrollBar, okButton);
    handsScrollBar->setFocus();

    kit::centre(*this);
    startExercise(4);
    // The clock opens at a random time while the scroll bar stays at twelve,
    // so the first touch of the bar brings the hands to the bar's time.
    showHandsFor(draw(kWholeDial));
}

void MoveHandsWindow::showHandsFor(int minutes) {
    m_hands = handsForMinutes(minutes);
    core::placeHands(m_clock, m_hands.minutes / 60, m_hands.minutes % 60);
}

void MoveHandsWindow::checkAnswer() {
    int hour = static_cast<int>(targetHour->number());
    if (hour == 0)
        hour = 12;
    const int minute = static_cast<int>(targetMinute->number());
    // A wrong answer is left without a word: the child simply tries again.
    if (m_hands.hour != hour || m_hands.minute != minute)
        return;
    startExercise(m_level);
    colourNextSquare();
}

void MoveHandsWindow::showFace(int index) {
    face->setBitmap(kit::picture(QString::fromLatin1(kFacePictures[index])));
}

void MoveHandsWindow::chooseStep(int level) {
    const Step& step = kSteps[level - 1];
    if (seams().message)
        seams().message(QString::fromUtf8(step.prompt), QStringLiteral("Compte¡"));
    m_level = level;
    // Hours 1 to 12 from one draw of thirteen values, 0 read as twelve, so
    // twelve comes up twice as often: the game's own odds, which the draws
    // scripted in the tests rely on.
    int hour = draw(13);
    if (hour == 0)
        hour = 12;
    targetHour->setText(twoDigits(hour));
    targetMinute->setText(kit::captionText(drawTargetMinute(level)));
}

void MoveHandsWindow::startExercise(int level) {
    m_level = level;
    const int minute = drawTargetMinute(level);
    const int hour = draw(12);
    targetMinute->setText(twoDigits(minute));
    targetHour->setText(twoDigits(hour));
    showHandsFor(0);
    handsScrollBar->setValue(0);
}

void MoveHandsWindow::colourNextSquare() {
    // A full grid starts a new round rather than running off its end.
    if (m_score >= kScoreSquares) {
        for (kit::PictureBox* square : scoreSquares)
            square->setBackColor(m_emptySquare);
        m_score = 0;
    }
    scoreSquares[m_score]->setBackColor(kit::rgb(255, 255, 0));
    ++m_score;
}

int MoveHandsWindow::drawTargetMinute(int level) const {
    switch (level) {
    case 1:
        return 0;
    case 2:
        return 30;
    case 3:
        return 15 * (1 + draw(3));
    default: {
        int minute = 0;
        do {
            minute = draw(60);
        } while (minute % kStep != 0);
        return minute;
    }
    }
}

void MoveHandsWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Rule& rule : kRules) {
        painter.setPen(QPen(kit::rgb(rule.grey, rule.grey, rule.grey), 1));
        painter.drawLine(kit::px(rule.x1), kit::px(rule.y1), kit::px(rule.x2), kit::px(rule.y2));
    }
}

bool MoveHandsWindow::onMinuteHand(QPointF point) const {
    const QPointF centre(kCentreX, kCentreY);
    const QPointF tip(minuteHand->X1(), minuteHand->Y1());
    const QPointF along = tip - centre;
    const QPointF fromCentre = point - centre;
    const double length2 = QPointF::dotProduct(along, along);
    if (length2 <= 0 || std::hypot(fromCentre.x(), fromCentre.y()) < kNearCentre)
        return false;
    const double t = std::clamp(QPointF::dotProduct(fromCentre, along) / length2, 0.0, 1.0);
    const QPointF off = fromCentre - t * along;
    return std::hypot(off.x(), off.y()) <= kGrip;
}

void MoveHandsWindow::pullMinuteHandTo(QPointF point) {
    const double dx = point.x() - kCentreX;
    const double dy = point.y() - kCentreY;
    if (std::hypot(dx, dy) < kNearCentre)
        return;
    // Clockwise from twelve, with y growing downwards.
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    const int pointed = static_cast<int>(std::lround(degrees / 6.0)) % 60;
    const int minutes = minutesAfterPull(m_hands.minutes, pointed);
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
    if (watched != face)
        return ActivityWindow::eventFilter(watched, event);
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
        break;
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
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_pulling && mouse->button() == Qt::LeftButton) {
            m_pulling = false;
            face->setCursor(Qt::OpenHandCursor);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return ActivityWindow::eventFilter(watched, event);
}
