#include "match_text_window.h"

Form6::Form6(core::Seams seams) : ActivityWindow(kit::FormId::Form6, std::move(seams)) {
    Form_Load();
}

void Form6::Form_Load() {
    kit::centre(*this);
}
