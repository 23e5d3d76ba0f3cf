#include "activities/move_hands_window.h"

MoveHandsWindow::MoveHandsWindow(core::Seams seams)
    : ActivityWindow(kit::Window::MoveHands, std::move(seams)) {
    kit::centre(*this);
}
