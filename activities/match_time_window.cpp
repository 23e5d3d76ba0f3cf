#include "activities/match_time_window.h"

MatchTimeWindow::MatchTimeWindow(core::Seams seams)
    : ActivityWindow(kit::Window::MatchTime, std::move(seams)) {
    kit::centre(*this);
}
