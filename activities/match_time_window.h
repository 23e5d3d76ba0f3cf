#pragma once

#include "activities/activity_window.h"

// Match the phrase to one of nine clocks.
class MatchTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit MatchTimeWindow(core::Seams seams);
};
