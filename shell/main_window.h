#pragma once

#include "seams.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class Form1;
class Form2;
class Form3;
class Form5;
class Form6;
class Form7;
class Form8;
class QAction;
class QMenu;

// One reference per activity window: built on first use and again after it
// was closed; while open, a second request only brings it forward.
template <class Form> class WindowSlot {
public:
    Form* open(const std::function<core::Seams()>& makeSeams);
    Form* get() const { return m_form; }

private:
    QPointer<Form> m_form;
};

// Form4, the main window: an empty white area under the menu that opens the
// seven activities.
class Form4 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form4(std::function<core::Seams()> makeSeams = core::realSeams);

    QMenu* ty = nullptr;
    QAction* aw = nullptr;
    QAction* rrr = nullptr;
    QAction* eee = nullptr;
    QAction* fff = nullptr;
    QAction* ffgf = nullptr;
    QAction* xvc = nullptr;
    QAction* ss = nullptr;
    QAction* op = nullptr;

    WindowSlot<Form5> form5;
    WindowSlot<Form3> form3;
    WindowSlot<Form2> form2;
    WindowSlot<Form8> form8;
    WindowSlot<Form1> form1;
    WindowSlot<Form7> form7;
    WindowSlot<Form6> form6;

    void aw_Click();
    void rrr_Click();
    void eee_Click();
    void fff_Click();
    void ffgf_Click();
    void xvc_Click();
    void ss_Click();

private:
    QAction* addEntry(const char* name, const QString& caption, void (Form4::*handler)());

    std::function<core::Seams()> m_makeSeams;
};
