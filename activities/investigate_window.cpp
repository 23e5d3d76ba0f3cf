#include "investigate_window.h"

Form3::Form3(core::Seams seams) : ActivityWindow(kit::FormId::Form3, std::move(seams)) {
    Form_Load();
}

void Form3::Form_Load() {
    kit::centre(*this);
}
