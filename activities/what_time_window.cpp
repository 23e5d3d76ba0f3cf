#include "what_time_window.h"

Form2::Form2(core::Seams seams) : ActivityWindow(kit::FormId::Form2, std::move(seams)) {
    Form_Load();
}

void Form2::Form_Load() {
    kit::centre(*this);
}
