#include "main_clock_window.h"

#include "fonts.h"
#include "label.h"
#include "list_box.h"
#include "phrases.h"
#include "picture_box.h"
#include "pictures.h"
#include "text_box.h"
#include "units.h"

#include <QPushButton>

namespace {

constexpr int kVolume = 100;
constexpr int kFirstHourRows = 13;

QPushButton* blankButton(kit::PictureBox& box, const char* name, const QRect& twips,
                         const QString& accessibleName) {
    auto* button = new QPushButton(&box);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    box.placeChild(*button, twips);
    return button;
}

} // namespace

Form5::Form5(core::Seams seams) : ActivityWindow(kit::FormId::Form5, std::move(seams)) {
    Picture1 = new kit::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackColor(kit::rgb(192, 255, 255));
    Picture1->setScale(kit::PictureBox::Scale::Pixels);
    Picture1->move(kit::px(0), kit::px(-15));
    Picture1->setAutoSize(true);
    Picture1->setBitmap(kit::picture(QStringLiteral("board_hour_names")));

    using Mix = kit::LineWidget::Mix;
    Line1 = new kit::LineWidget(*Picture1, kit::rgb(255, 128, 128), 2);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2 = new kit::LineWidget(*Picture1, kit::rgb(0, 255, 0), 8, Mix::NotMaskPen);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3 = new kit::LineWidget(*Picture1, kit::rgb(255, 255, 0), 15, Mix::NotMaskPen);
    Line3->setObjectName(QStringLiteral("Line3"));
    m_hands = {245, 161, Line3, 76, Line2, 90, Line1, 147};

    Label4 = new kit::Label(*Picture1, QStringLiteral("Label4"));
    Label4->setTransparent(true);
    Label4->setAccessibleName(QStringLiteral("Escriu com es diu la una"));
    Picture1->placeChild(*Label4, QRect(4260, 960, 435, 495));

    Text1 = new kit::TextBox(Picture1, QStringLiteral("Text1"));
    Text1->setFont(kit::font(QStringLiteral("Times New Roman"), 18, true, true));
    Text1->setColors(kit::rgb(224, 224, 224), kit::rgb(0, 0, 64));
    Picture1->placeChild(*Text1, QRect(6090, 180, 1995, 540));
    Text1->hide();

    Shape1 =
        new kit::ShapeWidget(*Picture1, kit::twipsRect(6330, 960, 285, 255), kit::rgb(192, 0, 0));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setVisible(false);

    Command2 = blankButton(*Picture1, "Command2", QRect(6960, 3750, 855, 225),
                           QStringLiteral("Mostra la llista mixta"));
    Command1 = blankButton(*Picture1, "Command1", QRect(6960, 3990, 855, 225),
                           QStringLiteral("Mostra la llista en quarts"));
    Command3 = blankButton(*Picture1, "Command3", QRect(6870, 4290, 1035, 435),
                           QStringLiteral("Amaga les llistes"));

    List1 = new kit::ListBox(Picture1, QStringLiteral("List1"));
    List1->setFont(kit::font(QStringLiteral("Arial"), 18));
    List1->setColors(kit::rgb(255, 192, 192), kit::rgb(0, 0, 64));
    Picture1->placeChild(*List1, QRect(90, 150, 5625, 4515));
    List1->hide();

    // The mixed list belongs to the window and lies in front of the board.
    List2 = new kit::ListBox(this, QStringLiteral("List2"));
    List2->setFont(kit::font(QStringLiteral("Arial"), 18));
    List2->setColors(kit::rgb(255, 255, 255), kit::rgb(128, 0, 0));
    List2->setGeometry(kit::twipsRect(90, 180, 5625, 4515));
    List2->hide();

    setTabOrder(Text1, Command1);
    setTabOrder(Command1, List1);
    setTabOrder(List1, List2);
    setTabOrder(List2, Command2);
    setTabOrder(Command2, Command3);

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(List1, &kit::ListBox::Click, this, &Form5::List1_Click);
    connect(List2, &kit::ListBox::Click, this, &Form5::List2_Click);
    connect(List2, &kit::ListBox::DblClick, this, &Form5::List2_DblClick);
    connect(Label4, &kit::Label::clicked, this, &Form5::Label4_Click);
    connect(Text1, &kit::TextBox::KeyUp, this, &Form5::Text1_KeyUp);

    // The hands change once a second, so the timer wakes just after each
    // whole second of the clock instead of polling every millisecond.
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &Form5::Timer1_Timer);

    Form_Load();
}

void Form5::Form_Load() {
    kit::centre(*this);
}

void Form5::showEvent(QShowEvent* event) {
    ActivityWindow::showEvent(event);
    if (!Timer1.isActive())
        Timer1_Timer();
}

void Form5::Timer1_Timer() {
    const QTime now = seams().now ? seams().now() : QTime::currentTime();
    if (now.isValid())
        core::PlaceHands(m_hands, now.hour(), now.minute(), now.second());
    Timer1.start(1000 - (now.isValid() ? now.msec() : 0) + 1);
}

void Form5::Command1_Click() {
    List1->show();
    List2->hide();
    List1->clear();
    List1->addItems(core::PhraseList().mid(0, kFirstHourRows));
}

void Form5::Command2_Click() {
    List2->show();
    List1->hide();
    List2->clear();
    List2->addItems(core::MixedHourList());
}

void Form5::Command3_Click() {
    List1->hide();
    List2->hide();
}

void Form5::List1_Click() {
    m_textToSpeak = List1->item(List1->listIndex())->text();
    habla();
}

void Form5::List2_Click() {
    m_textToSpeak = core::rowTail(List2->item(List2->listIndex())->text());
    habla();
}

void Form5::List2_DblClick() {
    List2->hide();
}

void Form5::Label4_Click() {
    Text1->show();
}

void Form5::Text1_KeyUp(int keyCode, Qt::KeyboardModifiers) {
    if (Text1->text() == QStringLiteral("La una") && keyCode == kit::TextBox::kEnter) {
        Text1->hide();
        Shape1->setVisible(true);
    }
}

void Form5::habla() {
    speak(m_textToSpeak, kVolume);
}
