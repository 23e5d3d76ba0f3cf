#pragma once

#include "activities/activity_window.h"

// The what-time-is-it window: six dials at random times to read.
class WhatTimeWindow final : public ActivityWindow {
    Q_OBJECT
public:
    explicit WhatTimeWindow(core::Seams seams);
};
