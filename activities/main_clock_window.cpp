#include "main_clock_window.h"

Form5::Form5(core::Seams seams) : ActivityWindow(kit::FormId::Form5, std::move(seams)) {
    Form_Load();
}

void Form5::Form_Load() {
    kit::centre(*this);
}
