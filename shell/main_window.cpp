#include "main_window.h"

#include "investigate_window.h"
#include "main_clock_window.h"
#include "match_text_window.h"
#include "match_time_window.h"
#include "move_hands_window.h"
#include "what_time_window.h"
#include "window_frames.h"
#include "write_time_window.h"

#include <QMenu>
#include <QMenuBar>

template <class Form> Form* WindowSlot<Form>::open(const std::function<core::Seams()>& makeSeams) {
    if (!m_form)
        m_form = new Form(makeSeams());
    kit::showWindow(*m_form);
    return m_form;
}

Form4::Form4(std::function<core::Seams()> makeSeams) : m_makeSeams(std::move(makeSeams)) {
    kit::applyFrame(*this, kit::FormId::Form4);

    ty = menuBar()->addMenu(QStringLiteral("Opcions de programa"));
    ty->setObjectName(QStringLiteral("ty"));
    aw = addEntry("aw", QStringLiteral("Rellotge principal"), &Form4::aw_Click);
    rrr = addEntry("rrr", QStringLiteral("Investiga"), &Form4::rrr_Click);
    eee = addEntry("eee", QStringLiteral("Quina hora és?"), &Form4::eee_Click);
    fff = addEntry("fff", QStringLiteral("Mou les agulles"), &Form4::fff_Click);
    ffgf = addEntry("ffgf", QStringLiteral("Escriu la hora"), &Form4::ffgf_Click);
    xvc = addEntry("xvc", QStringLiteral("Relaciona hora-rellotge"), &Form4::xvc_Click);
    ss = addEntry("ss", QStringLiteral("Relaciona text-rellotge"), &Form4::ss_Click);

    // "Mireu-me" sits on the bar with nothing under it and does nothing.
    op = menuBar()->addAction(QStringLiteral("Mireu-me"));
    op->setObjectName(QStringLiteral("op"));
}

QAction* Form4::addEntry(const char* name, const QString& caption, void (Form4::*handler)()) {
    QAction* action = ty->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void Form4::aw_Click() {
    form5.open(m_makeSeams);
}
void Form4::rrr_Click() {
    form3.open(m_makeSeams);
}
void Form4::eee_Click() {
    form2.open(m_makeSeams);
}
void Form4::fff_Click() {
    form8.open(m_makeSeams);
}
void Form4::ffgf_Click() {
    form1.open(m_makeSeams);
}
void Form4::xvc_Click() {
    form7.open(m_makeSeams);
}
void Form4::ss_Click() {
    form6.open(m_makeSeams);
}
