#include "activities/write_time_window.h"

#include "core/answer_check.h"
#include "core/phrases.h"
#include "kit/fonts.h"
#include "kit/label.h"
#include "kit/picture_box.h"
#include "kit/pictures.h"
#include "kit/text_box.h"
#include "kit/units.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QPushButton>

namespace {

constexpr int kVolume = 120;
constexpr int kRows = 144;

// The faces the five buttons put on the clock: four pictures for five
// buttons, so the third and the fifth show the same one.
constexpr std::array<const char*, WriteTimeWindow::kFaces> kFaceNames{
    "face_embossed_dark", "face_roman_dark", "face_train", "face_roman_picnic", "face_train"};

const QColor kBarGrey = kit::rgb(192, 192, 192);
const QColor kSolvedAlone = kit::rgb(255, 255, 0);
const QColor kSolvedHelped = kit::rgb(128, 0, 0);

QPushButton* button(QWidget& parent, const QString& name, const QString& caption, const QFont& font,
                    const QRect& twips) {
    auto* b = new QPushButton(caption, &parent);
    b->setObjectName(name);
    b->setFont(font);
    b->setGeometry(kit::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

} // namespace

WriteTimeWindow::WriteTimeWindow(core::Seams seams)
    : ActivityWindow(kit::Window::WriteTime, std::move(seams)) {
    const QFont courier = kit::font(QStringLiteral("Courier New"), 21.75, true);

    helpButton =
        button(*this, QStringLiteral("helpButton"), QStringLiteral("ajut=F1"),
               kit::font(QStringLiteral("Courier New"), 15.75, true), QRect(105, 60, 1905, 375));

    helpAnswer = new kit::TextBox(this, QStringLiteral("helpAnswer"));
    helpAnswer->setFont(courier);
    helpAnswer->setAccessibleName(QStringLiteral("Ajut: la resposta"));
    helpAnswer->setGeometry(kit::twipsRect(2100, 45, 7470, 570));

    skipButton = button(*this, QStringLiteral("skipButton"), QStringLiteral(">>>>>>>>"),
                        kit::font(QStringLiteral("Arial"), 8.25), QRect(120, 450, 1875, 195));
    skipButton->setAccessibleName(QStringLiteral("Una altra hora"));

    skipArea = new kit::Label(*this, QStringLiteral("skipArea"));
    skipArea->setTransparent(true);
    skipArea->setAccessibleName(QStringLiteral("Una altra hora"));
    skipArea->setGeometry(kit::twipsRect(2235, 690, 1425, 375));

    clock = new kit::PictureBox(this);
    clock->setObjectName(QStringLiteral("clock"));
    clock->setAccessibleName(QStringLiteral("Escolta l'hora"));
    clock->setScale(kit::PictureBox::Scale::Pixels);
    clock->setGeometry(kit::twipsRect(3000, 1080, 3240, 3195));
    hourHand = new kit::LineWidget(*clock, kit::rgb(255, 128, 0), 10);
    hourHand->setObjectName(QStringLiteral("hourHand"));
    minuteHand = new kit::LineWidget(*clock, kit::rgb(192, 0, 0), 8);
    minuteHand->setObjectName(QStringLiteral("minuteHand"));
    m_hands = {107, 107, hourHand, 63, minuteHand, 92};

    // The bars hang in one column that screen readers can name; the column
    // itself paints nothing.
    constexpr int kColumnTop = 4320 - 90 * (kBars - 1);
    barColumn = new QWidget(this);
    barColumn->setObjectName(QStringLiteral("barColumn"));
    barColumn->setAccessibleName(QStringLiteral("Preguntes resoltes"));
    barColumn->setGeometry(kit::twipsRect(7725, kColumnTop, 1785, 4320 + 75 - kColumnTop));
    for (int i = 0; i < kBars; ++i) {
        auto* bar = new kit::PictureBox(barColumn);
        bar->setObjectName(QStringLiteral("bars%1").arg(i));
        bar->setFramed(false);
        bar->setBackColor(kBarGrey);
        bar->setGeometry(kit::twipsRect(0, 4320 - 90 * i - kColumnTop, 1785, 75));
        bars[std::size_t(i)] = bar;
    }

    const QFont small = kit::font(QStringLiteral("Courier New"), 8.25, true);
    for (int i = 0; i < kFaces; ++i) {
        QPushButton* face =
            button(*this, QStringLiteral("faceButtons%1").arg(i), QStringLiteral("..."), small,
                   QRect(495 + 630 * i, 4500, 615, 210));
        face->setAccessibleName(QStringLiteral("Esfera %1").arg(i + 1));
        faceButtons[std::size_t(i)] = face;
        connect(face, &QPushButton::clicked, this, [this, i] { showFace(i); });
    }

    prompt = new kit::Label(*this, QStringLiteral("prompt"),
                            QStringLiteral("Escriu la hora que marca el rellotge"));
    prompt->setFont(kit::font(QStringLiteral("Courier New"), 9.75));
    prompt->setColors(kit::rgb(128, 128, 128), kit::rgb(224, 224, 224));
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setGeometry(kit::twipsRect(3765, 4470, 5745, 255));

    answerBox = new kit::TextBox(this, QStringLiteral("answerBox"));
    answerBox->setAccessibleName(prompt->text());
    answerBox->setColors(kit::rgb(0, 0, 64), kit::rgb(255, 255, 255));
    answerBox->setAlignment(Qt::AlignCenter);
    answerBox->setGeometry(kit::twipsRect(375, 4770, 9165, 780));

    fontList = new QComboBox(this);
    fontList->setObjectName(QStringLiteral("fontList"));
    fontList->setAccessibleName(QStringLiteral("Lletra de la resposta"));
    fontList->setFont(kit::font(QStringLiteral("Courier New"), 9.75, true));
    QPalette fontListColours = fontList->palette();
    fontListColours.setColor(QPalette::Base, kit::rgb(255, 128, 128));
    fontListColours.setColor(QPalette::Button, kit::rgb(255, 128, 128));
    fontList->setPalette(fontListColours);
    fontList->setGeometry(kit::twipsRect(4635, 6510, 3705, 360));

    connect(helpButton, &QPushButton::clicked, this, &WriteTimeWindow::askForHelp);
    connect(skipButton, &QPushButton::clicked, this, &WriteTimeWindow::skipQuestion);
    connect(skipArea, &kit::Label::clicked, this, &WriteTimeWindow::showNewQuestion);
    connect(clock, &kit::PictureBox::clicked, this, &WriteTimeWindow::speakQuestion);
    connect(answerBox, &kit::TextBox::keyReleased, this, &WriteTimeWindow::checkAnswer);
    connect(fontList, &QComboBox::activated, this, &WriteTimeWindow::useChosenFont);

    kit::centre(*this);
    clock->setBitmap(kit::picture(QString::fromLatin1(kFaceNames[0])));
    m_phraseTails.reserve(kRows);
    for (const QString& row : core::phraseList())
        m_phraseTails << core::rowTailToEnd(row);
    showNewQuestion();
    // Designed in a proportional face; the letters line up once it is Courier.
    answerBox->setFont(kit::font(QStringLiteral("Courier New"), 27.75, true));
}

void WriteTimeWindow::showNewQuestion() {
    m_questionRow = draw(kRows);
    const QString row = core::phraseList().value(m_questionRow);
    m_question = core::rowTail(row);
    core::placeHands(m_hands, core::rowHour(row), core::rowMinute(row));
    m_helped = false;
}

void WriteTimeWindow::checkAnswer(int key) {
    if (key == Qt::Key_F1)
        showHelp();
    const QString text = answerBox->text();
    const core::AnswerCheck result =
        core::checkAnswer(m_question, text, answerBox->cursorPosition());
    if (result.text != text)
        answerBox->setText(result.text);
    if (result.caret != answerBox->cursorPosition())
        answerBox->setCursorPosition(result.caret);
    if (result.solved)
        countSolved();
}

void WriteTimeWindow::showHelp() {
    m_helped = true;
    helpAnswer->setText(m_phraseTails.value(m_questionRow));
}

void WriteTimeWindow::askForHelp() {
    showHelp();
    answerBox->setFocus();
}

void WriteTimeWindow::skipQuestion() {
    showNewQuestion();
    answerBox->setFocus();
}

void WriteTimeWindow::speakQuestion() {
    speak(m_question, kVolume);
}

void WriteTimeWindow::showFace(int index) {
    clock->setBitmap(kit::picture(QString::fromLatin1(kFaceNames[std::size_t(index)])));
    answerBox->setFocus();
}

void WriteTimeWindow::useChosenFont() {
    // Only the face changes; the size and weight stay as designed.
    QFont font = answerBox->font();
    font.setFamilies({fontList->currentText()});
    answerBox->setFont(font);
}

void WriteTimeWindow::countSolved() {
    answerBox->clear();
    const int n = m_solvedCount;
    // Past the top bar the count goes on with nothing left to colour.
    if (n >= 0 && n < kBars)
        bars[std::size_t(n)]->setBackColor(m_helped ? kSolvedHelped : kSolvedAlone);
    helpAnswer->clear();
    m_solvedCount = n + 1;
    showNewQuestion();
}

void WriteTimeWindow::changeEvent(QEvent* event) {
    ActivityWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void WriteTimeWindow::activated() {
    kit::centre(*this);
    // The system's families, once: they do not change while the window is
    // open, and listing them again would only repeat every name.
    if (fontList->count() == 0)
        fontList->addItems(QFontDatabase::families());
    if (fontList->count() > 0)
        fontList->setCurrentIndex(0);
    answerBox->setFocus();
}
