#include "activities/match_text_window.h"

MatchTextWindow::MatchTextWindow(core::Seams seams)
    : ActivityWindow(kit::Window::MatchText, std::move(seams)) {
    kit::centre(*this);
}
