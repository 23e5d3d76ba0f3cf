#include "investigate_window.h"

#include "fonts.h"
#include "list_box.h"
#include "phrases.h"
#include "picture_box.h"
#include "pictures.h"
#include "units.h"

#include <QPushButton>

namespace {

constexpr int kVolume = 100;
constexpr int kLoadStep = 15;
constexpr int kButtonStep = 5;

} // namespace

Form3::Form3(core::Seams seams) : ActivityWindow(kit::FormId::Form3, std::move(seams)) {
    Picture1 = new kit::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setScale(kit::PictureBox::Scale::Pixels);
    Picture1->move(kit::px(45), kit::px(180));
    // Designed with the glowing board, which the load handler replaces before
    // the first paint; it is never seen, so it is not rendered at all.
    Picture1->setAutoSize(true);

    Line2 = new kit::LineWidget(*Picture1, kit::rgb(128, 0, 0), 20);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3 = new kit::LineWidget(*Picture1, kit::rgb(255, 255, 0), 4);
    Line3->setObjectName(QStringLiteral("Line3"));
    m_hands = {170, 163, Line2, 80, Line3, 140};

    Command1 = new QPushButton(QStringLiteral(">>>>>>>>>"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Una hora a l'atzar"));
    Command1->setGeometry(kit::twipsRect(60, 5160, 5040, 300));

    List1 = new kit::ListBox(this, QStringLiteral("List1"));
    List1->setFont(kit::font(QStringLiteral("Arial"), 20.25, true));
    List1->setColors(kit::rgb(0, 0, 128), kit::rgb(255, 255, 255));
    List1->setGeometry(kit::twipsRect(5280, 150, 6480, 6780));
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    setTabOrder(List1, Picture1);
    setTabOrder(Picture1, Command1);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(List1, &kit::ListBox::Click, this, &Form3::List1_Click);

    Form_Load();
}

void Form3::Form_Load() {
    kit::centre(*this);
    const Time time = randomTime(kLoadStep);
    showTime(time);
    List1->clear();
    List1->addItems(core::PhraseList());
    Picture1->setBitmap(kit::picture(QStringLiteral("board_train")));
}

void Form3::Command1_Click() {
    const Time time = randomTime(kButtonStep);
    showTime(time);
    m_key = keyFor(time.hour, time.minute);
    // Selecting a new row runs List1_Click, which reads the phrase; the row
    // already selected stays silent.
    List1->setListIndex(rowOf(m_key));
}

void Form3::List1_Click() {
    const QString row = List1->item(List1->listIndex())->text();
    showTime({core::rowHour(row), core::rowMinute(row)});
    m_key = keyFor(m_hour, m_minute);
    List1->setListIndex(rowOf(m_key));
    m_textToSpeak = core::rowTail(row);
    habla();
}

Form3::Time Form3::randomTime(int step) const {
    // Minute first, then hour, both again until the minute is on the step.
    Time time{};
    do {
        time.minute = static_cast<int>(seams().random() * 60);
        time.hour = static_cast<int>(seams().random() * 12);
    } while (time.minute % step != 0);
    return time;
}

void Form3::showTime(Time time) {
    m_hour = time.hour;
    m_minute = time.minute;
    core::PlaceHands(m_hands, time.hour, time.minute);
}

QString Form3::keyFor(int hour, int minute) {
    return core::timeKey(hour == 0 ? 12 : hour, minute);
}

int Form3::rowOf(const QString& key) const {
    // The last row with the key; every key a draw can build is there once.
    int found = -1;
    for (int i = 0; i < List1->count(); ++i)
        if (core::rowKey(List1->item(i)->text()) == key)
            found = i;
    return found;
}

void Form3::habla() {
    speak(m_textToSpeak, kVolume);
}
