#include "write_time_window.h"

Form1::Form1(core::Seams seams) : ActivityWindow(kit::FormId::Form1, std::move(seams)) {
    Form_Load();
}

void Form1::Form_Load() {
    kit::centre(*this);
}
