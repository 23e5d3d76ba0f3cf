#pragma once

#include "activities/activity_window.h"

// The move-the-hands window: set the hands to a time shown in digits.
class MoveHandsWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit MoveHandsWindow(core::Seams seams);
};
