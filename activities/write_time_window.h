#pragma once

#include "activities/activity_window.h"

// The write-the-time window: type the phrase for the clock's time.
class WriteTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit WriteTimeWindow(core::Seams seams);
};
