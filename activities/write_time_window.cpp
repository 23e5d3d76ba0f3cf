#include "activities/write_time_window.h"

WriteTimeWindow::WriteTimeWindow(core::Seams seams)
    : ActivityWindow(kit::Window::WriteTime, std::move(seams)) {
    kit::centre(*this);
}
