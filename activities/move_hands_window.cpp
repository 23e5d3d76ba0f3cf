#include "move_hands_window.h"

Form8::Form8(core::Seams seams) : ActivityWindow(kit::FormId::Form8, std::move(seams)) {
    Form_Load();
}

void Form8::Form_Load() {
    kit::centre(*this);
}
