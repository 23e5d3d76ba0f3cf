#include "match_time_window.h"

Form7::Form7(core::Seams seams) : ActivityWindow(kit::FormId::Form7, std::move(seams)) {
    Form_Load();
}

void Form7::Form_Load() {
    kit::centre(*this);
}
