#include "activities/what_time_window.h"

WhatTimeWindow::WhatTimeWindow(core::Seams seams)
    : ActivityWindow(kit::Window::WhatTime, std::move(seams)) {
    kit::centre(*this);
}
